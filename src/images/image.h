#pragma once
// Pictures as today's files hold them, before they meet our 256-colour world:
// true-colour pixels with alpha, or palette indices with their own colour table.

#include <cstdint>
#include <vector>

#include "sprites/palette.h"

// Red in the lowest byte, then green, blue and alpha (alpha 0 is fully transparent).
using Rgba = uint32_t;

constexpr Rgba MakeRgba(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  return Rgba(r) | (Rgba(g) << 8) | (Rgba(b) << 16) | (Rgba(a) << 24);
}
constexpr uint8_t AlphaOf(Rgba c) {
  return uint8_t(c >> 24);
}

struct RgbaImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<Rgba> pixels;  // width * height, row by row from the top
};

struct IndexedImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // width * height palette indices, row by row
  std::vector<Rgba> colours;    // the colour table, at most 256 entries
};

// Each pixel as the nearest colour of the block's palette (the distance the mixing
// table is built with); fully transparent pixels become index 0, the sprites'
// transparent index. Colours seen before are not searched again.
std::vector<uint8_t> MapToPalette(const RgbaImage& image, const PaletteBlock& palette);
