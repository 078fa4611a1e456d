#include "sprites/indexed_bmp.h"

#include "base/byte_reader.h"

std::vector<uint8_t> EncodeIndexedBmp(const uint8_t* pixels, int width, int height, int pitch,
                                      const uint8_t* colourTable) {
  std::vector<uint8_t> out;
  if (!pixels || !colourTable || width < 1 || height < 1) return out;
  const uint32_t stride = (static_cast<uint32_t>(width) + 3) & ~3u;
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);
  const uint32_t offset = 14 + 40 + 1024;
  constexpr uint32_t k72Dpi = 2835;  // pixels per metre
  out.reserve(offset + imageSize);
  // File header.
  out.push_back('B');
  out.push_back('M');
  PutU32(out, offset + imageSize);
  PutU32(out, 0);
  PutU32(out, offset);
  // Info header: bottom-up rows, 8 bits, no compression, 72 dpi, 256 colours.
  PutU32(out, 40);
  PutS32(out, width);
  PutS32(out, height);
  PutU16(out, 1);
  PutU16(out, 8);
  PutU32(out, 0);
  PutU32(out, imageSize);
  PutU32(out, k72Dpi);
  PutU32(out, k72Dpi);
  PutU32(out, 256);
  PutU32(out, 0);
  out.insert(out.end(), colourTable, colourTable + 1024);
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(pitch);
    out.insert(out.end(), row, row + width);
    out.insert(out.end(), stride - static_cast<uint32_t>(width), 0);
  }
  return out;
}

std::array<uint8_t, 1024> BmpColourTable(const uint8_t* palette) {
  std::array<uint8_t, 1024> table{};
  for (int i = 0; i < 256; ++i) {
    table[4 * i] = palette[3 * i + 2];
    table[4 * i + 1] = palette[3 * i + 1];
    table[4 * i + 2] = palette[3 * i];
  }
  return table;
}
