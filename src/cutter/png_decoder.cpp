#include "cutter/png_decoder.h"

#include <cstring>

#include "images/png_reader.h"

bool PngDecoder::probe(const uint8_t* data, size_t size, std::string_view) {
  return PeekPngSize(data, size, width_, height_);
}

bool PngDecoder::open(const uint8_t* data, size_t size) {
  if (!PeekPngSize(data, size, width_, height_)) return false;
  // The size is checked before the reader allocates for it.
  if (!acceptSize(width_, height_, size)) return false;
  PngImage png;
  std::string why;
  if (!ReadPng(data, size, png, why)) {
    reason_ = ReadResult::Described(why);
    return false;
  }
  palette_.fill(0);
  if (png.indexed) {
    for (size_t i = 0; i < png.index.colours.size(); ++i)
      for (int k = 0; k < 3; ++k) palette_[3 * i + size_t(k)] = uint8_t(png.index.colours[i] >> (8 * k));
    pixels_ = std::move(png.index.pixels);
  } else {
    const PaletteBlock& target = mappingPalette();
    std::memcpy(palette_.data(), target.palette(), palette_.size());
    pixels_ = MapToPalette(png.rgba, target);
    coloursMapped_ = true;
  }
  frameCount_ = 1;
  return true;
}

void PngDecoder::decodeFrame(uint8_t* dest, int32_t index) {
  framesDecoded_ = 0;
  if (index != 0 || pixels_.size() != pixelCount()) return;
  std::memcpy(dest, pixels_.data(), pixels_.size());
  framesDecoded_ = 1;
}
