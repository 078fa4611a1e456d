#include "cutter/pcx_writer.h"

#include <algorithm>

namespace {

constexpr size_t kHeaderSize = 128;
constexpr int kMaxRun = 63;
constexpr uint8_t kRunFlag = 0xC0;
constexpr uint8_t kPaletteMarker = 0x0C;

void Put16(std::vector<uint8_t>& out, size_t at, int32_t v) {
  out[at] = static_cast<uint8_t>(v);
  out[at + 1] = static_cast<uint8_t>(v >> 8);
}

// One scan line: runs never cross it, and a single byte below 0xC0 stands alone.
void EncodeLine(std::vector<uint8_t>& out, const uint8_t* line, size_t length) {
  for (size_t i = 0; i < length;) {
    const uint8_t value = line[i];
    size_t run = 1;
    while (i + run < length && run < kMaxRun && line[i + run] == value) ++run;
    if (run > 1 || value >= kRunFlag) out.push_back(static_cast<uint8_t>(kRunFlag | run));
    out.push_back(value);
    i += run;
  }
}

}  // namespace

std::vector<uint8_t> EncodePcx(int32_t width, int32_t height, const uint8_t* pixels, const uint8_t* colours,
                               uint8_t padding) {
  if (width < 1 || height < 1 || width > kMaxPcxSide || height > kMaxPcxSide || !pixels || !colours)
    return {};
  const int32_t lineLength = (width + 1) & ~1;
  std::vector<uint8_t> out(kHeaderSize, 0);
  out[0] = 0x0A;  // manufacturer
  out[1] = 5;     // version with a 256-colour palette
  out[2] = 1;     // run-length coding
  out[3] = 8;     // bits per pixel
  Put16(out, 8, width - 1);
  Put16(out, 10, height - 1);
  Put16(out, 12, 72);  // resolution
  Put16(out, 14, 72);
  out[65] = 1;  // planes
  Put16(out, 66, lineLength);
  Put16(out, 68, 1);  // colour palette

  std::vector<uint8_t> line(static_cast<size_t>(lineLength), padding);
  for (int32_t y = 0; y < height; ++y) {
    std::copy_n(pixels + size_t(y) * size_t(width), width, line.begin());
    EncodeLine(out, line.data(), line.size());
  }
  out.push_back(kPaletteMarker);
  out.insert(out.end(), colours, colours + 768);
  return out;
}

bool WritePcx(std::ostream& out, int32_t width, int32_t height, const uint8_t* pixels, const uint8_t* colours,
              uint8_t padding) {
  const std::vector<uint8_t> bytes = EncodePcx(width, height, pixels, colours, padding);
  if (bytes.empty()) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return out.good();
}
