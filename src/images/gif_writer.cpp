#include "images/gif_writer.h"

#include <algorithm>

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;

class BitPacker {
 public:
  explicit BitPacker(std::vector<uint8_t>& out) : out_(out) {}
  void put(uint32_t code, int bits) {
    acc_ |= code << fill_;
    fill_ += bits;
    while (fill_ >= 8) {
      out_.push_back(static_cast<uint8_t>(acc_));
      acc_ >>= 8;
      fill_ -= 8;
    }
  }
  // The last bits, once all codes are in.
  void flush() {
    if (fill_ > 0) out_.push_back(static_cast<uint8_t>(acc_));
  }

 private:
  std::vector<uint8_t>& out_;
  uint32_t acc_ = 0;
  int fill_ = 0;
};

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

// The smallest LZW minimum code size (2 to 8) whose alphabet holds every index.
int MinCodeSize(size_t colourCount) {
  int bits = 2;
  while ((size_t(1) << bits) < colourCount) ++bits;
  return bits;
}

}  // namespace

std::vector<uint8_t> EncodeGifLzw(const uint8_t* indices, size_t count, int minCodeSize) {
  std::vector<uint8_t> out;
  BitPacker bits(out);
  const uint32_t clear = 1u << minCodeSize, end = clear + 1;
  // The string table as a trie: child[code * 256 + byte] is the code of the string
  // `code` followed by `byte`, 0 when absent (code 0 is never a child: it is a root).
  std::vector<uint16_t> child(size_t(kMaxCodes) * 256, 0);
  std::vector<uint32_t> used;  // the slots to reset at a clear code
  used.reserve(kMaxCodes);
  uint32_t next = end + 1;
  int width = minCodeSize + 1;
  bits.put(clear, width);
  if (count == 0) {
    bits.put(end, width);
    bits.flush();
    return out;
  }
  uint32_t prefix = indices[0];
  for (size_t i = 1; i < count; ++i) {
    const uint8_t c = indices[i];
    const size_t slot = size_t(prefix) * 256 + c;
    if (child[slot] != 0) {
      prefix = child[slot];
      continue;
    }
    bits.put(prefix, width);
    if (next < kMaxCodes) {
      child[slot] = static_cast<uint16_t>(next);
      used.push_back(static_cast<uint32_t>(slot));
      // The decoder widens its codes once the table reaches the next power of two.
      if (next == (1u << width) && width < kMaxCodeBits) ++width;
      ++next;
    } else {
      // Table full: start afresh, which keeps the code stream small on long images.
      bits.put(clear, width);
      for (uint32_t s : used) child[s] = 0;
      used.clear();
      next = end + 1;
      width = minCodeSize + 1;
    }
    prefix = c;
  }
  bits.put(prefix, width);
  // The decoder adds one more entry after this code; it may widen before the end code.
  if (next < kMaxCodes && next == (1u << width) && width < kMaxCodeBits) ++width;
  bits.put(end, width);
  bits.flush();
  return out;
}

std::vector<uint8_t> EncodeGif(const GifOut& movie) {
  const size_t colourCount = movie.colours.size();
  if (movie.width < 1 || movie.width > 65535 || movie.height < 1 || movie.height > 65535) return {};
  if (colourCount < 1 || colourCount > 256) return {};
  if (movie.transparentIndex >= static_cast<int>(colourCount)) return {};
  const size_t area = size_t(movie.width) * size_t(movie.height);
  for (const GifOutFrame& frame : movie.frames) {
    if (frame.indices.size() != area || frame.delayCentiseconds < 0 || frame.delayCentiseconds > 65535)
      return {};
    if (*std::max_element(frame.indices.begin(), frame.indices.end()) >= colourCount) return {};
  }

  int sizeBits = 1;  // the table holds 2^sizeBits colours, the field stores sizeBits - 1
  while ((size_t(1) << sizeBits) < colourCount) ++sizeBits;
  const int tableBits = sizeBits - 1;
  const size_t tableSize = size_t(1) << sizeBits;
  std::vector<uint8_t> out;
  out.insert(out.end(), {'G', 'I', 'F', '8', '9', 'a'});
  Put16(out, static_cast<uint32_t>(movie.width));
  Put16(out, static_cast<uint32_t>(movie.height));
  out.push_back(static_cast<uint8_t>(0x80 | (7 << 4) | tableBits));  // global table, 8-bit colour
  out.push_back(0);                                                  // background colour index
  out.push_back(0);                                                  // no aspect ratio
  for (size_t i = 0; i < tableSize; ++i) {
    const Rgba c = i < colourCount ? movie.colours[i] : 0;
    out.insert(out.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
  }
  if (movie.loop) {
    out.insert(out.end(),
               {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0});
  }
  const int minCodeSize = MinCodeSize(colourCount);
  for (const GifOutFrame& frame : movie.frames) {
    // Graphic control: each frame replaces the whole screen ("restore to background"
    // would flash with a transparent colour; "do not dispose" keeps nothing visible
    // since every frame covers the screen).
    const bool transparent = movie.transparentIndex >= 0;
    const uint8_t disposal = transparent ? 2 : 1;
    out.insert(out.end(), {0x21, 0xF9, 4, static_cast<uint8_t>((disposal << 2) | (transparent ? 1 : 0))});
    Put16(out, static_cast<uint32_t>(frame.delayCentiseconds));
    out.push_back(static_cast<uint8_t>(transparent ? movie.transparentIndex : 0));
    out.push_back(0);
    // Image descriptor: the whole screen, no local table, not interlaced.
    out.push_back(0x2C);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<uint32_t>(movie.width));
    Put16(out, static_cast<uint32_t>(movie.height));
    out.push_back(0);
    out.push_back(static_cast<uint8_t>(minCodeSize));
    const std::vector<uint8_t> code = EncodeGifLzw(frame.indices.data(), frame.indices.size(), minCodeSize);
    for (size_t at = 0; at < code.size(); at += 255) {
      const size_t n = std::min<size_t>(255, code.size() - at);
      out.push_back(static_cast<uint8_t>(n));
      out.insert(out.end(), code.begin() + static_cast<long>(at), code.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);
  }
  out.push_back(0x3B);
  return out;
}
