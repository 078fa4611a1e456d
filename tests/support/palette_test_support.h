#pragma once
// Helpers of the palette tests and benchmark.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <streambuf>

#include "sprites/palette.h"

inline PaletteBlock DefaultBlock() {
  PaletteBlock block;
  std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
  return block;
}

// A stream buffer that accepts a fixed number of bytes, like a disk that fills up.
class FillingBuffer : public std::streambuf {
 public:
  explicit FillingBuffer(size_t room) : room_(room) {}

 protected:
  int_type overflow(int_type c) override {
    return xsputn(nullptr, 1) ? traits_type::not_eof(c) : traits_type::eof();
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    const std::streamsize taken = std::min<std::streamsize>(n, static_cast<std::streamsize>(room_));
    room_ -= static_cast<size_t>(taken);
    return taken;
  }

 private:
  size_t room_;
};

inline void SetEntry(PaletteBlock& block, int k, int r, int g, int b) {
  block.palette()[k * 3] = static_cast<uint8_t>(r);
  block.palette()[k * 3 + 1] = static_cast<uint8_t>(g);
  block.palette()[k * 3 + 2] = static_cast<uint8_t>(b);
}

// The plain way to build a mixing table: for every pair of entries, measure all 256
// entries against the pair's blend. Slow but obviously right; BuildMixTable must
// give exactly this table.

inline void ReferenceMixTable(PaletteBlock& block) {
  int r[256], g[256], b[256], h[256], v[256];
  const uint8_t* p = block.palette();
  for (int k = 0; k < 256; ++k) {
    r[k] = p[k * 3];
    g[k] = p[k * 3 + 1];
    b[k] = p[k * 3 + 2];
    Hsv hsv = ToHsv(r[k], g[k], b[k]);
    h[k] = hsv.hue;
    v[k] = hsv.value;
  }
  uint8_t* table = block.mixTable();
  for (int i = 0; i < 256; ++i) {
    for (int j = i; j < 256; ++j) {
      const int tr = (r[i] + r[j]) / 2, tg = (g[i] + g[j]) / 2, tb = (b[i] + b[j]) / 2;
      const int th = (h[i] + h[j]) / 2, tv = (v[i] + v[j]) / 2;
      int best = 9999;
      int bestIndex = 0;
      for (int k = 0; k < 256; ++k) {
        int d = std::abs(r[k] - tr) + std::abs(g[k] - tg) + std::abs(b[k] - tb) + std::abs(h[k] - th) +
                std::abs(v[k] - tv);
        if (d < best) {
          best = d;
          bestIndex = k;
        }
      }
      table[i * 256 + j] = table[j * 256 + i] = static_cast<uint8_t>(bestIndex);
    }
  }
}
