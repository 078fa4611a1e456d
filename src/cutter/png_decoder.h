#pragma once
// PNG pictures through the images library. An indexed picture keeps its indices and
// palette (entries past its PLTE black); any other is mapped to the mapping palette
// by the nearest colour, its fully transparent pixels to index 0.

#include <string>
#include <vector>

#include "cutter/picture_decoder.h"

class PngDecoder : public PictureDecoder {
 public:
  bool probe(const uint8_t* data, size_t size, std::string_view path) override;
  bool open(const uint8_t* data, size_t size) override;
  void decodeFrame(uint8_t* dest, int32_t index) override;
  const char* format() const override { return "PNG"; }

 private:
  std::vector<uint8_t> pixels_;
};
