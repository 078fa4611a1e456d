#pragma once
// An animated GIF (89a) with one global colour table: every frame covers the whole
// screen, is coded with our own LZW encoder and replaces the frame before it.

#include <cstdint>
#include <vector>

#include "images/image.h"

struct GifOutFrame {
  std::vector<uint8_t> indices;   // width * height colour-table indices, row by row
  int32_t delayCentiseconds = 0;  // 0 to 65535
};

struct GifOut {
  int32_t width = 0, height = 0;  // 1 to 65535
  std::vector<Rgba> colours;      // 1 to 256 entries (alpha ignored)
  int transparentIndex = -1;      // the index shown as see-through, or -1
  bool loop = true;               // the NETSCAPE2.0 block asking to repeat forever
  std::vector<GifOutFrame> frames;
};

// Empty when the movie cannot be a GIF (a size out of range, no colours or more than
// 256, a frame of the wrong size, an index past the table, a delay out of range).
std::vector<uint8_t> EncodeGif(const GifOut& movie);

// The LZW code stream of one image (without the minimum code size byte and without
// the sub-block framing): variable-width codes from minCodeSize + 1 bits up to 12,
// packed from the lowest bit, starting with a clear code and ending with the end code.
std::vector<uint8_t> EncodeGifLzw(const uint8_t* indices, size_t count, int minCodeSize);
