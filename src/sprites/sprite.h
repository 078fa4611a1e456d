#pragma once
// One rectangular 8-bit image: palette indices row by row from the top, no padding.
// Index 0 is transparent. A sprite has no offsets or hot spot.

#include <cstddef>
#include <cstdint>
#include <vector>

struct Sprite {
  int32_t count = 0;  // pixel count; width * height once recomputed
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // count bytes

  Sprite() = default;
  Sprite(int32_t w, int32_t h, std::vector<uint8_t> px)
      : count(w * h), width(w), height(h), pixels(std::move(px)) {}

  uint8_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Same width and height and the same first a.count pixel bytes; a count <= 0
// compares on sizes alone.
bool Equal(const Sprite& a, const Sprite& b);

// A size of at least 1 x 1 and pixel bytes for all of it: what a blit or a copy
// may read.
bool HasPixels(const Sprite& sprite);

// Unless keep is set, sets count to width * height first. Returns count + 12, the
// length of the sprite's record in a sprite file.
int32_t RecordSize(Sprite& sprite, bool keep = false);
