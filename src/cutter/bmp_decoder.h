#pragma once
// Windows BMP with 256 colours: uncompressed rows or RLE8. The picture keeps the
// row length rounded up to 4, so the padding of each row becomes columns.

#include "cutter/picture_decoder.h"

class BmpDecoder : public PictureDecoder {
 public:
  bool probe(const uint8_t* data, size_t size, std::string_view path) override;
  bool open(const uint8_t* data, size_t size) override;
  void decodeFrame(uint8_t* dest, int32_t index) override;

 private:
  bool readHeader(const uint8_t* data, size_t size);
  void decodeRle8(uint8_t* dest, size_t offset) const;

  uint32_t headerSize_ = 0;
  uint32_t compression_ = 0;
  bool topDown_ = false;
};
