#pragma once
// The fixed settings blocks the programs keep beside themselves ("ZorvII.cfg",
// "PlykII.cfg"): 32-bit little-endian integers, colours and rectangles, and
// zero-terminated texts in 260-byte fields, at fixed offsets. Each program encodes its
// settings field by field into such a block and decodes them back; a file is laid
// over the encoded defaults, so a short file fills only its own length, and every
// field is checked as it is decoded: a damaged one takes its default.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/interface_colours.h"

constexpr size_t kSettingsTextField = 260;

struct WindowRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const WindowRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const WindowRect& o) const { return !(*this == o); }
};

// The main frame's default rectangle: the window system chooses position and size.
constexpr WindowRect kSystemChosenRect{INT32_MIN, INT32_MIN, 0, 0};

// Where a main window is created from its remembered rectangle: the window system
// chooses position and size for the system-chosen rectangle (whose width would not
// fit 32 bits), otherwise left, top, right - left, bottom - top.
struct WindowPlacement {
  bool systemChosen = true;
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};
WindowPlacement PlacementOf(const WindowRect& rect);

// The desktop, spanning every screen, in screen coordinates.
struct ScreenArea {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 1024;
  int32_t bottom = 768;
};

class SettingsBytes {
 public:
  explicit SettingsBytes(size_t size) : bytes_(size, 0) {}

  // Copies the leading bytes of `file` over the block, at most the block's size.
  void overlay(const std::vector<uint8_t>& file);

  int32_t readInt(size_t offset) const;
  void writeInt(size_t offset, int32_t value);
  WindowRect readRect(size_t offset) const;
  void writeRect(size_t offset, const WindowRect& rect);
  // The text of a 260-byte field; false when the field holds no terminator.
  bool readText(size_t offset, std::string& text) const;
  // Zero-fills the field after the text, which is cut to 259 bytes without splitting
  // a two-byte character.
  void writeText(size_t offset, const std::string& text);
  // The colour chooser's sixteen colours, one word each from `offset`.
  void writeColours(size_t offset, const CustomColours& colours);

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  size_t size() const { return bytes_.size(); }

 private:
  std::vector<uint8_t> bytes_;
};

// The checks a decoder applies to each field.
int32_t CheckedInt(int32_t value, int32_t min, int32_t max, int32_t fallback);
// A flag is stored as 0 or 1; anything else gives the fallback.
bool CheckedFlag(int32_t value, bool fallback);
// A colour value 0x00BBGGRR: the top byte must be 0.
uint32_t CheckedColour(int32_t value, uint32_t fallback);
// The system-chosen rectangle, or one with a sane size (1 to 32767 pixels each way)
// of which at least a 16 x 16 corner lies on the desktop.
WindowRect CheckedRect(const WindowRect& rect, const ScreenArea& screen, const WindowRect& fallback);
// The sixteen colours from `offset`, each checked against its fallback.
CustomColours CheckedColours(const SettingsBytes& block, size_t offset, const CustomColours& fallback);
// The text of a field, or `fallback` when it has no terminator.
std::string CheckedText(const SettingsBytes& block, size_t offset, const std::string& fallback);

// The longest prefix of at most `limit` bytes that does not split a two-byte CP949
// character; it stops at an embedded zero.
std::string CutText(const std::string& text, size_t limit);
