#pragma once
// The colour space in which the nearest palette colour is chosen: red, green, blue,
// hue and value, compared by the sum of absolute differences (saturation is left
// out).

#include <cstdlib>

struct PaletteBlock;

struct ColourPoint {
  int r = 0, g = 0, b = 0, h = 0, v = 0;
};

inline int Distance(const ColourPoint& a, const ColourPoint& b) {
  return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) + std::abs(a.h - b.h) +
         std::abs(a.v - b.v);
}

// The red, green, blue, hue and value of all 256 entries of a block's palette.
struct PaletteColours {
  explicit PaletteColours(const PaletteBlock& block);
  ColourPoint point[256];
};
