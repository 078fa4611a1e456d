#pragma once
// Windows and OS/2 BMP with 8 bits per pixel: uncompressed rows or RLE8, a colour
// table of up to 256 entries. The picture keeps the row length rounded up to 4, so
// the padding of each row becomes columns.

#include "cutter/picture_decoder.h"

class BmpDecoder : public PictureDecoder {
 public:
  bool probe(const uint8_t* data, size_t size, std::string_view path) override;
  bool open(const uint8_t* data, size_t size) override;
  void decodeFrame(uint8_t* dest, int32_t index) override;
  const char* format() const override { return "BMP"; }

 private:
  bool readHeader(const uint8_t* data, size_t size);
  void decodeRows(uint8_t* dest, size_t offset);
  void decodeRle8(uint8_t* dest, size_t offset);

  size_t tableOffset_ = 0;
  size_t entrySize_ = 4;  // 3 in the OS/2 1.x core header
  uint32_t colours_ = 0;  // entries in the colour table
  uint32_t compression_ = 0;
  bool topDown_ = false;
};
