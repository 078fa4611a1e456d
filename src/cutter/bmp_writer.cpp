#include "cutter/bmp_writer.h"

#include <cstring>

#include "base/byte_reader.h"

std::vector<uint8_t> EncodeBmp8(int32_t width, int32_t height, const uint8_t* pixels,
                                const uint8_t* palette) {
  const uint32_t stride = (static_cast<uint32_t>(width) + 3) & ~3u;
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);
  const uint32_t dataOffset = 14 + 40 + 1024;
  std::vector<uint8_t> out;
  out.reserve(dataOffset + imageSize);
  // File header.
  PutU16(out, 0x4D42);
  PutU32(out, dataOffset + imageSize);
  PutU32(out, 0);
  PutU32(out, dataOffset);
  // Information header.
  PutU32(out, 40);
  PutS32(out, width);
  PutS32(out, height);
  PutU16(out, 1);  // planes
  PutU16(out, 8);  // bits per pixel
  PutU32(out, 0);  // uncompressed
  PutU32(out, imageSize);
  PutU32(out, 2835);  // 72 dots per inch
  PutU32(out, 2835);
  PutU32(out, 256);
  PutU32(out, 0);
  for (int i = 0; i < 256; ++i) {
    out.push_back(palette[i * 3 + 2]);
    out.push_back(palette[i * 3 + 1]);
    out.push_back(palette[i * 3]);
    out.push_back(0);
  }
  const size_t rowStart = out.size();
  out.resize(rowStart + imageSize, 0);
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* src = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
    uint8_t* dst = out.data() + rowStart + static_cast<size_t>(height - 1 - y) * stride;
    std::memcpy(dst, src, static_cast<size_t>(width));
  }
  return out;
}
