#pragma once
// A reader for X11 PCF bitmap fonts (optionally gzip-compressed): enough of the
// format to take the bitmaps, metrics and encodings of a fixed-cell font.

#include <cstdint>
#include <string>
#include <vector>

struct PcfGlyph {
  int leftBearing = 0;
  int rightBearing = 0;
  int ascent = 0;
  int descent = 0;
  // (rightBearing - leftBearing) x (ascent + descent) pixels, 1 = ink, row by row.
  std::vector<uint8_t> ink;
};

struct PcfFont {
  int fontAscent = 0;
  int fontDescent = 0;
  int minByte2 = 0, maxByte2 = 0, minByte1 = 0, maxByte1 = 0;
  std::vector<int> encoding;  // glyph index per code, -1 when none
  std::vector<PcfGlyph> glyphs;

  // The glyph of a code (byte1 * 256 + byte2 for two-byte fonts), or null.
  const PcfGlyph* find(int code) const;
};

// Reads a .pcf or .pcf.gz file. On failure returns false with a message in error.
bool ReadPcfFont(const std::string& path, PcfFont& font, std::string& error);
