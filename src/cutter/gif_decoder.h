#pragma once
// GIF pictures and animations through the images library. The palette is the first
// image's colour table (entries past it black); an image with another table is
// mapped to it by the nearest colour. Screen pixels that no image has covered, or
// that a disposal cleared, are index 0.

#include <array>
#include <vector>

#include "cutter/picture_decoder.h"
#include "images/gif_reader.h"

class GifDecoder : public AnimationDecoder {
 public:
  bool probe(const uint8_t* data, size_t size, std::string_view path) override;
  bool open(const uint8_t* data, size_t size) override;
  const char* format() const override { return "GIF"; }

 protected:
  void rewind() override;
  void decodeNext(uint8_t* frame) override;

 private:
  GifFile file_;
  std::vector<std::array<uint8_t, 256>> luts_;  // per image: its indices in the palette
  GifComposer<uint8_t> composer_;
  size_t nextImage_ = 0;
};
