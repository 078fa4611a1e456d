#include "cutter/anm_decoder.h"

#include <algorithm>
#include <cstring>

#include "base/byte_reader.h"

namespace {
constexpr size_t kHeaderSize = 128;
constexpr size_t kPaletteOffset = 256;
constexpr size_t kPageTableOffset = 1280;
constexpr size_t kPagesOffset = 2816;
constexpr size_t kPageSize = 65536;
constexpr size_t kDescriptorSize = 8;
// The cache holds a page without its descriptor.
constexpr size_t kCacheSize = kPageSize - kDescriptorSize;
}  // namespace

bool AnmDecoder::probe(const uint8_t* data, size_t size, std::string_view) {
  if (size < kHeaderSize || std::memcmp(data + 16, "ANIM", 4) != 0) return false;
  width_ = LoadU16(data + 20);
  height_ = LoadU16(data + 22);
  return true;
}

bool AnmDecoder::open(const uint8_t* data, size_t size) {
  if (!probe(data, size, {})) return false;
  // Palette and page table must be there.
  if (size < kPagesOffset) {
    reason_ = ReadResult::Truncated(static_cast<int64_t>(size), FilePart::Header);
    return false;
  }
  data_ = data;
  size_ = size;
  pageCount_ = std::min<int>(LoadU16(data + 6), 256);
  const uint32_t records = LoadU32(data + 8);
  // Every record needs at least its two-byte entry in a page's size table, and a
  // record number is a 16-bit value.
  if (records > 65536) {
    reason_ = ReadResult::Unsupported(FileFeature::Size, records, 8);
    return false;
  }
  if (records > (size - kPagesOffset) / 2) {
    reason_ = ReadResult::Overrun(FilePart::Header, 8, int64_t(records) * 2,
                                  static_cast<int64_t>(size - kPagesOffset));
    return false;
  }
  frameCount_ = static_cast<int32_t>(records);
  if (!acceptSize(width_, height_, size)) return false;
  for (size_t i = 0; i < 256; ++i) {
    const uint8_t* entry = data + kPaletteOffset + i * 4;
    palette_[i * 3] = entry[2];
    palette_[i * 3 + 1] = entry[1];
    palette_[i * 3 + 2] = entry[0];
  }
  for (size_t p = 0; p < 256; ++p) {
    const uint8_t* entry = data + kPageTableOffset + p * 6;
    pages_[p] = {LoadU16(entry), LoadU16(entry + 2), LoadU16(entry + 4)};
  }
  rewind();
  return true;
}

void AnmDecoder::rewind() {
  nextRecord_ = 0;
  cachedPage_ = -1;
}

void AnmDecoder::decodeNext(uint8_t* frame) {
  decodeRecord(static_cast<uint16_t>(nextRecord_), frame);
  ++nextRecord_;
}

int AnmDecoder::findPage(uint16_t record) const {
  for (int p = 0; p < pageCount_; ++p) {
    const PageEntry& e = pages_[static_cast<size_t>(p)];
    if (e.firstRecord <= record && record < uint32_t(e.firstRecord) + e.recordCount) return p;
  }
  return -1;
}

bool AnmDecoder::loadPage(int page) {
  if (page == cachedPage_) return true;
  cachedPage_ = -1;
  cache_.clear();
  const size_t start = kPagesOffset + static_cast<size_t>(page) * kPageSize;
  if (start + kDescriptorSize > size_) return false;
  const uint8_t* p = data_ + start;
  cachedDescriptor_ = {LoadU16(p), LoadU16(p + 2), LoadU16(p + 4)};
  const size_t wanted = size_t(cachedDescriptor_.recordCount) * 2 + cachedDescriptor_.byteCount;
  // A page whose table and data exceed the cache is not a page of this format.
  if (wanted > kCacheSize) return false;
  // A page cut short by the end of the file keeps what is there.
  const size_t available = std::min(wanted, size_ - (start + kDescriptorSize));
  cache_.assign(p + kDescriptorSize, p + kDescriptorSize + available);
  // Record offsets, summed once per page. They are not wrapped at 16 bits: in a
  // valid page the sums stay below 64 KiB anyway, and unwrapped sums keep records
  // from overlapping, so a page is never decoded more than once over.
  recordStart_.assign(size_t(cachedDescriptor_.recordCount) + 1, 0);
  size_t offset = size_t(cachedDescriptor_.recordCount) * 2;
  for (size_t r = 0; r < cachedDescriptor_.recordCount; ++r) {
    recordStart_[r] = offset;
    offset += 2 * r + 2 <= cache_.size() ? LoadU16(cache_.data() + 2 * r) : 0;
  }
  recordStart_[cachedDescriptor_.recordCount] = offset;
  cachedPage_ = page;
  return true;
}

void AnmDecoder::decodeRecord(uint16_t record, uint8_t* frame) {
  const int page = findPage(record);
  // A record in no readable page changes nothing.
  if (page < 0 || !loadPage(page)) {
    damaged_ = true;
    return;
  }
  const PageEntry& d = cachedDescriptor_;
  if (record < d.firstRecord || record - d.firstRecord >= d.recordCount) {
    damaged_ = true;
    return;
  }
  const size_t index = record - d.firstRecord;
  const size_t start = recordStart_[index];
  // The record is read within its own size and within the cached data; an empty
  // record is a frame that changes nothing.
  if (recordStart_[index + 1] > cache_.size()) damaged_ = true;
  const size_t end = std::min(recordStart_[index + 1], cache_.size());
  if (start >= end) return;
  if (start + 4 > end) {
    damaged_ = true;
    return;
  }
  const uint8_t* rec = cache_.data() + start;
  size_t codeStart = start + 4;
  if (rec[1] != 0) {
    const uint16_t extra = LoadU16(rec + 2);
    codeStart += extra + (extra & 1);
  }
  if (codeStart > end) damaged_ = true;
  if (codeStart >= end) return;
  if (!DecodeRunSkipDump(cache_.data() + codeStart, end - codeStart, frame, pixelCount(), &changes_))
    damaged_ = true;
}

bool DecodeRunSkipDump(const uint8_t* code, size_t codeSize, uint8_t* frame, size_t pixelCount,
                       FrameChanges* changes) {
  FrameChanges untracked;
  FrameChanges& changed = changes ? *changes : untracked;
  ByteReader in(code, codeSize);
  size_t pos = 0;
  auto fill = [&](uint8_t value, size_t count) {
    count = std::min(count, pixelCount - pos);
    changed.fill(frame + pos, value, count);
    pos += count;
  };
  auto copy = [&](size_t count) {
    const size_t have = std::min(count, in.remaining());
    const uint8_t* src = in.take(have);
    const size_t kept = std::min(have, pixelCount - pos);
    if (src && kept > 0) changed.copy(frame + pos, src, kept);
    pos += kept;
    if (have < count) in.fail();
  };
  auto skip = [&](size_t count) { pos += std::min(count, pixelCount - pos); };
  while (in.remaining() > 0) {
    const uint8_t c = in.u8();
    if (c == 0) {
      const uint8_t n = in.u8();
      const uint8_t v = in.u8();
      if (!in.ok()) break;
      fill(v, n);
    } else if (c < 0x80) {
      copy(c);
    } else if (c > 0x80) {
      skip(c - 0x80u);
    } else {
      const uint16_t w = in.u16();
      if (!in.ok() || w == 0) break;
      if (w < 0x8000) {
        skip(w);
      } else if (w < 0xC000) {
        copy(w & 0x3FFFu);
      } else {
        const uint8_t v = in.u8();
        if (!in.ok()) break;
        fill(v, w & 0x3FFFu);
      }
    }
  }
  return in.ok();
}
