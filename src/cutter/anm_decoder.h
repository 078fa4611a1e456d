#pragma once
// Deluxe Paint large-page animation (LPF "ANIM"): up to 256 large pages of at most
// 64 KiB, each holding a table of record sizes and the records; record r is frame r,
// coded as a delta of frame r - 1 with run/skip/dump codes.

#include <array>

#include "cutter/picture_decoder.h"

class AnmDecoder : public AnimationDecoder {
 public:
  bool probe(const uint8_t* data, size_t size, std::string_view path) override;
  bool open(const uint8_t* data, size_t size) override;
  const char* format() const override { return "ANM"; }

 protected:
  void rewind() override;
  void decodeNext(uint8_t* frame) override;

 private:
  struct PageEntry {
    uint16_t firstRecord = 0;
    uint16_t recordCount = 0;
    uint16_t byteCount = 0;
  };
  // Index of the page whose table entry holds record, or -1.
  int findPage(uint16_t record) const;
  bool loadPage(int page);
  void decodeRecord(uint16_t record, uint8_t* frame);

  std::array<PageEntry, 256> pages_{};
  int pageCount_ = 0;
  int32_t nextRecord_ = 0;
  int cachedPage_ = -1;
  PageEntry cachedDescriptor_;
  std::vector<uint8_t> cache_;       // the cached page's size table and record data
  std::vector<size_t> recordStart_;  // per record of the cached page, its offset in cache_
};

// Run/skip/dump coding onto a frame of pixelCount bytes. Writes and skips stop at the
// end of the frame; reading stops at the end of the code. False when the code ends
// in the middle of a run or copy. Changes are noted in changes when given.
bool DecodeRunSkipDump(const uint8_t* code, size_t codeSize, uint8_t* frame, size_t pixelCount,
                       FrameChanges* changes = nullptr);
