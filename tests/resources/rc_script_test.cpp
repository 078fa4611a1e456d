// The compiled .rc scripts of both programs, read back from the .res files windres
// made and checked for what holds them together: every key, tool-bar button and
// tool tip names a command that has a menu entry or a handler, every menu entry has
// a handler, dialog controls carry the ids the code uses, and the embedded files are
// the ones the build made.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/byte_reader.h"
#include "cutter/editor_support.h"
#include "cutter/resource_ids.h"
#include "motion/editor/frame_editor.h"
#include "motion/editor_test_support.h"
#include "motion/resource_ids.h"
#include "plyk_version.h"

#ifdef PLYK_RES_DIR

namespace {

// A reader of .res files (as windres -O res writes them), enough to look resources up
// by type and id and to decode menus, accelerators, dialogs and string tables.
constexpr uint16_t kRtBitmap = 2, kRtMenu = 4, kRtDialog = 5, kRtString = 6, kRtAccelerator = 9,
                   kRtGroupCursor = 12, kRtGroupIcon = 14, kRtVersion = 16, kRtManifest = 24, kPopup = 0xFFFF;
using Ids = std::set<int>;

struct ResEntry {
  std::u16string typeName;  // empty for a numbered type
  uint16_t typeId = 0, id = 0, language = 0;
  std::vector<uint8_t> data;
};

bool ReadString(ByteReader& r, std::u16string& out) {
  for (uint16_t c = r.u16(); c != 0 && r.ok(); c = r.u16()) out.push_back(static_cast<char16_t>(c));
  return r.ok();
}

// A type or name: 0xFFFF and an ordinal, or a zero-terminated UTF-16 string.
bool ReadIdOrName(ByteReader& r, uint16_t& id, std::u16string& name) {
  const size_t start = r.pos();
  if (r.u16() != 0xFFFF) return r.seek(start) && ReadString(r, name);
  id = r.u16();
  return r.ok();
}

bool AlignTo4(ByteReader& r) {
  return r.seek((r.pos() + 3) & ~size_t(3));
}

bool ParseResFile(const std::vector<uint8_t>& bytes, std::vector<ResEntry>& out) {
  ByteReader r(bytes);
  while (r.remaining() > 0) {
    const size_t start = r.pos();
    const uint32_t dataSize = r.u32();
    const uint32_t headerSize = r.u32();
    if (!r.ok() || headerSize < 16 || headerSize > r.size() - start) return false;
    ResEntry e;
    std::u16string name;
    if (!ReadIdOrName(r, e.typeId, e.typeName) || !ReadIdOrName(r, e.id, name) || !AlignTo4(r)) return false;
    r.skip(6);  // data version, memory flags
    e.language = r.u16();
    const uint8_t* data = r.seek(start + headerSize) ? r.take(dataSize) : nullptr;
    if (!data || (r.remaining() > 0 && !AlignTo4(r))) return false;
    e.data.assign(data, data + dataSize);
    if (dataSize != 0 || e.typeId != 0 || !e.typeName.empty()) out.push_back(std::move(e));
  }
  return r.ok();
}

// Numbered types by their number, named ones by name with type 0.
const ResEntry* FindRes(const std::vector<ResEntry>& all, uint16_t type, uint16_t id,
                        const std::u16string& typeName = u"") {
  for (const ResEntry& e : all)
    if (e.typeName == typeName && e.typeId == type && e.id == id) return &e;
  return nullptr;
}

// Menu items in file order; a pop-up has id 0xFFFF, a separator id 0 and no text.
using MenuItems = std::vector<std::pair<uint16_t, std::u16string>>;
bool ParseMenu(const std::vector<uint8_t>& data, MenuItems& out) {
  ByteReader r(data);
  if (r.u16() != 0 || r.u16() != 0) return false;  // version, header size
  while (r.ok() && r.remaining() > 0) {
    const uint16_t flags = r.u16();
    const uint16_t id = (flags & 0x10) ? kPopup : r.u16();  // MF_POPUP items carry no id
    std::u16string text;
    if (!ReadString(r, text)) return false;
    out.emplace_back(id, text);
  }
  return r.ok() && !out.empty();
}

struct Accelerator {
  uint16_t flags = 0;  // FVIRTKEY 1, FNOINVERT 2, FSHIFT 4, FCONTROL 8, FALT 16
  uint16_t key = 0, command = 0;
};
bool ParseAccelerators(const std::vector<uint8_t>& data, std::vector<Accelerator>& out) {
  ByteReader r(data);
  while (r.remaining() >= 8) {
    const uint16_t flags = r.u16();
    const uint16_t key = r.u16();
    out.push_back({static_cast<uint16_t>(flags & 0x7F), key, r.u16()});
    r.u16();
    if (flags & 0x80) return r.remaining() == 0;  // the last entry
  }
  return false;
}

struct DialogTemplate {
  std::u16string title, font;
  uint16_t pointSize = 0;
  Ids controls;  // static texts and frames (id -1) aside
};
bool ParseDialogEx(const std::vector<uint8_t>& data, DialogTemplate& out) {
  ByteReader r(data);
  if (r.u16() != 1 || r.u16() != 0xFFFF) return false;
  r.skip(8);  // help id, extended style
  const uint32_t style = r.u32();
  const uint16_t count = r.u16();
  r.skip(8);  // position and size
  uint16_t ordinal = 0;
  std::u16string menu, windowClass, controlClass, text;
  if (!ReadIdOrName(r, ordinal, menu) || !ReadIdOrName(r, ordinal, windowClass)) return false;
  if (!ReadString(r, out.title)) return false;
  if (style & 0x40) {  // DS_SETFONT
    out.pointSize = r.u16();
    r.skip(4);  // weight, italic, character set
    if (!ReadString(r, out.font)) return false;
  }
  for (uint16_t i = 0; i < count; ++i) {
    if (!AlignTo4(r) || !r.skip(20)) return false;  // help id, extended style, style, position
    const auto id = static_cast<int32_t>(r.u32());
    if (!ReadIdOrName(r, ordinal, controlClass) || !ReadIdOrName(r, ordinal, text)) return false;
    if (!r.skip(r.u16())) return false;  // creation data
    if (id != -1) out.controls.insert(id);
  }
  return r.ok();
}

// The string with this id from the string-table blocks; false when absent.
bool FindString(const std::vector<ResEntry>& all, uint16_t id, std::u16string& out) {
  const ResEntry* block = FindRes(all, kRtString, static_cast<uint16_t>(id / 16 + 1));
  if (!block) return false;
  ByteReader r(block->data);
  for (int i = 0; i <= id % 16; ++i) {
    const uint16_t length = r.u16();
    out.clear();
    for (uint16_t k = 0; k < length && r.ok(); ++k) out.push_back(static_cast<char16_t>(r.u16()));
  }
  return r.ok() && !out.empty();
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
  return bytes;
}

std::string SourceText(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadFile(std::string(PLYK_SOURCE_DIR) + "/" + path);
  return std::string(bytes.begin(), bytes.end());
}

std::vector<ResEntry> LoadRes(const std::string& name) {
  std::vector<ResEntry> all;
  EXPECT_TRUE(ParseResFile(ReadFile(std::string(PLYK_RES_DIR) + "/" + name + ".res"), all)) << name;
  return all;
}

Ids CommandsOf(const std::vector<ResEntry>& all, uint16_t menuId, MenuItems& items) {
  const ResEntry* menu = FindRes(all, kRtMenu, menuId);
  EXPECT_TRUE(menu && ParseMenu(menu->data, items)) << "menu " << menuId;
  Ids ids;
  for (const auto& [id, text] : items)
    if (id != kPopup && id != 0) ids.insert(id);
  return ids;
}

// The command ids of the tool-bar buttons, taken from the frame window's source
// (the buttons are made there and nowhere else) and the id header.
Ids ToolBarCommands(const std::string& source, const std::string& header) {
  std::map<std::string, int> values;
  const std::string ids = SourceText(header);
  const std::regex define(R"(#define\s+(\w+)\s+(\d+))");
  for (std::sregex_iterator it(ids.begin(), ids.end(), define), end; it != end; ++it)
    values[(*it)[1].str()] = std::stoi((*it)[2].str());
  Ids out;
  const std::string text = SourceText(source);
  const std::regex button(R"(\{\w+_TBI_\w+,\s*(ID_\w+)\})");
  for (std::sregex_iterator it(text.begin(), text.end(), button), end; it != end; ++it) {
    EXPECT_TRUE(values.count((*it)[1].str())) << (*it)[1].str();
    out.insert(values[(*it)[1].str()]);
  }
  EXPECT_GE(out.size(), 5u) << source;
  return out;
}

Ids Union(const std::vector<const CommandTable*>& tables) {
  Ids out;
  for (const CommandTable* t : tables)
    for (int id : t->ids()) out.insert(id);
  return out;
}

// What a program's menus, keys, tool bar and dialogs must hold.
struct ProgramCommands {
  std::string name, sourceDir;                 // the frame window's source and the id header are there
  uint16_t mainMenu, popups[2], accelerators;  // pop-up menu 0: none
  Ids handled;                                 // commands the editors answer
  std::map<uint16_t, Ids> dialogs;             // every dialog with its control ids
  // A few of the Korean texts, which the structure cannot show.
  uint16_t menuId;
  std::u16string menuText;
  uint16_t dialog;
  std::u16string dialogTitle;
  uint16_t tip;
  std::u16string tipText;
};

// A program's embedded files and images; icons in id order, the shell's icon index.
struct ProgramFiles {
  std::string name;
  uint16_t asciiFont, hangulFont, palette, pointers, cursor, toolBar, toolBarImages, icons[4];
};

void CheckCommands(const ProgramCommands& p, const std::vector<ResEntry>& all) {
  MenuItems main, popup;
  const Ids menu = CommandsOf(all, p.mainMenu, main);
  for (int id : menu) EXPECT_TRUE(p.handled.count(id)) << "menu entry " << id << " has no handler";
  for (uint16_t popupMenu : p.popups)
    for (int id : popupMenu ? CommandsOf(all, popupMenu, popup) : Ids{})
      EXPECT_TRUE(p.handled.count(id)) << "pop-up entry " << id << " has no handler";
  EXPECT_NE(std::find(main.begin(), main.end(), std::make_pair(p.menuId, p.menuText)), main.end());

  const ResEntry* table = FindRes(all, kRtAccelerator, p.accelerators);
  std::vector<Accelerator> keys;
  ASSERT_TRUE(table && ParseAccelerators(table->data, keys));
  EXPECT_GE(keys.size(), 30u);
  std::set<std::pair<uint16_t, uint16_t>> seen;
  for (const Accelerator& a : keys) {
    EXPECT_TRUE(seen.emplace(a.flags & ~uint16_t(2), a.key).second) << "key " << a.key << " twice";
    EXPECT_TRUE(menu.count(a.command) || p.handled.count(a.command)) << "key for " << a.command;
  }
  const std::string dir = "src/" + p.sourceDir;
  for (int id : ToolBarCommands(dir + "/app/main_frame.cpp", dir + "/resource_ids.h")) {
    std::u16string tip;
    EXPECT_TRUE(p.handled.count(id)) << "tool-bar button " << id << " has no handler";
    EXPECT_TRUE(FindString(all, static_cast<uint16_t>(id), tip) && !tip.empty()) << "tool tip " << id;
  }
  // Every tool tip belongs to a command.
  for (int id = 40000; id < 40200; ++id) {
    std::u16string tip;
    EXPECT_TRUE(!FindString(all, static_cast<uint16_t>(id), tip) || menu.count(id) || p.handled.count(id))
        << "tool tip " << id;
  }
  std::u16string tip;
  EXPECT_TRUE(FindString(all, p.tip, tip) && tip == p.tipText) << "string " << p.tip;
}

// Every dialog uses the program's font and has exactly the expected control ids.
void CheckDialogs(const ProgramCommands& p, const std::vector<ResEntry>& all) {
  size_t dialogs = 0;
  for (const ResEntry& e : all) {
    if (!e.typeName.empty() || e.typeId != kRtDialog) continue;
    ++dialogs;
    DialogTemplate d;
    ASSERT_TRUE(ParseDialogEx(e.data, d)) << "dialog " << e.id;
    EXPECT_EQ(std::make_pair(d.font, d.pointSize), std::make_pair(std::u16string(u"굴림"), uint16_t(9)))
        << "dialog " << e.id;
    ASSERT_TRUE(p.dialogs.count(e.id)) << "dialog " << e.id;
    EXPECT_EQ(d.controls, p.dialogs.at(e.id)) << "dialog " << e.id;
    EXPECT_TRUE(e.id != p.dialog || d.title == p.dialogTitle) << "title of dialog " << e.id;
  }
  EXPECT_EQ(dialogs, p.dialogs.size());
}

// The fonts, palette and pointer sprites are the files the build made; icons, cursor
// and tool bar are there, and everything is Korean.
void CheckEmbedded(const ProgramFiles& p, const std::vector<ResEntry>& all) {
  const std::string fonts = std::string(PLYK_SOURCE_DIR) + "/src/graphics/fonts/";
  const std::string generated = std::string(PLYK_GENERATED_DIR) + "/";
  const std::tuple<const char16_t*, uint16_t, std::string> files[] = {
      {u"FONTS", p.asciiFont, fonts + "ascii_6x12.fnt"},
      {u"FONTS", p.hangulFont, fonts + "hangul_12x12.fnt"},
      {u"PALETTE", p.palette, generated + "palette.bin"},
      {u"SPRITE", p.pointers, generated + p.name + "/" + p.name + "_pointers.plk"}};
  for (const auto& [type, id, path] : files) {
    const ResEntry* e = FindRes(all, 0, id, type);
    EXPECT_TRUE(e && e->data == ReadFile(path)) << path;
  }
  const ResEntry* strip = FindRes(all, kRtBitmap, p.toolBar);
  ASSERT_TRUE(strip && strip->data.size() >= 8);
  EXPECT_EQ(LoadU32(&strip->data[4]), 16u * p.toolBarImages);
  EXPECT_NE(FindRes(all, kRtGroupCursor, p.cursor), nullptr);
  // The manifest is the generated one; the version block carries the project's version.
  const ResEntry* manifest = FindRes(all, kRtManifest, 1);
  EXPECT_TRUE(manifest && manifest->data == ReadFile(generated + p.name + "/" + p.name + ".manifest"));
  const ResEntry* version = FindRes(all, kRtVersion, 1);
  ASSERT_NE(version, nullptr);
  std::vector<uint8_t> utf16;
  for (const char c : std::string(PLYK_VERSION_TEXT)) utf16.insert(utf16.end(), {uint8_t(c), 0});
  EXPECT_NE(std::search(version->data.begin(), version->data.end(), utf16.begin(), utf16.end()),
            version->data.end());
  std::vector<uint16_t> icons;
  for (const ResEntry& e : all) {
    EXPECT_EQ(e.language, 0x0412) << "type " << e.typeId << " id " << e.id;  // Korean
    if (!e.typeName.empty() || e.typeId != kRtGroupIcon) continue;
    icons.push_back(e.id);
    ASSERT_GE(e.data.size(), 6u);
    EXPECT_EQ(LoadU16(&e.data[4]), 2) << "icon group " << e.id << " has a 32 and a 16 pixel image";
  }
  std::sort(icons.begin(), icons.end());
  EXPECT_EQ(icons, std::vector<uint16_t>(std::begin(p.icons), std::end(p.icons)));
}

constexpr int kOk = 1, kCancel = 2;

}  // namespace

TEST(ProgramResources, CommandsDialogsAndTexts) {
  edtest::Frame plyk;
  FakeHost host;
  MotionFrameEditor zorv(host, ZorvSettings(), TestPalette());
  const std::map<uint16_t, Ids> plykDialogs = {
      {IDD_PLYK_ABOUT, {IDC_PLYK_ABOUT_ICON, kOk}},
      {IDD_PLYK_CUT_SIZE, {IDC_PLYK_CUT_WIDTH, IDC_PLYK_CUT_HEIGHT, kOk, kCancel}},
      {IDD_PLYK_COLOURS,
       {IDC_PLYK_COLOUR_BACKGROUND, IDC_PLYK_COLOUR_SYSTEM, IDC_PLYK_COLOUR_SHADOW, kOk, kCancel}}};
  Ids flags = {IDC_ZORV_FLAGS_BINARY, kOk, kCancel};
  for (int n = 0; n < 10; ++n) flags.insert(IDC_ZORV_FLAG_0 + n);
  Ids colours = {IDC_ZORV_COLOUR_BACKGROUND, IDC_ZORV_COLOUR_SYSTEM, IDC_ZORV_COLOUR_SHADOW, kOk, kCancel};
  for (int n = 0; n < 6; ++n) colours.insert(IDC_ZORV_COLOUR_1 + n);
  const std::map<uint16_t, Ids> zorvDialogs = {
      {IDD_ZORV_ABOUT, {IDC_ZORV_ABOUT_ICON, kOk}},
      {IDD_ZORV_NEW_BUNDLE, {IDC_ZORV_BUNDLE_NAME, kOk, kCancel}},
      {IDD_ZORV_DELAY,
       {IDC_ZORV_DELAY_CURRENT, IDC_ZORV_DELAY_DEFAULT, IDC_ZORV_DELAY_WHOLE_BUNDLE, kOk, kCancel}},
      {IDD_ZORV_SOUND, {IDC_ZORV_SOUND_NAME, IDC_ZORV_SOUND_BROWSE, IDC_ZORV_SOUND_PLAY, kOk, kCancel}},
      {IDD_ZORV_FLAGS, flags},
      {IDD_ZORV_EFFECTS,
       {IDC_ZORV_EFFECT_FLIP_X, IDC_ZORV_EFFECT_FLIP_Y, IDC_ZORV_EFFECT_TRANSLUCENT, kOk, kCancel}},
      {IDD_ZORV_GIF_EXPORT,
       {IDC_ZORV_GIF_SCALE, IDC_ZORV_GIF_TRANSPARENT, IDC_ZORV_GIF_BOXES, IDC_ZORV_GIF_POINTS, kOk, kCancel}},
      {IDD_ZORV_COLOURS, colours}};
  const ProgramCommands programs[] = {
      {"plyk2", "cutter", IDR_PLYK_MAIN_MENU, IDR_PLYK_SPRITE_POPUP, 0, IDR_PLYK_ACCELERATORS,
       Union({&plyk.editor.commands(), &plyk.editor.spriteWindow().commands()}), plykDialogs,
       ID_PLYK_TOOL_OUTWARD_CUT, u"밖으로 자르기(&O)\tO", IDD_PLYK_CUT_SIZE, u"자를 크기 바꾸기",
       ID_PLYK_IMPORT_PICTURE, u"그림 파일 열기(Ctrl+V)"},
      {"zorv2", "motion", IDR_ZORV_MAIN_MENU, IDR_ZORV_SPRITE_POPUP, IDR_ZORV_MOTION_POPUP,
       IDR_ZORV_ACCELERATORS,
       Union({&zorv.commands(), &zorv.motionWindow().commands(), &zorv.spriteWindow().commands()}),
       zorvDialogs, ID_ZORV_CLEAN_SPRITES, u"스프라이트 정리(&R)\tCtrl+R", IDD_ZORV_DELAY,
       u"동작 지연 시간 설정", ID_ZORV_TOOL_STAMP, u"동작 찍기(P)"}};
  for (const ProgramCommands& p : programs) {
    SCOPED_TRACE(p.name);
    const std::vector<ResEntry> all = LoadRes(p.name);
    CheckCommands(p, all);
    CheckDialogs(p, all);
  }
}

TEST(ProgramResources, EmbeddedFilesIconsCursorAndToolBarAreKoreanAndCutFilesAreRefused) {
  // Plyk2's icon index 1 is the sprite file icon and index 3 the palette file icon;
  // Zorv2's index 3 is the motion file icon the shell association names.
  const ProgramFiles programs[] = {
      {"plyk2", IDR_PLYK_FONT_ASCII, IDR_PLYK_FONT_HANGUL, IDR_PLYK_PALETTE, IDR_PLYK_POINTER_SPRITES,
       IDCUR_PLYK_TRANSPARENT, IDB_PLYK_TOOLBAR, PLYK_TOOLBAR_IMAGE_COUNT, IDI_PLYK_APP,
       IDI_PLYK_SPRITE_WINDOW, IDI_PLYK_PICTURE, IDI_PLYK_PALETTE_FILE},
      {"zorv2", IDR_ZORV_FONT_ASCII, IDR_ZORV_FONT_HANGUL, IDR_ZORV_PALETTE, IDR_ZORV_POINTER_SPRITES,
       IDCUR_ZORV_TRANSPARENT, IDB_ZORV_TOOLBAR, ZORV_TOOLBAR_IMAGE_COUNT, IDI_ZORV_APP,
       IDI_ZORV_MOTION_WINDOW, IDI_ZORV_SPRITE_WINDOW, IDI_ZORV_MOTION_FILE}};
  for (const ProgramFiles& p : programs) {
    SCOPED_TRACE(p.name);
    CheckEmbedded(p, LoadRes(p.name));
    // The reader refuses the file cut short, so the checks above read whole files.
    const std::vector<uint8_t> bytes = ReadFile(std::string(PLYK_RES_DIR) + "/" + p.name + ".res");
    for (size_t cut : {size_t(5), size_t(40), bytes.size() / 2, bytes.size() - 3}) {
      std::vector<ResEntry> part;
      EXPECT_FALSE(ParseResFile(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut), part)) << cut;
    }
  }
}

#else

TEST(ProgramResources, NeedsWindres) {
  GTEST_SKIP() << "i686-w64-mingw32-windres is not installed";
}

#endif
