#include "images/gif_reader.h"

#include <algorithm>
#include <cstring>

#include "base/byte_reader.h"

namespace {

// LZW codes are at most 12 bits wide.
constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;

// One byte of LZW data cannot give more pixels than this, so a large screen that
// needs more from the whole file is a lie of its descriptor. (An image's own data is
// decoded in full before it is taken.)
constexpr int64_t kMaxPixelsPerByte = 4096;
// A screen (or all images together) of this many pixels needs no justification.
constexpr int64_t kFreePixels = int64_t(2) << 20;
constexpr int64_t kMaxTotalPixels = int64_t(1) << 28;

std::string At(size_t pos) {
  return " at byte " + std::to_string(pos);
}

// The sub-blocks starting at r's position, joined; false when they run past the end.
bool ReadSubBlocks(ByteReader& r, std::vector<uint8_t>* joined) {
  for (;;) {
    const uint8_t n = r.u8();
    if (!r.ok()) return false;
    if (n == 0) return true;
    const uint8_t* p = r.take(n);
    if (!p) return false;
    if (joined) joined->insert(joined->end(), p, p + n);
  }
}

bool ReadTable(ByteReader& r, int entries, std::array<Rgba, 256>& table) {
  table.fill(MakeRgba(0, 0, 0));
  const uint8_t* p = r.take(size_t(entries) * 3);
  if (!p) return false;
  for (int i = 0; i < entries; ++i) table[size_t(i)] = MakeRgba(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
  return true;
}

// The LZW code stream into out (total pixels), which it must fill exactly; with out
// null the codes are only checked.
bool DecodeLzw(const std::vector<uint8_t>& data, int minCodeSize, uint8_t* out, size_t total,
               std::string& reason) {
  uint16_t prefix[kMaxCodes];
  uint8_t suffix[kMaxCodes], first[kMaxCodes];
  uint16_t length[kMaxCodes];
  const int clear = 1 << minCodeSize, end = clear + 1;
  for (int i = 0; i < clear; ++i) {
    prefix[i] = 0;
    suffix[i] = first[i] = uint8_t(i);
    length[i] = 1;
  }
  int next = clear + 2, width = minCodeSize + 1, prev = -1;
  size_t bitPos = 0, pos = 0;
  const size_t bits = data.size() * 8;
  while (pos < total) {
    if (bitPos + size_t(width) > bits) {
      reason = "LZW data ends before the image is full";
      return false;
    }
    // Up to 12 bits spread over at most three bytes.
    const size_t byte = bitPos >> 3;
    uint32_t word = data[byte];
    if (byte + 1 < data.size()) word |= uint32_t(data[byte + 1]) << 8;
    if (byte + 2 < data.size()) word |= uint32_t(data[byte + 2]) << 16;
    const int code = int((word >> (bitPos & 7)) & ((1u << width) - 1));
    bitPos += size_t(width);
    if (code == clear) {
      next = clear + 2;
      width = minCodeSize + 1;
      prev = -1;
      continue;
    }
    if (code == end) {
      reason = "LZW end code before the image is full";
      return false;
    }
    if (prev < 0 ? code >= clear : code > next || (code == next && next >= kMaxCodes)) {
      reason = "LZW code " + std::to_string(code) + " past the table of " + std::to_string(next);
      return false;
    }
    // A code one past the table is the previous string and its own first byte.
    const int emit = prev >= 0 && code == next ? prev : code;
    const size_t len = size_t(length[emit]) + (emit != code ? 1 : 0);
    if (len > total - pos) {
      reason = "LZW data runs past the image";
      return false;
    }
    if (out) {
      if (emit != code) out[pos + len - 1] = first[prev];
      size_t at = pos + length[emit];
      for (int c = emit; at > pos; c = prefix[c]) out[--at] = suffix[c];
    }
    if (prev >= 0 && next < kMaxCodes) {
      prefix[next] = uint16_t(prev);
      suffix[next] = first[emit];
      first[next] = first[prev];
      length[next] = uint16_t(length[prev] + 1);
      ++next;
      if (next == (1 << width) && width < kMaxCodeBits) ++width;
    }
    pos += len;
    prev = code;
  }
  return true;
}

// Where picture row y lies among the rows as stored: interlaced images store every
// eighth row from 0, every eighth from 4, every fourth from 2, then the odd rows.
int32_t FileRow(int32_t y, int32_t height, bool interlaced) {
  if (!interlaced) return y;
  const int32_t pass1 = (height + 7) / 8, pass2 = (height + 3) / 8, pass3 = (height + 1) / 4;
  if (y % 8 == 0) return y / 8;
  if (y % 8 == 4) return pass1 + y / 8;
  if (y % 4 == 2) return pass1 + pass2 + y / 4;
  return pass1 + pass2 + pass3 + y / 2;
}

}  // namespace

bool PeekGifSize(const uint8_t* data, size_t size, int32_t& width, int32_t& height) {
  if (size < 13 || (std::memcmp(data, "GIF87a", 6) != 0 && std::memcmp(data, "GIF89a", 6) != 0)) return false;
  width = data[6] | data[7] << 8;
  height = data[8] | data[9] << 8;
  return true;
}

bool ParseGif(const uint8_t* data, size_t size, GifFile& out, std::string& reason) {
  GifFile file;
  if (!PeekGifSize(data, size, file.width, file.height)) {
    reason = "not a GIF file";
    return false;
  }
  const int64_t screen = int64_t(file.width) * file.height;
  if (screen == 0 || (screen > kFreePixels && screen > kMaxPixelsPerByte * int64_t(size))) {
    reason = "screen size " + std::to_string(file.width) + " x " + std::to_string(file.height);
    return false;
  }
  ByteReader r(data, size);
  r.skip(10);
  const uint8_t flags = r.u8();
  file.background = r.u8();
  r.skip(1);
  std::array<Rgba, 256> global{};
  const int globalSize = flags & 0x80 ? 2 << (flags & 7) : 0;
  if (!ReadTable(r, globalSize, global)) {
    reason = "colour table cut short";
    return false;
  }
  GifImage pending;  // carries the control extension to the next image
  int64_t totalPixels = 0;
  for (;;) {
    const size_t blockAt = r.pos();
    const uint8_t kind = r.u8();
    if (!r.ok()) {
      reason = "no trailer";
      return false;
    }
    if (kind == 0x3B) break;
    if (kind == 0x21) {
      const uint8_t label = r.u8();
      std::vector<uint8_t> body;
      if (!ReadSubBlocks(r, &body)) {
        reason = "extension cut short" + At(blockAt);
        return false;
      }
      // Only the graphic control extension matters; looping, comments and the rest
      // are passed over.
      if (label == 0xF9 && body.size() >= 4) {
        pending.disposal = (body[0] >> 2) & 7;
        pending.delayCentiseconds = body[1] | body[2] << 8;
        pending.transparent = body[0] & 1 ? body[3] : -1;
      }
      continue;
    }
    if (kind != 0x2C) {
      reason = "unknown block " + std::to_string(kind) + At(blockAt);
      return false;
    }
    GifImage image = pending;
    pending = GifImage{};
    image.left = r.u16();
    image.top = r.u16();
    image.width = r.u16();
    image.height = r.u16();
    const uint8_t imageFlags = r.u8();
    image.tableSize = imageFlags & 0x80 ? 2 << (imageFlags & 7) : globalSize;
    if (!(imageFlags & 0x80))
      image.colours = global;
    else if (!ReadTable(r, image.tableSize, image.colours)) {
      reason = "colour table cut short" + At(blockAt);
      return false;
    }
    const int minCodeSize = r.u8();
    std::vector<uint8_t> codes;
    if (!r.ok() || !ReadSubBlocks(r, &codes)) {
      reason = "image data cut short" + At(blockAt);
      return false;
    }
    if (minCodeSize < 1 || minCodeSize > 8) {
      reason = "LZW code size " + std::to_string(minCodeSize) + At(blockAt);
      return false;
    }
    const int64_t pixels = int64_t(image.width) * image.height;
    totalPixels += pixels;
    if (totalPixels > kMaxTotalPixels) {
      reason = "image of " + std::to_string(image.width) + " x " + std::to_string(image.height) +
               " too large" + At(blockAt);
      return false;
    }
    if (!DecodeLzw(codes, minCodeSize, nullptr, size_t(pixels), reason)) {
      reason += At(blockAt);
      return false;
    }
    image.minCodeSize = minCodeSize;
    image.interlaced = imageFlags & 0x40;
    image.codes = std::move(codes);
    file.images.push_back(std::move(image));
  }
  if (file.images.empty()) {
    reason = "no image";
    return false;
  }
  out = std::move(file);
  return true;
}

template <typename Pixel>
bool GifComposer<Pixel>::draw(const GifFile& file, size_t index, Pixel* screen,
                              const std::array<Pixel, 256>& lut) {
  const size_t sw = size_t(file.width);
  bool changed = false;
  // The rectangle of an image clipped to the screen.
  struct Box {
    int32_t x0, y0, x1, y1;
  };
  auto clip = [&](const GifImage& im) {
    return Box{std::min(im.left, file.width), std::min(im.top, file.height),
               std::min(im.left + im.width, file.width), std::min(im.top + im.height, file.height)};
  };
  if (index > 0) {
    const GifImage& before = file.images[index - 1];
    const Box b = clip(before);
    const size_t w = size_t(b.x1 - b.x0);
    for (int32_t y = b.y0; y < b.y1 && w > 0; ++y) {
      Pixel* row = screen + size_t(y) * sw + size_t(b.x0);
      if (before.disposal == 2) {
        for (size_t x = 0; x < w; ++x) changed |= row[x] != Pixel{};
        std::fill(row, row + w, Pixel{});
      } else if (before.disposal == 3 && saved_.size() == w * size_t(b.y1 - b.y0)) {
        const Pixel* from = &saved_[size_t(y - b.y0) * w];
        changed |= !std::equal(row, row + w, from);
        std::copy(from, from + w, row);
      }
    }
  }
  const GifImage& im = file.images[index];
  const Box b = clip(im);
  const size_t w = size_t(b.x1 - b.x0);
  // Under the first image lies the background colour, as common viewers have it.
  if (im.disposal == 3) saved_.assign(w * size_t(b.y1 - b.y0), lut[file.background]);
  if (im.disposal == 3 && index > 0) {
    for (int32_t y = b.y0; y < b.y1 && w > 0; ++y) {
      const Pixel* row = screen + size_t(y) * sw + size_t(b.x0);
      std::copy(row, row + w, &saved_[size_t(y - b.y0) * w]);
    }
  }
  indices_.resize(size_t(im.width) * size_t(im.height));
  std::string unused;  // the codes were checked when the file was parsed
  DecodeLzw(im.codes, im.minCodeSize, indices_.data(), indices_.size(), unused);
  for (int32_t y = b.y0; y < b.y1; ++y) {
    Pixel* row = screen + size_t(y) * sw + size_t(b.x0);
    const uint8_t* src =
        indices_.data() + size_t(FileRow(y - im.top, im.height, im.interlaced)) * size_t(im.width);
    if (im.transparent < 0) {
      for (size_t x = 0; x < w; ++x) {
        changed |= row[x] != lut[src[x]];
        row[x] = lut[src[x]];
      }
    } else {
      for (size_t x = 0; x < w; ++x)
        if (src[x] != im.transparent) {
          changed |= row[x] != lut[src[x]];
          row[x] = lut[src[x]];
        }
    }
  }
  return changed;
}

template class GifComposer<Rgba>;
template class GifComposer<uint8_t>;

bool ReadGif(const uint8_t* data, size_t size, GifMovie& out, std::string& reason) {
  GifFile file;
  if (!ParseGif(data, size, file, reason)) return false;
  const size_t pixels = size_t(file.width) * size_t(file.height);
  if (int64_t(pixels) * int64_t(file.images.size()) > kMaxTotalPixels) {
    reason = "animation of " + std::to_string(file.images.size()) + " frames too large";
    return false;
  }
  GifMovie movie;
  movie.width = file.width;
  movie.height = file.height;
  std::vector<Rgba> screen(pixels, 0);
  GifComposer<Rgba> composer;
  for (size_t i = 0; i < file.images.size(); ++i) {
    composer.draw(file, i, screen.data(), file.images[i].colours);
    movie.frames.push_back({screen, file.images[i].delayCentiseconds});
  }
  out = std::move(movie);
  return true;
}
