#include "images/png_reader.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// A picture of more pixels than this is refused whatever the file holds.
constexpr int64_t kMaxPixels = int64_t(1) << 28;
// Deflate cannot expand one byte into more than about 1032; a size that needs more
// than this from the image data is a lie of the header.
constexpr int64_t kMaxInflateRatio = 1100;

uint32_t Be32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

// IHDR fills it in before anything reads it; zeroed where it is declared all the same.
struct Header {
  uint32_t width, height;
  int depth, colourType, interlace;
  int channels = 0;
  int bitsPerPixel() const { return depth * channels; }
  size_t rowBytes(uint32_t w) const { return (size_t(w) * size_t(bitsPerPixel()) + 7) / 8; }
};

bool ParseHeader(const uint8_t* p, Header& h, std::string& reason) {
  h.width = Be32(p);
  h.height = Be32(p + 4);
  h.depth = p[8];
  h.colourType = p[9];
  h.interlace = p[12];
  static const struct {
    int type, channels, depths;  // depths: bit set for 1, 2, 4, 8, 16
  } kTypes[] = {{0, 1, 0x1F}, {2, 3, 0x18}, {3, 1, 0x0F}, {4, 2, 0x18}, {6, 4, 0x18}};
  int depthBit = -1;
  for (int b = 0; b < 5; ++b)
    if (h.depth == (1 << b)) depthBit = b;
  for (const auto& t : kTypes)
    if (t.type == h.colourType && depthBit >= 0 && (t.depths >> depthBit & 1)) h.channels = t.channels;
  if (h.channels == 0) {
    reason = "colour type " + std::to_string(h.colourType) + " with bit depth " + std::to_string(h.depth);
    return false;
  }
  if (p[10] != 0 || p[11] != 0 || h.interlace > 1) {
    reason = "unknown compression, filter or interlace method";
    return false;
  }
  if (h.width == 0 || h.height == 0 || uint64_t(h.width) * h.height > uint64_t(kMaxPixels)) {
    reason = "picture size " + std::to_string(h.width) + " x " + std::to_string(h.height);
    return false;
  }
  return true;
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// Undoes the filters of one pass in place: rows of 1 + rowBytes bytes each.
bool Unfilter(uint8_t* data, size_t rows, size_t rowBytes, size_t bpp, std::string& reason) {
  const uint8_t* prior = nullptr;
  for (size_t y = 0; y < rows; ++y) {
    uint8_t* row = data + y * (rowBytes + 1);
    const uint8_t filter = row[0];
    uint8_t* cur = row + 1;
    switch (filter) {
      case 0:
        break;
      case 2:
        if (prior)
          for (size_t i = 0; i < rowBytes; ++i) cur[i] = uint8_t(cur[i] + prior[i]);
        break;
      case 3:
        for (size_t i = 0; i < rowBytes; ++i) {
          const int left = i >= bpp ? cur[i - bpp] : 0;
          const int up = prior ? prior[i] : 0;
          cur[i] = uint8_t(cur[i] + ((left + up) >> 1));
        }
        break;
      case 4:
        if (prior) {
          for (size_t i = 0; i < bpp; ++i) cur[i] = uint8_t(cur[i] + prior[i]);
          for (size_t i = bpp; i < rowBytes; ++i)
            cur[i] = uint8_t(cur[i] + Paeth(cur[i - bpp], prior[i], prior[i - bpp]));
          break;
        }
        // Without a row above, Paeth always picks the byte on the left: Sub.
        [[fallthrough]];
      case 1:
        for (size_t i = bpp; i < rowBytes; ++i) cur[i] = uint8_t(cur[i] + cur[i - bpp]);
        break;
      default:
        reason = "unknown filter type " + std::to_string(filter) + " in row " + std::to_string(y);
        return false;
    }
    prior = cur;
  }
  return true;
}

struct Pass {
  uint32_t x0, y0, dx, dy;
};
constexpr Pass kWhole[] = {{0, 0, 1, 1}};
constexpr Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                           {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

uint32_t PassSize(uint32_t size, uint32_t start, uint32_t step) {
  return size > start ? (size - start + step - 1) / step : 0;
}

// Turns unfiltered rows into the output, one sample layout per colour type.
class PixelWriter {
 public:
  PixelWriter(const Header& h, PngImage& out, const std::array<uint16_t, 3>& key, bool hasKey)
      : h_(h), out_(out), key_(key), hasKey_(hasKey) {}

  void row(const uint8_t* src, uint32_t count, uint32_t y, uint32_t x0, uint32_t dx) {
    const size_t base = size_t(y) * h_.width;
    if (h_.colourType == 3 || (h_.colourType == 0 && h_.depth < 8)) {
      const int depth = h_.depth;
      const int mask = (1 << depth) - 1;
      const int scale = 255 / mask;
      for (uint32_t i = 0; i < count; ++i) {
        const size_t bit = size_t(i) * depth;
        const int v = (src[bit >> 3] >> (8 - depth - (bit & 7))) & mask;
        const size_t at = base + x0 + size_t(i) * dx;
        if (h_.colourType == 3) {
          out_.index.pixels[at] = uint8_t(v);
        } else {
          const uint8_t g = uint8_t(v * scale);
          out_.rgba.pixels[at] = MakeRgba(g, g, g, hasKey_ && v == key_[0] ? 0 : 255);
        }
      }
      return;
    }
    const bool wide = h_.depth == 16;
    const int step = wide ? 2 : 1;
    const size_t pixelBytes = size_t(h_.channels) * step;
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* s = src + i * pixelBytes;
      uint16_t v[4] = {};
      uint8_t c[4];
      for (int k = 0; k < h_.channels; ++k) {
        v[k] = wide ? uint16_t((s[2 * k] << 8) | s[2 * k + 1]) : s[k];
        // 16-bit samples rounded to the nearest 8-bit level.
        c[k] = wide ? uint8_t(((v[k] + 128u) - ((v[k] + 128u) >> 8)) >> 8) : s[k];
      }
      Rgba colour;
      switch (h_.colourType) {
        case 0:
          colour = MakeRgba(c[0], c[0], c[0], hasKey_ && v[0] == key_[0] ? 0 : 255);
          break;
        case 2:
          colour = MakeRgba(c[0], c[1], c[2],
                            hasKey_ && v[0] == key_[0] && v[1] == key_[1] && v[2] == key_[2] ? 0 : 255);
          break;
        case 4:
          colour = MakeRgba(c[0], c[0], c[0], c[1]);
          break;
        default:
          colour = MakeRgba(c[0], c[1], c[2], c[3]);
          break;
      }
      out_.rgba.pixels[base + x0 + size_t(i) * dx] = colour;
    }
  }

 private:
  const Header& h_;
  PngImage& out_;
  std::array<uint16_t, 3> key_;
  bool hasKey_;
};

// One call: the whole stream into the whole picture. The stream must end exactly
// when the picture is full.
bool Inflate(const std::vector<uint8_t>& packed, std::vector<uint8_t>& raw, std::string& reason) {
  z_stream z{};
  z.next_in = const_cast<Bytef*>(packed.data());
  z.avail_in = uInt(packed.size());
  z.next_out = raw.data();
  z.avail_out = uInt(raw.size());
  // A zlib that cannot start is told as a zlib error below.
  int status = inflateInit(&z);
  if (status == Z_OK) status = inflate(&z, Z_FINISH);
  const std::string message = z.msg ? z.msg : "";
  const bool full = z.avail_out == 0;
  inflateEnd(&z);
  if (status == Z_STREAM_END && full) return true;
  if (status == Z_STREAM_END || (status == Z_BUF_ERROR && !full))
    reason = "image data ends early";
  else if (status == Z_BUF_ERROR)
    reason = "more image data than the picture holds";
  else
    reason = "zlib error: " + (message.empty() ? std::to_string(status) : message);
  return false;
}

}  // namespace

bool PeekPngSize(const uint8_t* data, size_t size, int32_t& width, int32_t& height) {
  if (size < 33 || std::memcmp(data, kSignature, 8) != 0 || std::memcmp(data + 12, "IHDR", 4) != 0)
    return false;
  const uint32_t w = Be32(data + 16), h = Be32(data + 20);
  if (w > 0x7FFFFFFFu || h > 0x7FFFFFFFu) return false;
  width = int32_t(w);
  height = int32_t(h);
  return true;
}

bool ReadPng(const uint8_t* data, size_t size, PngImage& out, std::string& reason) {
  if (size < 8 || std::memcmp(data, kSignature, 8) != 0) {
    reason = "not a PNG file";
    return false;
  }
  Header h{};
  bool haveHeader = false, ended = false, idatDone = false;
  std::vector<uint8_t> packed;
  std::vector<Rgba> palette;
  std::array<uint8_t, 256> paletteAlpha;
  paletteAlpha.fill(255);
  std::array<uint16_t, 3> key{};
  bool hasKey = false;
  size_t pos = 8;
  char lastType[5] = "";
  while (!ended) {
    if (size - pos < 12) {
      reason = pos == size ? "no IEND chunk" : "chunk header cut short at byte " + std::to_string(pos);
      return false;
    }
    const uint32_t length = Be32(data + pos);
    const uint8_t* type = data + pos + 4;
    char name[5] = {char(type[0]), char(type[1]), char(type[2]), char(type[3]), 0};
    for (int i = 0; i < 4; ++i)
      if (!((type[i] >= 'A' && type[i] <= 'Z') || (type[i] >= 'a' && type[i] <= 'z'))) {
        reason = "bad chunk name at byte " + std::to_string(pos);
        return false;
      }
    if (length > 0x7FFFFFFFu || length > size - pos - 12) {
      reason = std::string("chunk ") + name + " at byte " + std::to_string(pos) + " runs past the end";
      return false;
    }
    const uint8_t* body = data + pos + 8;
    if (uint32_t(crc32(crc32(0, type, 4), body, length)) != Be32(body + length)) {
      reason = std::string("CRC error in chunk ") + name + " at byte " + std::to_string(pos);
      return false;
    }
    const std::string chunk(name);
    if (!haveHeader && chunk != "IHDR") {
      reason = "first chunk is not IHDR";
      return false;
    }
    if (chunk == "IHDR") {
      if (haveHeader || length != 13) {
        reason = "bad IHDR chunk";
        return false;
      }
      if (!ParseHeader(body, h, reason)) return false;
      haveHeader = true;
    } else if (chunk == "PLTE") {
      if (length % 3 != 0 || length > 768 || length == 0 || !packed.empty()) {
        reason = "bad PLTE chunk";
        return false;
      }
      palette.clear();
      for (uint32_t i = 0; i < length; i += 3) palette.push_back(MakeRgba(body[i], body[i + 1], body[i + 2]));
    } else if (chunk == "tRNS") {
      if (h.colourType == 3 && length <= 256) {
        std::copy(body, body + length, paletteAlpha.begin());
      } else if ((h.colourType == 0 && length == 2) || (h.colourType == 2 && length == 6)) {
        for (uint32_t i = 0; i < length / 2; ++i) key[i] = uint16_t((body[2 * i] << 8) | body[2 * i + 1]);
        hasKey = true;
      } else if (h.colourType != 4 && h.colourType != 6) {
        reason = "bad tRNS chunk";
        return false;
      }
    } else if (chunk == "IDAT") {
      if (idatDone) {
        reason = "IDAT chunks not in one run";
        return false;
      }
      packed.insert(packed.end(), body, body + length);
    } else if (chunk == "IEND") {
      ended = true;
    } else if (!(type[0] & 0x20)) {
      reason = "unknown critical chunk " + chunk;
      return false;
    }
    if (std::strcmp(lastType, "IDAT") == 0 && chunk != "IDAT") idatDone = true;
    std::memcpy(lastType, name, 5);
    pos += size_t(length) + 12;
  }
  if (pos != size) {
    reason = std::to_string(size - pos) + " bytes after IEND";
    return false;
  }
  if (packed.empty()) {
    reason = "no IDAT chunk";
    return false;
  }
  if (h.colourType == 3 && palette.empty()) {
    reason = "indexed picture without PLTE";
    return false;
  }

  const Pass* passes = h.interlace ? kAdam7 : kWhole;
  const int passCount = h.interlace ? 7 : 1;
  size_t rawSize = 0;
  for (int p = 0; p < passCount; ++p) {
    const uint32_t pw = PassSize(h.width, passes[p].x0, passes[p].dx);
    const uint32_t ph = PassSize(h.height, passes[p].y0, passes[p].dy);
    if (pw && ph) rawSize += size_t(ph) * (h.rowBytes(pw) + 1);
  }
  if (packed.size() > 0xFFFFFFFFu ||
      double(rawSize) > double(kMaxInflateRatio) * double(packed.size()) + 1024.0) {
    reason = "image data too short for a " + std::to_string(h.width) + " x " + std::to_string(h.height) +
             " picture";
    return false;
  }
  std::vector<uint8_t> raw(rawSize);
  if (!Inflate(packed, raw, reason)) return false;
  packed = {};

  PngImage result;
  result.indexed = h.colourType == 3;
  const size_t pixels = size_t(h.width) * h.height;
  if (result.indexed) {
    result.index.width = int32_t(h.width);
    result.index.height = int32_t(h.height);
    result.index.pixels.resize(pixels);
    for (size_t i = 0; i < palette.size(); ++i)
      palette[i] = (palette[i] & 0xFFFFFFu) | (Rgba(paletteAlpha[i]) << 24);
    result.index.colours = palette;
  } else {
    result.rgba.width = int32_t(h.width);
    result.rgba.height = int32_t(h.height);
    result.rgba.pixels.resize(pixels);
  }
  PixelWriter writer(h, result, key, hasKey);
  const size_t bpp = std::max(1, h.bitsPerPixel() / 8);
  uint8_t* at = raw.data();
  for (int p = 0; p < passCount; ++p) {
    const uint32_t pw = PassSize(h.width, passes[p].x0, passes[p].dx);
    const uint32_t ph = PassSize(h.height, passes[p].y0, passes[p].dy);
    if (!pw || !ph) continue;
    const size_t rowBytes = h.rowBytes(pw);
    if (!Unfilter(at, ph, rowBytes, bpp, reason)) return false;
    for (uint32_t y = 0; y < ph; ++y)
      writer.row(at + y * (rowBytes + 1) + 1, pw, passes[p].y0 + y * passes[p].dy, passes[p].x0,
                 passes[p].dx);
    at += ph * (rowBytes + 1);
  }
  out = std::move(result);
  return true;
}
