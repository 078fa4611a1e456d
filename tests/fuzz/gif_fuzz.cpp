// The GIF reader over arbitrary bytes: it either refuses with a reason or gives
// frames of the screen's size, as many as the file's images.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "images/gif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GifMovie movie;
  std::string reason;
  if (!ReadGif(data, size, movie, reason)) {
    if (reason.empty()) std::abort();
    return 0;
  }
  GifFile file;
  if (!ParseGif(data, size, file, reason) || file.images.size() != movie.frames.size()) std::abort();
  for (const GifFrame& frame : movie.frames)
    if (frame.pixels.size() != size_t(movie.width) * size_t(movie.height)) std::abort();
  return 0;
}
