#pragma once
// A reader of compiled resource files (.res, as windres -O res writes them), enough
// to look resources up by type and id and to decode menus, accelerators, dialogs
// and string tables.

#include <cstdint>
#include <string>
#include <vector>

struct ResEntry {
  bool typeIsName = false;
  uint16_t typeId = 0;
  std::u16string typeName;
  bool nameIsString = false;
  uint16_t id = 0;
  std::u16string name;
  uint16_t language = 0;
  std::vector<uint8_t> data;
};

// Parses a whole .res file; false for a malformed one.
bool ParseResFile(const std::vector<uint8_t>& bytes, std::vector<ResEntry>& out);

constexpr uint16_t kRtBitmap = 2, kRtMenu = 4, kRtDialog = 5, kRtString = 6, kRtAccelerator = 9,
                   kRtGroupCursor = 12, kRtGroupIcon = 14, kRtVersion = 16;

const ResEntry* FindRes(const std::vector<ResEntry>& all, uint16_t type, uint16_t id);
const ResEntry* FindRes(const std::vector<ResEntry>& all, const std::u16string& type, uint16_t id);

// Menu items in file order; a pop-up has id 0xFFFF, a separator id 0 and no text.
using MenuItems = std::vector<std::pair<uint16_t, std::u16string>>;
bool ParseMenu(const std::vector<uint8_t>& data, MenuItems& out);

struct Accelerator {
  uint16_t flags = 0;  // FVIRTKEY 1, FSHIFT 4, FCONTROL 8, FALT 16
  uint16_t key = 0;
  uint16_t command = 0;
};
bool ParseAccelerators(const std::vector<uint8_t>& data, std::vector<Accelerator>& out);

struct DialogControl {
  int id = 0;
  uint32_t style = 0;
  uint16_t classAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static, also when given by name
  std::u16string text;
  uint16_t textOrdinal = 0;  // for icons given by id
};
struct DialogTemplate {
  std::u16string title;
  uint16_t pointSize = 0;
  std::u16string font;
  std::vector<DialogControl> controls;
};
bool ParseDialogEx(const std::vector<uint8_t>& data, DialogTemplate& out);

// The string with this id from the string-table blocks; false when absent.
bool FindString(const std::vector<ResEntry>& all, uint16_t id, std::u16string& out);
