#pragma once
// GIF87a and GIF89a files, single pictures and animations, read by our own block
// parser and LZW decoder. Frames come out as a viewer shows them: each image drawn on
// the logical screen over what the images before left, after the disposal of the one
// before (0 and 1 keep it, 2 clears its rectangle to transparent, 3 restores what was
// under it). The input is hostile: a code past the LZW table, data that overruns or
// ends before its image is full, a cut-short block or a missing trailer refuse the
// whole file with a short English reason.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "images/image.h"

struct GifFrame {
  std::vector<Rgba> pixels;  // composed, screen size
  int32_t delayCentiseconds = 0;
};
struct GifMovie {
  int32_t width = 0, height = 0;
  std::vector<GifFrame> frames;
};
bool ReadGif(const uint8_t* data, size_t size, GifMovie& out, std::string& reason);

// One image of the file, its LZW data checked but kept coded (decoded again as it is
// drawn, so a long animation costs no more memory than its file).
struct GifImage {
  int32_t left = 0, top = 0, width = 0, height = 0;
  int disposal = 0;
  int transparent = -1;  // the index not drawn, or -1
  int32_t delayCentiseconds = 0;
  int tableSize = 0;                // entries of the colour table in effect
  std::array<Rgba, 256> colours{};  // that table (local, else global); black past its end
  int minCodeSize = 2;
  bool interlaced = false;
  std::vector<uint8_t> codes;  // the LZW data, its sub-blocks joined
};
struct GifFile {
  int32_t width = 0, height = 0;  // the logical screen
  uint8_t background = 0;         // the background colour's index
  std::vector<GifImage> images;
};
// Width and height of the logical screen; false when the data does not start like a GIF.
bool PeekGifSize(const uint8_t* data, size_t size, int32_t& width, int32_t& height);
// Every image of the file, checked down to each LZW code.
bool ParseGif(const uint8_t* data, size_t size, GifFile& out, std::string& reason);

// Draws image `index` on a screen of file.width * file.height pixels that holds what
// the image before left (cleared to Pixel{} for image 0), each index through lut.
// Pixel{} is the transparent value. Returns whether a pixel changed.
template <typename Pixel>
class GifComposer {
 public:
  bool draw(const GifFile& file, size_t index, Pixel* screen, const std::array<Pixel, 256>& lut);

 private:
  std::vector<Pixel> saved_;      // under the last image of disposal 3
  std::vector<uint8_t> indices_;  // the image being drawn, in file row order
};
