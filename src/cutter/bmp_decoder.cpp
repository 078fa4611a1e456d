#include "cutter/bmp_decoder.h"

#include <algorithm>
#include <cstring>

#include "base/byte_reader.h"

namespace {
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;  // OS/2 1.x
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kRle8 = 1;
}  // namespace

bool BmpDecoder::readHeader(const uint8_t* data, size_t size) {
  if (size < kFileHeaderSize + kCoreHeaderSize || LoadU16(data) != 0x4D42) return false;
  const uint32_t headerSize = LoadU32(data + 14);
  int64_t width = 0, height = 0;
  if (headerSize == kCoreHeaderSize) {
    // The OS/2 1.x core header: 16-bit sizes, bottom-up rows, no compression and a
    // table of 3-byte entries, one per colour of the depth.
    if (LoadU16(data + 24) != 8) {
      reason_ = ReadResult::Unsupported(FileFeature::Depth, LoadU16(data + 24), 24);
      return false;
    }
    width = LoadU16(data + 18);
    height = LoadU16(data + 20);
    entrySize_ = 3;
    colours_ = 256;
    compression_ = kUncompressed;
  } else {
    // Other headers shorter than the information header have another layout.
    if (headerSize < kInfoHeaderSize || size < kFileHeaderSize + kInfoHeaderSize) return false;
    // Other depths would be read as noise; a table of more than 256 colours cannot
    // belong to 8 bits per pixel.
    if (LoadU16(data + 28) != 8) {
      reason_ = ReadResult::Unsupported(FileFeature::Depth, LoadU16(data + 28), 28);
      return false;
    }
    colours_ = LoadU32(data + 46);
    if (colours_ == 0) colours_ = 256;
    if (colours_ > 256) {
      reason_ = ReadResult::Unsupported(FileFeature::Colours, colours_, 46);
      return false;
    }
    entrySize_ = 4;
    compression_ = LoadU32(data + 30);
    width = static_cast<int32_t>(LoadU32(data + 18));
    height = static_cast<int32_t>(LoadU32(data + 22));
  }
  tableOffset_ = kFileHeaderSize + headerSize;
  topDown_ = height < 0;
  const int64_t absWidth = width < 0 ? -width : width;
  const int64_t absHeight = height < 0 ? -height : height;
  const int64_t rounded = (absWidth + 3) & ~int64_t(3);
  // Sizes that do not fit the limits become 0 and are refused by open().
  width_ = rounded <= kMaxSide ? static_cast<int32_t>(rounded) : 0;
  height_ = absHeight <= kMaxSide ? static_cast<int32_t>(absHeight) : 0;
  return true;
}

bool BmpDecoder::probe(const uint8_t* data, size_t size, std::string_view) {
  return readHeader(data, size);
}

bool BmpDecoder::open(const uint8_t* data, size_t size) {
  if (!readHeader(data, size)) return false;
  data_ = data;
  size_ = size;
  frameCount_ = 1;
  palette_.fill(0);
  // Other compressions (bit fields, JPEG, PNG) would show as noise.
  if (compression_ != kUncompressed && compression_ != kRle8) {
    reason_ = ReadResult::Unsupported(FileFeature::Compression, compression_, 30);
    return false;
  }
  if (!acceptSize(width_, height_, size)) return false;
  // A core header's table is cut short when the pixels start inside it.
  const uint32_t dataOffset = LoadU32(data + 10);
  if (entrySize_ == 3 && dataOffset >= tableOffset_ && dataOffset < tableOffset_ + 3 * colours_)
    colours_ = static_cast<uint32_t>((dataOffset - tableOffset_) / 3);
  // The colour table must be there; without it there is nothing to show. (Summed in
  // 64 bits: a huge header size must not wrap around on a 32-bit build.)
  if (uint64_t(tableOffset_) + uint64_t(entrySize_) * colours_ <= size) return true;
  reason_ = ReadResult::Truncated(static_cast<int64_t>(size), FilePart::Palette);
  return false;
}

void BmpDecoder::decodeFrame(uint8_t* dest, int32_t index) {
  framesDecoded_ = 0;
  if (index != 0) return;
  // Entries past the table's colour count stay black.
  for (size_t i = 0; i < colours_; ++i) {
    const uint8_t* entry = data_ + tableOffset_ + i * entrySize_;
    palette_[i * 3] = entry[2];
    palette_[i * 3 + 1] = entry[1];
    palette_[i * 3 + 2] = entry[0];
  }
  // The pixels start where the file header says when that lies inside the file and
  // past the colour table; otherwise right after the colour table.
  size_t offset = tableOffset_ + entrySize_ * colours_;
  const uint32_t dataOffset = LoadU32(data_ + 10);
  if (dataOffset >= offset && dataOffset < size_) offset = dataOffset;

  if (compression_ == kRle8) {
    decodeRle8(dest, offset);
  } else {
    decodeRows(dest, offset);
  }
  framesDecoded_ = 1;
}

void BmpDecoder::decodeRows(uint8_t* dest, size_t offset) {
  const size_t rowLength = static_cast<size_t>(width_);
  const size_t rows = static_cast<size_t>(height_);
  for (size_t r = 0; r < rows; ++r) {
    const size_t start = offset + r * rowLength;
    // A short file leaves its missing rows at 0.
    if (start >= size_ || rowLength > size_ - start)
      damage(ReadResult::Truncated(static_cast<int64_t>(size_), FilePart::None));
    if (start >= size_) break;
    const size_t length = std::min(rowLength, size_ - start);
    const size_t row = topDown_ ? r : rows - 1 - r;
    std::memcpy(dest + row * rowLength, data_ + start, length);
  }
}

void BmpDecoder::decodeRle8(uint8_t* dest, size_t offset) {
  ByteReader in(data_, size_);
  in.seek(offset);
  const int64_t width = width_;
  const int64_t height = height_;
  int64_t x = 0;
  int64_t line = 0;  // counted from the first row stored in the file
  auto at = [&](int64_t column) -> uint8_t* {
    if (column < 0 || column >= width || line < 0 || line >= height) return nullptr;
    const int64_t row = topDown_ ? line : height - 1 - line;
    return dest + row * width + column;
  };
  while (in.ok() && line < height) {
    const uint8_t count = in.u8();
    const uint8_t value = in.u8();
    if (!in.ok()) break;
    if (count > 0) {
      for (int i = 0; i < count; ++i, ++x) {
        if (uint8_t* p = at(x)) *p = value;
      }
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++line;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // move right and up (down the stored order)
      x += in.u8();
      line += in.u8();
    } else {  // value literal bytes, padded to a 16-bit boundary
      for (int i = 0; i < value; ++i, ++x) {
        const uint8_t literal = in.u8();
        if (uint8_t* p = at(x)) *p = literal;
      }
      if (value & 1) in.skip(1);
    }
  }
  if (!in.ok()) damage(ReadResult::Truncated(static_cast<int64_t>(size_), FilePart::None));
}
