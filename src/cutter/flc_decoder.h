#pragma once
// Autodesk FLC animation (magic 0xAF12): a 128-byte header, then one frame chunk per
// frame holding palette, delta, run and copy chunks.

#include "cutter/picture_decoder.h"

class ByteReader;

class FlcDecoder : public AnimationDecoder {
 public:
  bool probe(const uint8_t* data, size_t size, std::string_view path) override;
  bool open(const uint8_t* data, size_t size) override;

 protected:
  void rewind() override;
  void decodeNext(uint8_t* frame) override;

 private:
  void readPalette(ByteReader& in, int shift);
  void decodeWordDelta(ByteReader& in, uint8_t* frame) const;
  void decodeByteDelta(ByteReader& in, uint8_t* frame) const;
  void decodeByteRun(ByteReader& in, uint8_t* frame) const;
  void decodeCopy(ByteReader& in, uint8_t* frame) const;

  size_t next_ = 0;  // file offset of the next frame chunk
};
