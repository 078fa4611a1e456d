#pragma once
// The sprite cutter's settings and their block in "PlykII.cfg": 1720 bytes of
// little-endian fields at fixed offsets, encoded and decoded field by field. A file
// is laid over the encoded defaults (a short file fills only its own length) and
// every field is checked as it is decoded; a damaged field takes its default.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/interface_colours.h"
#include "ui/settings_block.h"

constexpr size_t kCutterSettingsSize = 1720;
constexpr int32_t kMaxCutSize = 32768;

struct CutterSettings {
  bool maximised = false;
  WindowRect frameRect = kSystemChosenRect;
  WindowRect spriteWindowRect{0, 0, 250, 150};
  WindowRect detailWindowRect{300, 0, 400, 125};
  bool detailShown = true;
  bool ignoreTransparent = false;
  int32_t zoom = 1;
  int32_t cutWidth = 32;
  int32_t cutHeight = 32;
  // Palette indices of the three interface colours (a cache of the colours below).
  int32_t backgroundIndex = 255;
  int32_t systemIndex = 1;
  int32_t shadowIndex = 0;
  // Colours as 0x00BBGGRR.
  uint32_t systemColour = 0x007F0000;
  uint32_t backgroundColour = 0x00FFFFFF;
  uint32_t shadowColour = 0x00000000;
  CustomColours customColours = DefaultCustomColours();
  // Remembered names (CP949): the file choosers start from them.
  std::string spriteName;
  std::string spritePath;
  std::string paletteName;
  std::string palettePath;
  std::string pictureName;
  std::string picturePath;

  static CustomColours DefaultCustomColours() {
    CustomColours colours;
    colours.fill(0x00FFFFFF);
    return colours;
  }
};

std::vector<uint8_t> EncodeCutterSettings(const CutterSettings& settings);
// `file` is what the settings file held (any length); `screen` is the desktop on
// which the window rectangles must show.
CutterSettings DecodeCutterSettings(const std::vector<uint8_t>& file, const ScreenArea& screen);
