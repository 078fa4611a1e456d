#pragma once
// A small BMP reader for the tests, written from the file format's description and
// independent of the writer: 8-bit uncompressed images, either row order.

#include <cstdint>
#include <vector>

struct DecodedBmp {
  int width = 0;
  int height = 0;
  uint32_t xPixelsPerMetre = 0, yPixelsPerMetre = 0;
  std::vector<uint8_t> rgb;      // width * height * 3, top row first
  std::vector<uint8_t> indices;  // width * height, top row first
};

inline bool DecodeBmp8(const std::vector<uint8_t>& f, DecodedBmp& out) {
  auto u16 = [&](size_t o) { return o + 2 <= f.size() ? uint32_t(f[o] | f[o + 1] << 8) : 0u; };
  auto u32 = [&](size_t o) { return o + 4 <= f.size() ? (u16(o) | u16(o + 2) << 16) : 0u; };
  if (f.size() < 54 || f[0] != 'B' || f[1] != 'M') return false;
  if (u32(2) != f.size()) return false;
  const uint32_t dataOffset = u32(10), headerSize = u32(14);
  const int32_t w = static_cast<int32_t>(u32(18)), h = static_cast<int32_t>(u32(22));
  if (headerSize < 40 || u16(26) != 1 || u16(28) != 8 || u32(30) != 0 || w <= 0 || h == 0) return false;
  uint32_t colours = u32(46);
  if (colours == 0) colours = 256;
  const size_t tableAt = 14 + headerSize;
  const int rows = h < 0 ? -h : h;
  const size_t stride = (static_cast<size_t>(w) + 3) / 4 * 4;
  if (tableAt + 4 * colours > dataOffset || dataOffset + stride * rows > f.size()) return false;
  out.width = w;
  out.height = rows;
  out.xPixelsPerMetre = u32(38);
  out.yPixelsPerMetre = u32(42);
  out.rgb.assign(static_cast<size_t>(w) * rows * 3, 0);
  out.indices.assign(static_cast<size_t>(w) * rows, 0);
  for (int y = 0; y < rows; ++y) {
    const size_t fileRow = h > 0 ? static_cast<size_t>(rows - 1 - y) : static_cast<size_t>(y);
    for (int x = 0; x < w; ++x) {
      const uint8_t i = f[dataOffset + fileRow * stride + static_cast<size_t>(x)];
      if (i >= colours) return false;
      const size_t o = static_cast<size_t>(y) * w + x;
      out.indices[o] = i;
      out.rgb[3 * o] = f[tableAt + 4 * i + 2];
      out.rgb[3 * o + 1] = f[tableAt + 4 * i + 1];
      out.rgb[3 * o + 2] = f[tableAt + 4 * i];
    }
  }
  return true;
}
