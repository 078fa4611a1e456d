#pragma once
// Autodesk FLC animation (magic 0xAF12): a 128-byte header, then one frame chunk per
// frame holding palette, black, delta, run and copy chunks.

#include "cutter/picture_decoder.h"

class ByteReader;

class FlcDecoder : public AnimationDecoder {
 public:
  FlcDecoder() : FlcDecoder(0xAF12, false) {}
  bool probe(const uint8_t* data, size_t size, std::string_view path) override;
  bool open(const uint8_t* data, size_t size) override;
  const char* format() const override { return "FLC"; }

 protected:
  // magic: the header's magic number. fullScale64: 64-level colours become
  // v << 2 | v >> 4 (63 gives 255) rather than v << 2.
  FlcDecoder(uint16_t magic, bool fullScale64) : magic_(magic), fullScale64_(fullScale64) {}
  void rewind() override;
  void decodeNext(uint8_t* frame) override;

 private:
  // Each reads one sub-chunk's data from in; a short read leaves in failed.
  void readPalette(ByteReader& in, bool levels64);
  void decodeWordDelta(ByteReader& in, uint8_t* frame);
  void decodeByteDelta(ByteReader& in, uint8_t* frame);
  void decodeByteRun(ByteReader& in, uint8_t* frame);
  void decodeCopy(ByteReader& in, uint8_t* frame);
  void clearToBlack(uint8_t* frame);

  uint16_t magic_;
  bool fullScale64_;
  size_t next_ = 0;          // file offset of the next frame chunk
  bool knownBlack_ = false;  // every pixel of the running frame is index 0
};
