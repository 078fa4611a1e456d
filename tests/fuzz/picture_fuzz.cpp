// The decoding of Picture::load over arbitrary bytes: every decoder (PCX, BMP, ANM,
// FLC) is reached through the same probe order as a file opened by the user. The
// mixing table that load builds afterwards depends on the colours only, so it is
// left out to keep the fuzzer fast.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "cutter/picture.h"
#include "cutter/picture_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<PictureFrame> frames;
  std::array<uint8_t, 768> palette{};
  if (!DecodePicture(data, size, frames, palette)) return 0;
  size_t total = 0;
  for (const PictureFrame& frame : frames) {
    if (frame.pixels.size() != static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height))
      std::abort();
    total += frame.pixels.size();
  }
  // Allocation stays within what the file can justify.
  if (total > static_cast<size_t>(kMaxExpansion) * size) std::abort();
  return 0;
}
