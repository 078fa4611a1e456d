#include "cutter/pcx_decoder.h"

#include <algorithm>
#include <cstring>

#include "base/byte_reader.h"

namespace {
constexpr size_t kHeaderSize = 128;
}

bool PcxDecoder::readHeader(const uint8_t* data, size_t size) {
  if (size < kHeaderSize || data[0] != 0x0A) return false;
  // Other depths and plane layouts would be read as noise.
  const uint8_t bitsPerPixel = data[3];
  const uint8_t planes = data[65];
  if (bitsPerPixel != 8) {
    reason_ = ReadResult::Unsupported(FileFeature::Depth, bitsPerPixel, 3);
    return false;
  }
  if (planes != 1) {
    reason_ = ReadResult::Unsupported(FileFeature::Planes, planes, 65);
    return false;
  }
  const int32_t xmin = static_cast<int16_t>(LoadU16(data + 4));
  const int32_t ymin = static_cast<int16_t>(LoadU16(data + 6));
  const int32_t xmax = static_cast<int16_t>(LoadU16(data + 8));
  const int32_t ymax = static_cast<int16_t>(LoadU16(data + 10));
  const int32_t imageWidth = xmax - xmin + 1;
  bytesPerLine_ = LoadU16(data + 66);
  // The stored scan line is bytesPerLine long. The picture keeps the even-rounded
  // width (the usual scan-line length) unless the scan line is shorter than that.
  width_ = std::min((imageWidth + 1) & ~1, bytesPerLine_);
  height_ = ymax - ymin + 1;
  return true;
}

bool PcxDecoder::probe(const uint8_t* data, size_t size, std::string_view) {
  return readHeader(data, size);
}

bool PcxDecoder::open(const uint8_t* data, size_t size) {
  if (!readHeader(data, size)) return false;
  data_ = data;
  size_ = size;
  frameCount_ = 1;
  palette_.fill(0);
  const int32_t imageWidth =
      static_cast<int16_t>(LoadU16(data + 8)) - static_cast<int16_t>(LoadU16(data + 4)) + 1;
  // A scan line shorter than the image cannot hold its rows.
  if (bytesPerLine_ < imageWidth) {
    reason_ = ReadResult::Damaged(FilePart::Header, 66);
    return false;
  }
  if (!acceptSize(width_, height_, size)) return false;
  // A run codes at most 63 bytes in 2, so the data cannot hold more scan bytes than
  // 32 per byte; a header that asks for more is not a PCX we can read.
  const int64_t scanBytes = int64_t(bytesPerLine_) * height_;
  if (scanBytes <= 32 * static_cast<int64_t>(size - kHeaderSize)) return true;
  reason_ = ReadResult::Truncated(static_cast<int64_t>(size), FilePart::Pixels);
  return false;
}

void PcxDecoder::decodeFrame(uint8_t* dest, int32_t index) {
  framesDecoded_ = 0;
  if (index != 0) return;
  ByteReader in(data_, size_);
  in.seek(kHeaderSize);
  const size_t lineLength = static_cast<size_t>(bytesPerLine_);
  const size_t scanTotal = lineLength * static_cast<size_t>(height_);
  const size_t rowWidth = static_cast<size_t>(width_);
  size_t pos = 0;  // position in the stream of scan-line bytes
  // Writes count copies of value at scan position pos, keeping only the columns
  // that belong to the picture.
  auto put = [&](uint8_t value, size_t count) {
    count = std::min(count, scanTotal - pos);
    while (count > 0) {
      const size_t row = pos / lineLength;
      const size_t column = pos % lineLength;
      const size_t span = std::min(count, lineLength - column);
      if (column < rowWidth) {
        std::memset(dest + row * rowWidth + column, value, std::min(span, rowWidth - column));
      }
      pos += span;
      count -= span;
    }
  };
  while (pos < scanTotal && in.remaining() > 0) {
    const uint8_t b = in.u8();
    if ((b & 0xC0) == 0xC0) {
      const uint8_t value = in.u8();
      if (!in.ok()) break;
      put(value, b & 0x3F);
    } else {
      put(b, 1);
    }
  }
  // The palette starts one byte after the image data; the marker is not examined.
  in.skip(1);
  const size_t available = std::min<size_t>(in.remaining(), 768);
  if (available > 0) std::memcpy(palette_.data(), in.take(available), available);
  // Scan lines or colours cut short by the end of the file.
  if (pos < scanTotal || available < 768)
    damage(ReadResult::Truncated(static_cast<int64_t>(size_),
                                 pos < scanTotal ? FilePart::Pixels : FilePart::Palette));
  framesDecoded_ = 1;
}
