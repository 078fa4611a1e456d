#include "cutter/flc_decoder.h"

#include <algorithm>
#include <cstring>

#include "base/byte_reader.h"

namespace {
constexpr size_t kHeaderSize = 128;
constexpr size_t kChunkHeaderSize = 16;
constexpr uint16_t kFrameChunk = 0xF1FA;

enum SubChunk : int16_t {
  kColour256 = 4,
  kWordDelta = 7,
  kColour64 = 11,
  kByteDelta = 12,
  kBlack = 13,
  kByteRun = 15,
  kCopy = 16,
};

// Writes into one row of a frame, dropping what falls outside it.
class RowWriter {
 public:
  RowWriter(uint8_t* frame, int32_t width, int32_t height, int64_t y, FrameChanges& changes)
      : row_(y >= 0 && y < height ? frame + y * width : nullptr), width_(width), changes_(changes) {}
  void fill(int64_t x, uint8_t value, int64_t count) {
    clip(x, count);
    if (count > 0) changes_.fill(row_ + x, value, static_cast<size_t>(count));
  }
  void copy(int64_t x, const uint8_t* src, int64_t count) {
    int64_t from = x;
    clip(x, count);
    if (count > 0) changes_.copy(row_ + x, src + (x - from), static_cast<size_t>(count));
  }
  void set(int64_t x, uint8_t value) { fill(x, value, 1); }

 private:
  void clip(int64_t& x, int64_t& count) const {
    if (!row_) {
      count = 0;
      return;
    }
    const int64_t begin = std::max<int64_t>(x, 0);
    const int64_t end = std::min<int64_t>(x + count, width_);
    x = begin;
    count = end - begin;
  }
  uint8_t* row_;
  int64_t width_;
  FrameChanges& changes_;
};

struct Taken {
  const uint8_t* bytes;
  size_t size;
};

// Reads count bytes in place, or as many as there are (the reader then fails).
Taken TakeUpTo(ByteReader& in, size_t count) {
  const size_t got = std::min(count, in.remaining());
  const Taken taken{in.take(got), got};
  if (got < count) in.fail();
  return taken;
}
}  // namespace

bool FlcDecoder::probe(const uint8_t* data, size_t size, std::string_view) {
  if (size < kHeaderSize || LoadU16(data + 4) != magic_) return false;
  width_ = static_cast<int16_t>(LoadU16(data + 8));
  height_ = static_cast<int16_t>(LoadU16(data + 10));
  return true;
}

bool FlcDecoder::open(const uint8_t* data, size_t size) {
  if (!probe(data, size, {})) return false;
  data_ = data;
  size_ = size;
  const int32_t frames = static_cast<int16_t>(LoadU16(data + 6));
  // Every frame needs at least its 16-byte chunk header.
  if (frames < 0) {
    reason_ = ReadResult::Damaged(FilePart::Header, 6);
    return false;
  }
  if (static_cast<size_t>(frames) > (size - kHeaderSize) / kChunkHeaderSize) {
    reason_ = ReadResult::Overrun(FilePart::Header, 6, int64_t(frames) * kChunkHeaderSize,
                                  static_cast<int64_t>(size - kHeaderSize));
    return false;
  }
  if (!acceptSize(width_, height_, size)) return false;
  frameCount_ = frames;
  rewind();
  return true;
}

void FlcDecoder::rewind() {
  palette_.fill(0);
  next_ = kHeaderSize;
  knownBlack_ = true;  // frames are decoded onto a cleared frame
}

void FlcDecoder::decodeNext(uint8_t* frame) {
  ByteReader header(data_, size_);
  size_t chunkStart = next_;
  header.seek(chunkStart);
  uint32_t chunkSize = header.u32();
  const uint16_t type = header.u16();
  if (header.ok() && type != kFrameChunk) {
    // A chunk in front of the frame (a prefix chunk) is passed over once.
    if (chunkSize > size_ - chunkStart) header.fail();
    chunkStart += chunkSize;
    header.seek(chunkStart);
    chunkSize = header.u32();
    header.u16();
  }
  const uint16_t subChunks = header.u16();
  if (!header.ok()) {
    next_ = size_;
    damage(ReadResult::Truncated(static_cast<int64_t>(size_), FilePart::None));
    return;
  }
  // A chunk too small for its own header is an empty frame; stepping over the
  // header keeps every frame moving forward through the file.
  const int64_t at = static_cast<int64_t>(chunkStart);
  if (chunkSize < kChunkHeaderSize) damage(ReadResult::Damaged(FilePart::None, at));
  // Past the end: cut short when the header's file size promises more, otherwise
  // the chunk claims too much.
  if (chunkSize > size_ - chunkStart && LoadU32(data_) > size_)
    damage(ReadResult::Truncated(static_cast<int64_t>(size_), FilePart::None));
  else if (chunkSize > size_ - chunkStart)
    damage(ReadResult::Overrun(FilePart::None, at, chunkSize, static_cast<int64_t>(size_ - chunkStart)));
  const size_t chunkEnd =
      chunkStart + std::min<size_t>(std::max<size_t>(chunkSize, kChunkHeaderSize), size_ - chunkStart);
  next_ = chunkEnd;

  // The sub-chunks are read within their frame chunk, so no frame reads another
  // frame's data and decoding the whole file stays linear in its size.
  size_t subStart = chunkStart + kChunkHeaderSize;
  for (uint16_t i = 0; i < subChunks; ++i) {
    if (subStart + 6 > chunkEnd) {
      // The frame chunk ends before its last sub-chunks.
      damage(ReadResult::Damaged(FilePart::Chunk, static_cast<int64_t>(subStart)));
      return;
    }
    const uint32_t subSize = LoadU32(data_ + subStart);
    const int16_t subType = static_cast<int16_t>(LoadU16(data_ + subStart + 4));
    // A sub-chunk is read within its own size, and the next one starts where its size
    // says: writers pad chunks to even lengths, and a damaged chunk cannot eat the
    // one after it. A size that cannot be right (smaller than the header or past
    // the frame chunk) leaves the frame chunk as the limit and the next header right
    // after what the decoding read.
    const bool sizeSound = subSize >= 6 && subSize <= chunkEnd - subStart;
    if (!sizeSound) {
      damage(subSize < 6 ? ReadResult::Damaged(FilePart::Chunk, static_cast<int64_t>(subStart))
                         : ReadResult::Overrun(FilePart::Chunk, static_cast<int64_t>(subStart), subSize,
                                               static_cast<int64_t>(chunkEnd - subStart)));
    }
    ByteReader in(data_, sizeSound ? subStart + subSize : chunkEnd);
    in.seek(subStart + 6);
    switch (subType) {
      case kColour256:
        readPalette(in, false);
        break;
      case kColour64:
        readPalette(in, true);
        break;
      case kWordDelta:
        decodeWordDelta(in, frame);
        break;
      case kByteDelta:
        decodeByteDelta(in, frame);
        break;
      case kBlack:
        clearToBlack(frame);
        break;
      case kByteRun:
        decodeByteRun(in, frame);
        break;
      case kCopy:
        decodeCopy(in, frame);
        break;
      default:
        // Other chunks (postage stamp, ...) are skipped by their size; one whose
        // size cannot be right ends the frame.
        if (!sizeSound) return;
        break;
    }
    if (!in.ok()) damage(ReadResult::Damaged(FilePart::Chunk, static_cast<int64_t>(subStart)));
    if (sizeSound) {
      subStart += subSize;
    } else {
      if (!in.ok()) return;
      subStart = in.pos();
    }
  }
}

void FlcDecoder::readPalette(ByteReader& in, bool levels64) {
  const int16_t packets = in.s16();
  size_t colour = 0;
  for (int16_t p = 0; p < packets && in.ok(); ++p) {
    colour += in.u8();
    const uint8_t k = in.u8();
    const size_t count = k == 0 ? 256 : k;
    const auto [rgb, got] = TakeUpTo(in, count * 3);
    // Colours past the 256th are read but have nowhere to go.
    for (size_t c = 0; c * 3 + 2 < got; ++c) {
      const size_t index = colour + c;
      if (index >= 256) break;
      for (size_t j = 0; j < 3; ++j) {
        const uint8_t v = rgb[c * 3 + j];
        palette_[index * 3 + j] =
            !levels64 ? v : static_cast<uint8_t>(fullScale64_ ? v << 2 | v >> 4 : v << 2);
      }
    }
    colour += count;
  }
}

void FlcDecoder::clearToBlack(uint8_t* frame) {
  // A black frame on a black frame changes nothing; it is not even looked at, so
  // a file of many black frames costs no more than its chunks.
  if (knownBlack_) return;
  std::memset(frame, 0, pixelCount());
  changes_.changed = true;
  knownBlack_ = true;
}

void FlcDecoder::decodeWordDelta(ByteReader& in, uint8_t* frame) {
  knownBlack_ = false;
  int32_t lines = in.s16();
  int64_t y = 0;
  while (lines > 0 && in.ok()) {
    const uint16_t w = in.u16();
    if (!in.ok()) break;
    if ((w & 0xC000) == 0xC000) {  // skip rows
      y -= static_cast<int16_t>(w);
      continue;
    }
    if ((w & 0xC000) == 0x8000) {
      // The last pixel of an odd-width row; the packet count follows.
      RowWriter(frame, width_, height_, y, changes_).set(width_ - 1, static_cast<uint8_t>(w));
      continue;
    }
    // Otherwise w counts the packets of this line. Zero is a line without packets
    // (as after a last-pixel word when nothing else changed), and it still ends the
    // line: taking it as a skip of no rows would put every later line one row high.
    RowWriter row(frame, width_, height_, y, changes_);
    int64_t x = 0;
    for (uint16_t p = 0; p < w && in.ok(); ++p) {
      x += in.u8();
      const int8_t k = static_cast<int8_t>(in.u8());
      if (k >= 0) {
        const auto [src, got] = TakeUpTo(in, size_t(2) * k);
        row.copy(x, src, static_cast<int64_t>(got));
        x += 2 * k;
      } else {
        const uint8_t a = in.u8();
        const uint8_t b = in.u8();
        if (!in.ok()) break;
        for (int j = 0; j < -k; ++j, x += 2) {
          row.set(x, a);
          row.set(x + 1, b);
        }
      }
    }
    ++y;
    --lines;
  }
}

void FlcDecoder::decodeByteDelta(ByteReader& in, uint8_t* frame) {
  knownBlack_ = false;
  int64_t y = in.s16();
  const int16_t rows = in.s16();
  for (int16_t r = 0; r < rows && in.ok(); ++r, ++y) {
    RowWriter row(frame, width_, height_, y, changes_);
    int64_t x = 0;
    const uint8_t packets = in.u8();
    for (uint8_t p = 0; p < packets && in.ok(); ++p) {
      x += in.u8();
      const int8_t k = static_cast<int8_t>(in.u8());
      if (k >= 0) {
        const auto [src, got] = TakeUpTo(in, static_cast<size_t>(k));
        row.copy(x, src, static_cast<int64_t>(got));
        x += k;
      } else {
        const uint8_t v = in.u8();
        if (!in.ok()) break;
        row.fill(x, v, -k);
        x -= k;
      }
    }
  }
}

void FlcDecoder::decodeByteRun(ByteReader& in, uint8_t* frame) {
  knownBlack_ = false;
  for (int32_t y = 0; y < height_ && in.ok(); ++y) {
    RowWriter row(frame, width_, height_, y, changes_);
    // The packet count byte is passed over: a row of a wide picture can need more
    // than 255 packets, so writers leave it wrong and a row is decoded until full.
    in.u8();
    int64_t x = 0;
    while (x < width_ && in.ok()) {
      const int8_t k = static_cast<int8_t>(in.u8());
      if (k >= 0) {
        const uint8_t v = in.u8();
        if (!in.ok()) break;
        row.fill(x, v, k);
        x += k;
      } else {
        const auto [src, got] = TakeUpTo(in, static_cast<size_t>(-k));
        row.copy(x, src, static_cast<int64_t>(got));
        x -= k;
      }
    }
  }
}

void FlcDecoder::decodeCopy(ByteReader& in, uint8_t* frame) {
  knownBlack_ = false;
  const auto [src, got] = TakeUpTo(in, pixelCount());
  if (got > 0) changes_.copy(frame, src, got);
}
