#pragma once
// ZSoft PCX: 8 bits per pixel in one plane, run-length coded scan lines, the
// 256-colour palette after a marker byte at the end of the file.

#include "cutter/picture_decoder.h"

class PcxDecoder : public PictureDecoder {
 public:
  bool probe(const uint8_t* data, size_t size, std::string_view path) override;
  bool open(const uint8_t* data, size_t size) override;
  void decodeFrame(uint8_t* dest, int32_t index) override;
  const char* format() const override { return "PCX"; }

 private:
  bool readHeader(const uint8_t* data, size_t size);

  int32_t bytesPerLine_ = 0;
};
