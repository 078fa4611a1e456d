#pragma once
// The motion editor's settings, kept between runs in "ZorvII.cfg" beside the program:
// one block of 2056 bytes of 32-bit little-endian integers, colours 0x00BBGGRR and
// zero-terminated texts in 260-byte fields. The block is encoded and decoded field by
// field; decoding lays the file over the encoded defaults (a short file fills only
// its own length) and gives every damaged field its default.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/interface_colours.h"
#include "ui/settings_block.h"

constexpr size_t kZorvSettingsSize = 2056;
constexpr int kBoxColourCount = 6;

// The editor's colours as RGB values 0x00BBGGRR, chosen in the colour dialog.
struct EditorColours {
  uint32_t system = 0x007F0000;      // base line, drag silhouette, list-window marks
  uint32_t background = 0x00FFFFFF;  // clear colour of the three drawing windows
  uint32_t shadow = 0x00000000;      // shadow overlay, info panel, glyph outlines
  std::array<uint32_t, kBoxColourCount> boxes{0x00FF5757, 0x0057FDC7, 0x00FFFF57,
                                              0x005757FF, 0x00FF57FF, 0x0057FFFF};
  bool operator==(const EditorColours& o) const {
    return system == o.system && background == o.background && shadow == o.shadow && boxes == o.boxes;
  }
};

// The palette indices drawn for those colours. They are recomputed whenever the
// colours or the palette change and are used as stored until then.
struct ColourIndices {
  int system = 1;
  int background = 255;
  int shadow = 0;
  std::array<int, kBoxColourCount> boxes{9, 10, 11, 12, 13, 14};
  bool operator==(const ColourIndices& o) const {
    return system == o.system && background == o.background && shadow == o.shadow && boxes == o.boxes;
  }
};

struct ZorvSettings {
  bool maximised = false;
  WindowRect mainWindow = kSystemChosenRect;
  WindowRect spriteWindow{0, 0, 250, 150};
  WindowRect motionWindow{300, 0, 550, 150};
  int32_t baseX = 200;  // base point of the canvas
  int32_t baseY = 200;
  int32_t infoX = 300;  // top-left corner of the info panel
  int32_t infoY = 100;
  bool repeatPlayback = true;
  bool showBoxes = true;
  bool showInfo = true;
  bool showBaseLine = true;
  bool spriteWindowShown = true;
  bool showPoints = true;
  int32_t zoom = 1;          // 1 to 4
  int32_t defaultDelay = 2;  // delay of stamped motions, 1 to 60
  ColourIndices indices;
  EditorColours colours;
  std::array<uint32_t, kCustomColourCount> customColours = FilledCustomColours();
  std::string motionFileName;  // last opened or saved motion file
  std::string motionFilePath;
  std::string paletteFileName;  // loaded at start when the path is not empty
  std::string paletteFilePath;
  std::string spriteFileName;  // last sprite file added
  std::string spriteFilePath;
  std::string waveDirectory;  // the folder part is put in front of motion sounds

  bool operator==(const ZorvSettings& o) const;
  bool operator!=(const ZorvSettings& o) const { return !(*this == o); }

 private:
  static std::array<uint32_t, kCustomColourCount> FilledCustomColours() {
    std::array<uint32_t, kCustomColourCount> c;
    c.fill(0x00FFFFFF);
    return c;
  }
};

// Base point and info panel stay within this distance of the origin, so that the
// canvas arithmetic cannot overflow.
constexpr int32_t kSettingsPositionLimit = 32767;

std::vector<uint8_t> EncodeZorvSettings(const ZorvSettings& settings);
// `screen` is the desktop the window rectangles must show on.
ZorvSettings DecodeZorvSettings(const std::vector<uint8_t>& file, const ScreenArea& screen);
