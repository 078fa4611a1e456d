// The PNG reader over arbitrary bytes: it either refuses with a reason or gives a
// picture whose pixels fill its size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "images/png_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PngImage png;
  std::string reason;
  if (!ReadPng(data, size, png, reason)) {
    if (reason.empty()) std::abort();
    return 0;
  }
  const IndexedImage& i = png.index;
  const RgbaImage& r = png.rgba;
  if (png.indexed ? i.pixels.size() != size_t(i.width) * size_t(i.height) || i.colours.size() > 256
                  : r.pixels.size() != size_t(r.width) * size_t(r.height))
    std::abort();
  return 0;
}
