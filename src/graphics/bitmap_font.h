#pragma once
// A FONTS resource: glyph width and height (32-bit little-endian), then the glyphs
// one after another, each `height` rows of ceil(width / 8) bytes, most significant
// bit leftmost, a set bit is ink. The resource bytes are used in place.

#include <cstddef>
#include <cstdint>

constexpr int kAsciiFontWidth = 6;
constexpr int kAsciiFontHeight = 12;
constexpr int kAsciiGlyphCount = 128;
constexpr int kHangulFontWidth = 12;
constexpr int kHangulFontHeight = 12;
constexpr int kHangulFirstLead = 0xA4;
constexpr int kHangulLastLead = 0xC8;
constexpr int kHangulCellsPerLead = 96;
constexpr int kHangulGlyphCount = (kHangulLastLead - kHangulFirstLead + 1) * kHangulCellsPerLead;  // 3,552
constexpr size_t kAsciiFontFileSize = 8 + kAsciiGlyphCount * 12;                                   // 1,544
constexpr size_t kHangulFontFileSize = 8 + kHangulGlyphCount * 24;                                 // 85,256
// Lead 0xB0, trail 0xA0: the framed square drawn for characters without a glyph.
constexpr int kReplacementGlyph = (0xB0 - kHangulFirstLead) * kHangulCellsPerLead;  // 1152

struct BitmapFont {
  int width = 0;
  int height = 0;
  int bytesPerRow = 0;
  int glyphCount = 0;               // whole glyphs present in the data
  const uint8_t* glyphs = nullptr;  // the resource bytes after the 8-byte header

  const uint8_t* glyph(int index) const {
    return glyphs + static_cast<size_t>(index) * static_cast<size_t>(bytesPerRow * height);
  }
  // Whether pixel (x, y) of glyph index is ink. No range checks.
  bool ink(int index, int x, int y) const {
    return (glyph(index)[y * bytesPerRow + x / 8] >> (7 - x % 8)) & 1;
  }
};

// Reads the header of a font resource held at data. Fails (false, font untouched)
// when the sizes are not 1..64 pixels or the data holds no whole glyph.
bool ParseBitmapFont(const uint8_t* data, size_t size, BitmapFont& font);
