#include "pcf_font.h"

#include <zlib.h>

#include <algorithm>

namespace {

enum : uint32_t {
  kAccelerators = 1u << 1,
  kMetrics = 1u << 2,
  kBitmaps = 1u << 3,
  kEncodings = 1u << 5,
  kBdfAccelerators = 1u << 8,
};
constexpr uint32_t kByteMsbFirst = 1u << 2;
constexpr uint32_t kBitMsbFirst = 1u << 3;
constexpr uint32_t kCompressedMetrics = 0x100;

// Reads integers of one table in the table's own byte order; any read past the end
// of the file sets the error and yields 0.
class TableReader {
 public:
  TableReader(const std::vector<uint8_t>& data, size_t offset) : data_(data), pos_(offset) {}
  void setMsbFirst(bool msb) { msb_ = msb; }
  uint32_t u32le() {
    if (!need(4)) return 0;
    const uint8_t* p = &data_[pos_];
    pos_ += 4;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  }
  int32_t s32() {
    if (!need(4)) return 0;
    const uint8_t* p = &data_[pos_];
    pos_ += 4;
    const uint32_t v = msb_ ? uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]
                            : uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    return static_cast<int32_t>(v);
  }
  int16_t s16() {
    if (!need(2)) return 0;
    const uint8_t* p = &data_[pos_];
    pos_ += 2;
    return static_cast<int16_t>(msb_ ? p[0] << 8 | p[1] : p[1] << 8 | p[0]);
  }
  uint8_t u8() {
    if (!need(1)) return 0;
    return data_[pos_++];
  }
  size_t pos() const { return pos_; }
  bool ok() const { return ok_; }

 private:
  bool need(size_t n) {
    if (!ok_ || pos_ > data_.size() || data_.size() - pos_ < n) {
      ok_ = false;
      return false;
    }
    return true;
  }
  const std::vector<uint8_t>& data_;
  size_t pos_;
  bool msb_ = false;
  bool ok_ = true;
};

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
  gzFile f = gzopen(path.c_str(), "rb");  // reads plain files unchanged
  if (!f) return false;
  uint8_t buffer[65536];
  int n;
  while ((n = gzread(f, buffer, sizeof buffer)) > 0) {
    out.insert(out.end(), buffer, buffer + n);
    if (out.size() > (size_t(64) << 20)) break;
  }
  const bool ok = n == 0;
  gzclose(f);
  return ok;
}

struct Table {
  uint32_t type, format, size, offset;
};

}  // namespace

const PcfGlyph* PcfFont::find(int code) const {
  const int b1 = code >> 8, b2 = code & 0xFF;
  if (b1 < minByte1 || b1 > maxByte1 || b2 < minByte2 || b2 > maxByte2) return nullptr;
  const size_t i = static_cast<size_t>((b1 - minByte1) * (maxByte2 - minByte2 + 1) + (b2 - minByte2));
  if (i >= encoding.size() || encoding[i] < 0 || static_cast<size_t>(encoding[i]) >= glyphs.size())
    return nullptr;
  return &glyphs[static_cast<size_t>(encoding[i])];
}

bool ReadPcfFont(const std::string& path, PcfFont& font, std::string& error) {
  std::vector<uint8_t> data;
  if (!ReadWholeFile(path, data)) {
    error = "cannot read " + path;
    return false;
  }
  if (data.size() < 8 || data[0] != 1 || data[1] != 'f' || data[2] != 'c' || data[3] != 'p') {
    error = path + " is not a PCF font";
    return false;
  }
  TableReader header(data, 4);
  const uint32_t count = header.u32le();
  std::vector<Table> tables;
  for (uint32_t i = 0; i < count && header.ok() && i < 64; ++i) {
    Table t{header.u32le(), header.u32le(), header.u32le(), header.u32le()};
    tables.push_back(t);
  }
  auto find = [&](uint32_t type) -> const Table* {
    for (const Table& t : tables) {
      if (t.type == type) return &t;
    }
    return nullptr;
  };
  const Table* metrics = find(kMetrics);
  const Table* bitmaps = find(kBitmaps);
  const Table* encodings = find(kEncodings);
  const Table* accel = find(kBdfAccelerators) ? find(kBdfAccelerators) : find(kAccelerators);
  if (!header.ok() || !metrics || !bitmaps || !encodings || !accel) {
    error = path + ": missing PCF tables";
    return false;
  }

  // Accelerators: the font's ascent and descent.
  {
    TableReader r(data, accel->offset);
    const uint32_t format = r.u32le();
    r.setMsbFirst(format & kByteMsbFirst);
    for (int i = 0; i < 8; ++i) r.u8();
    font.fontAscent = r.s32();
    font.fontDescent = r.s32();
    if (!r.ok()) {
      error = path + ": short accelerator table";
      return false;
    }
  }

  // Metrics.
  {
    TableReader r(data, metrics->offset);
    const uint32_t format = r.u32le();
    r.setMsbFirst(format & kByteMsbFirst);
    const bool compressed = format & kCompressedMetrics;
    const int n = compressed ? r.s16() : r.s32();
    if (n < 0 || n > 100000) {
      error = path + ": bad glyph count";
      return false;
    }
    font.glyphs.resize(static_cast<size_t>(n));
    for (PcfGlyph& g : font.glyphs) {
      if (compressed) {
        g.leftBearing = r.u8() - 0x80;
        g.rightBearing = r.u8() - 0x80;
        r.u8();  // character width
        g.ascent = r.u8() - 0x80;
        g.descent = r.u8() - 0x80;
      } else {
        g.leftBearing = r.s16();
        g.rightBearing = r.s16();
        r.s16();
        g.ascent = r.s16();
        g.descent = r.s16();
        r.s16();  // attributes
      }
    }
    if (!r.ok()) {
      error = path + ": short metrics table";
      return false;
    }
  }

  // Bitmaps.
  {
    TableReader r(data, bitmaps->offset);
    const uint32_t format = r.u32le();
    r.setMsbFirst(format & kByteMsbFirst);
    const int n = r.s32();
    if (n != static_cast<int>(font.glyphs.size())) {
      error = path + ": bitmap count differs from metrics count";
      return false;
    }
    std::vector<int32_t> offsets(static_cast<size_t>(n));
    for (int32_t& o : offsets) o = r.s32();
    int32_t sizes[4];
    for (int32_t& s : sizes) s = r.s32();
    const int pad = 1 << (format & 3);
    const int unit = 1 << ((format >> 4) & 3);
    const int32_t total = sizes[format & 3];
    const size_t base = r.pos();
    if (!r.ok() || total < 0 || base > data.size() || data.size() - base < static_cast<size_t>(total)) {
      error = path + ": short bitmap table";
      return false;
    }
    const bool bitMsb = format & kBitMsbFirst, byteMsb = format & kByteMsbFirst;
    for (int i = 0; i < n; ++i) {
      PcfGlyph& g = font.glyphs[static_cast<size_t>(i)];
      const int w = g.rightBearing - g.leftBearing, h = g.ascent + g.descent;
      if (w <= 0 || h <= 0) continue;
      const int stride = ((w + 7) / 8 + pad - 1) / pad * pad;
      const int64_t start = offsets[static_cast<size_t>(i)];
      if (start < 0 || start + int64_t(stride) * h > total) {
        error = path + ": glyph bitmap outside the table";
        return false;
      }
      g.ink.assign(static_cast<size_t>(w * h), 0);
      for (int y = 0; y < h; ++y) {
        const uint8_t* row = &data[base + static_cast<size_t>(start) + static_cast<size_t>(y * stride)];
        for (int x = 0; x < w; ++x) {
          int byteIndex = x / 8;
          // Bytes are swapped within a scan unit when byte and bit order differ.
          if (bitMsb != byteMsb && unit > 1)
            byteIndex = byteIndex / unit * unit + (unit - 1 - byteIndex % unit);
          const int bit = bitMsb ? 7 - x % 8 : x % 8;
          g.ink[static_cast<size_t>(y * w + x)] = (row[byteIndex] >> bit) & 1;
        }
      }
    }
  }

  // Encodings.
  {
    TableReader r(data, encodings->offset);
    const uint32_t format = r.u32le();
    r.setMsbFirst(format & kByteMsbFirst);
    font.minByte2 = r.s16();
    font.maxByte2 = r.s16();
    font.minByte1 = r.s16();
    font.maxByte1 = r.s16();
    r.s16();  // default character
    if (font.minByte2 < 0 || font.maxByte2 > 255 || font.minByte1 < 0 || font.maxByte1 > 255 ||
        font.maxByte2 < font.minByte2 || font.maxByte1 < font.minByte1) {
      error = path + ": bad encoding ranges";
      return false;
    }
    const size_t n =
        static_cast<size_t>((font.maxByte2 - font.minByte2 + 1) * (font.maxByte1 - font.minByte1 + 1));
    font.encoding.resize(n);
    for (int& e : font.encoding) {
      const uint16_t v = static_cast<uint16_t>(r.s16());
      e = v == 0xFFFF ? -1 : v;
    }
    if (!r.ok()) {
      error = path + ": short encoding table";
      return false;
    }
  }
  return true;
}
