// The decoding of Picture::load over arbitrary bytes: every decoder (PCX, BMP, ANM,
// FLC, FLI) is reached through the same probe order as a file opened by the user.
// The mixing table that load builds afterwards depends on the colours only, so it is
// left out to keep the fuzzer fast.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "cutter/picture.h"
#include "cutter/decode_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DecodedPicture picture, counted;
  const bool read = DecodePicture(data, size, picture);
  // Counting the frames without keeping them (plyktool info) comes to the same.
  if (DecodePicture(data, size, counted, false) != read) std::abort();
  if (!read) return 0;
  if (counted.frameCount != picture.frameCount || counted.distinctFrames != picture.distinctFrames ||
      counted.damagedFrames != picture.damagedFrames || counted.palette != picture.palette)
    std::abort();
  int64_t held = 0;
  for (size_t i = 0; i < picture.frames.size(); ++i) {
    const PictureFrame& frame = picture.frames[i];
    const size_t pixels = static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height);
    if (frame.pixels.size() != pixels) std::abort();
    // One frame must be justified by the file unless it is small.
    if (static_cast<int64_t>(pixels) > std::max<int64_t>(kFreeFramePixels, kMaxExpansion * int64_t(size)))
      std::abort();
    if (i == 0 || !frame.pixels.sharesBufferWith(picture.frames[i - 1].pixels)) held += int64_t(pixels);
  }
  // Held frames share their buffer, and all the frames together stay under the cap.
  if (held > kMaxHeldPixels) std::abort();
  for (int32_t damaged : picture.damagedFrames)
    if (damaged < 0 || static_cast<size_t>(damaged) >= picture.frames.size()) std::abort();
  return 0;
}
