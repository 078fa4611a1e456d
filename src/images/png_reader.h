#pragma once
// PNG files of every colour type and bit depth, interlaced or not, read by our own
// chunk, filter and interlace code over zlib's inflate. The input is hostile: a bad
// CRC, a zlib error, a missing IEND, bytes after it or a size the image data cannot
// justify refuse the whole file with a short English reason.

#include <cstddef>
#include <cstdint>
#include <string>

#include "images/image.h"

struct PngImage {
  bool indexed = false;  // colour type 3: `index` holds the indices and the PLTE colours
                         // (tRNS alpha in the colours' alpha byte); indices past the
                         // colours are black
  IndexedImage index;
  RgbaImage rgba;  // grey, grey+alpha, RGB, RGBA (16-bit samples reduced to 8)
};

// Width and height from the signature and IHDR alone; false when the data does not
// start like a PNG.
bool PeekPngSize(const uint8_t* data, size_t size, int32_t& width, int32_t& height);

// False with a short English reason (e.g. "CRC error in chunk IDAT at byte 57").
bool ReadPng(const uint8_t* data, size_t size, PngImage& out, std::string& reason);
