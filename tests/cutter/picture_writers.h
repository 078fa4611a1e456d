#pragma once
// Small writers of PCX, BMP, FLC and ANM files for the tests and benchmarks. They
// follow the published layouts and share no code with the decoders, so a decoder
// is checked against an independent encoder.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace testpic {

using Bytes = std::vector<uint8_t>;
using Palette = std::array<uint8_t, 768>;

inline void U8(Bytes& b, unsigned v) {
  b.push_back(static_cast<uint8_t>(v));
}
inline void U16(Bytes& b, unsigned v) {
  U8(b, v & 0xFF);
  U8(b, (v >> 8) & 0xFF);
}
inline void U32(Bytes& b, uint32_t v) {
  U16(b, v & 0xFFFF);
  U16(b, v >> 16);
}
inline void Patch16(Bytes& b, size_t at, unsigned v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void Patch32(Bytes& b, size_t at, uint32_t v) {
  Patch16(b, at, v & 0xFFFF);
  Patch16(b, at + 2, v >> 16);
}
inline void Append(Bytes& b, const Bytes& more) {
  b.insert(b.end(), more.begin(), more.end());
}

// A frame of 8-bit indices, top row first.
struct Image {
  int width = 0;
  int height = 0;
  Bytes pixels;
  Image() = default;
  Image(int w, int h, uint8_t fill = 0) : width(w), height(h), pixels(size_t(w) * h, fill) {}
  uint8_t& at(int x, int y) { return pixels[size_t(y) * width + x]; }
  uint8_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// A palette where every entry differs: entry i = (i, 255 - i, i * 7).
inline Palette TestPalette(int salt = 0) {
  Palette p{};
  for (int i = 0; i < 256; ++i) {
    p[i * 3] = static_cast<uint8_t>(i + salt);
    p[i * 3 + 1] = static_cast<uint8_t>(255 - i);
    p[i * 3 + 2] = static_cast<uint8_t>(i * 7 + salt);
  }
  return p;
}

// A picture with runs, single pixels and every index value, so run coders see all cases.
inline Image Pattern(int w, int h, int seed = 1) {
  Image img(w, h);
  uint32_t s = 2463534242u + seed;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      s ^= s << 13;
      s ^= s >> 17;
      s ^= s << 5;
      uint8_t v;
      if ((x / 5 + y / 3) % 3 == 0)
        v = static_cast<uint8_t>(seed * 31 + y);  // runs
      else
        v = static_cast<uint8_t>(s);  // noise, including bytes >= 0xC0
      img.at(x, y) = v;
    }
  }
  return img;
}

// ---------------------------------------------------------------- PCX
struct PcxOptions {
  int xmin = 0;
  int ymin = 0;
  int bytesPerLine = -1;  // -1: width rounded up to even
  int bitsPerPixel = 8;
  int planes = 1;
  bool writePalette = true;
};

// img.width is the image width (xmax - xmin + 1); each scan line is bytesPerLine
// long, padded with zeros.
inline Bytes WritePcx(const Image& img, const Palette& pal, PcxOptions o = {}) {
  const int bpl = o.bytesPerLine >= 0 ? o.bytesPerLine : (img.width + 1) & ~1;
  Bytes b(128, 0);
  b[0] = 10;
  b[1] = 5;
  b[2] = 1;
  b[3] = static_cast<uint8_t>(o.bitsPerPixel);
  Patch16(b, 4, o.xmin & 0xFFFF);
  Patch16(b, 6, o.ymin & 0xFFFF);
  Patch16(b, 8, (o.xmin + img.width - 1) & 0xFFFF);
  Patch16(b, 10, (o.ymin + img.height - 1) & 0xFFFF);
  Patch16(b, 12, 72);
  Patch16(b, 14, 72);
  b[65] = static_cast<uint8_t>(o.planes);
  Patch16(b, 66, bpl);
  Patch16(b, 68, 1);
  for (int y = 0; y < img.height; ++y) {
    Bytes line(bpl, 0);
    for (int x = 0; x < std::min(bpl, img.width); ++x) line[x] = img.at(x, y);
    for (int i = 0; i < bpl;) {
      int run = 1;
      while (i + run < bpl && run < 63 && line[i + run] == line[i]) ++run;
      if (run > 1 || line[i] >= 0xC0) {
        U8(b, 0xC0 | run);
        U8(b, line[i]);
      } else {
        U8(b, line[i]);
      }
      i += run;
    }
  }
  if (o.writePalette) {
    U8(b, 0x0C);
    b.insert(b.end(), pal.begin(), pal.end());
  }
  return b;
}

// ---------------------------------------------------------------- BMP
struct BmpOptions {
  bool topDown = false;  // negative height, rows stored top first
  int gap = 0;           // bytes between the colour table and the pixels (data offset moved)
  bool rle8 = false;
  int coloursUsed = 0;
  int bitsPerPixel = 8;
  bool negativeWidth = false;
};

inline Bytes Rle8Rows(const Image& img, bool bottomUp) {
  Bytes b;
  for (int r = 0; r < img.height; ++r) {
    const int y = bottomUp ? img.height - 1 - r : r;
    int x = 0;
    while (x < img.width) {
      int run = 1;
      while (x + run < img.width && run < 255 && img.at(x + run, y) == img.at(x, y)) ++run;
      if (run >= 3) {
        U8(b, run);
        U8(b, img.at(x, y));
        x += run;
        continue;
      }
      // Literal stretch up to the next run of 3 (absolute mode needs at least 3 bytes).
      int n = 0;
      while (x + n < img.width && n < 255) {
        if (x + n + 2 < img.width && img.at(x + n, y) == img.at(x + n + 1, y) &&
            img.at(x + n, y) == img.at(x + n + 2, y))
          break;
        ++n;
      }
      if (n < 3) {
        for (int i = 0; i < n; ++i) {
          U8(b, 1);
          U8(b, img.at(x + i, y));
        }
      } else {
        U8(b, 0);
        U8(b, n);
        for (int i = 0; i < n; ++i) U8(b, img.at(x + i, y));
        if (n & 1) U8(b, 0);
      }
      x += n;
    }
    U8(b, 0);
    U8(b, 0);  // end of line
  }
  U8(b, 0);
  U8(b, 1);  // end of bitmap
  return b;
}

inline Bytes WriteBmp(const Image& img, const Palette& pal, BmpOptions o = {}) {
  const int stride = (img.width + 3) & ~3;
  Bytes pixels;
  if (o.rle8) {
    pixels = Rle8Rows(img, true);
  } else {
    for (int r = 0; r < img.height; ++r) {
      const int y = o.topDown ? r : img.height - 1 - r;
      for (int x = 0; x < stride; ++x) U8(pixels, x < img.width ? img.at(x, y) : 0);
    }
  }
  const uint32_t offset = 14 + 40 + 1024 + o.gap;
  Bytes b;
  U16(b, 0x4D42);
  U32(b, offset + static_cast<uint32_t>(pixels.size()));
  U32(b, 0);
  U32(b, offset);
  U32(b, 40);
  U32(b, static_cast<uint32_t>(o.negativeWidth ? -img.width : img.width));
  U32(b, static_cast<uint32_t>(o.topDown ? -img.height : img.height));
  U16(b, 1);
  U16(b, o.bitsPerPixel);
  U32(b, o.rle8 ? 1 : 0);
  U32(b, static_cast<uint32_t>(pixels.size()));
  U32(b, 2835);
  U32(b, 2835);
  U32(b, o.coloursUsed);
  U32(b, 0);
  for (int i = 0; i < 256; ++i) {
    U8(b, pal[i * 3 + 2]);
    U8(b, pal[i * 3 + 1]);
    U8(b, pal[i * 3]);
    U8(b, 0);
  }
  for (int i = 0; i < o.gap; ++i) U8(b, 0xEE);  // junk the old reading would show
  Append(b, pixels);
  return b;
}

// ---------------------------------------------------------------- FLC
inline Bytes Chunk(unsigned type, const Bytes& data) {
  Bytes b;
  U32(b, static_cast<uint32_t>(6 + data.size()));
  U16(b, type);
  Append(b, data);
  return b;
}

// Colour packets: one packet per (first index, colours) pair; count 256 is written as 0.
inline Bytes ColourChunk(unsigned type, const std::vector<std::pair<int, Bytes>>& runs) {
  Bytes d;
  U16(d, static_cast<unsigned>(runs.size()));
  int next = 0;
  for (const auto& run : runs) {
    U8(d, run.first - next);
    const int count = static_cast<int>(run.second.size() / 3);
    U8(d, count == 256 ? 0 : count);
    Append(d, run.second);
    next = run.first + count;
  }
  return Chunk(type, d);
}

inline Bytes Colour256Full(const Palette& pal) {
  return ColourChunk(4, {{0, Bytes(pal.begin(), pal.end())}});
}

// 64-level palette; the decoder multiplies by 4.
inline Bytes Colour64Full(const Palette& pal64) {
  return ColourChunk(11, {{0, Bytes(pal64.begin(), pal64.end())}});
}

inline Bytes ByteRunChunk(const Image& img) {
  Bytes d;
  for (int y = 0; y < img.height; ++y) {
    Bytes row;
    int packets = 0;
    for (int x = 0; x < img.width;) {
      int run = 1;
      while (x + run < img.width && run < 127 && img.at(x + run, y) == img.at(x, y)) ++run;
      if (run >= 3) {
        U8(row, run);
        U8(row, img.at(x, y));
        x += run;
      } else {
        int n = 0;
        while (x + n < img.width && n < 127) {
          if (x + n + 2 < img.width && img.at(x + n, y) == img.at(x + n + 1, y) &&
              img.at(x + n, y) == img.at(x + n + 2, y))
            break;
          ++n;
        }
        U8(row, static_cast<uint8_t>(-n));
        for (int i = 0; i < n; ++i) U8(row, img.at(x + i, y));
        x += n;
      }
      ++packets;
    }
    U8(d, packets);
    Append(d, row);
  }
  return Chunk(15, d);
}

inline Bytes CopyChunk(const Image& img) {
  return Chunk(16, img.pixels);
}

// Byte-oriented delta (type 12) from prev to cur.
inline Bytes ByteDeltaChunk(const Image& prev, const Image& cur) {
  int first = -1, last = -1;
  for (int y = 0; y < cur.height; ++y) {
    if (!std::equal(cur.pixels.begin() + y * cur.width, cur.pixels.begin() + (y + 1) * cur.width,
                    prev.pixels.begin() + y * cur.width)) {
      if (first < 0) first = y;
      last = y;
    }
  }
  Bytes d;
  if (first < 0) first = last = 0;
  U16(d, first);
  U16(d, last - first + 1);
  for (int y = first; y <= last; ++y) {
    Bytes row;
    int packets = 0, x = 0;
    while (x < cur.width) {
      int skip = 0;
      while (x < cur.width && cur.at(x, y) == prev.at(x, y) && skip < 255) ++x, ++skip;
      if (x >= cur.width) break;
      int n = 0;
      while (x + n < cur.width && n < 127 && cur.at(x + n, y) != prev.at(x + n, y)) ++n;
      if (n == 0) {  // a skip longer than 255: an empty packet carries it
        U8(row, skip);
        U8(row, 0);
        ++packets;
        continue;
      }
      int run = 1;
      while (run < n && cur.at(x + run, y) == cur.at(x, y)) ++run;
      U8(row, skip);
      if (run == n && n >= 3) {
        U8(row, static_cast<uint8_t>(-n));
        U8(row, cur.at(x, y));
      } else {
        U8(row, n);
        for (int i = 0; i < n; ++i) U8(row, cur.at(x + i, y));
      }
      x += n;
      ++packets;
    }
    U8(d, packets);
    Append(d, row);
  }
  return Chunk(12, d);
}

// Word-oriented delta (type 7) from prev to cur; an odd width's last pixel goes in
// a 0x8000 word.
inline Bytes WordDeltaChunk(const Image& prev, const Image& cur) {
  Bytes d;
  int lines = 0, skipRows = 0;
  const int pairs = cur.width / 2;
  Bytes body;
  for (int y = 0; y < cur.height; ++y) {
    const bool same = std::equal(cur.pixels.begin() + y * cur.width, cur.pixels.begin() + (y + 1) * cur.width,
                                 prev.pixels.begin() + y * cur.width);
    if (same) {
      ++skipRows;
      continue;
    }
    if (skipRows > 0) U16(body, static_cast<uint16_t>(-skipRows));
    skipRows = 0;
    if (cur.width & 1) U16(body, 0x8000 | cur.at(cur.width - 1, y));
    Bytes packetsBytes;
    int packets = 0, p = 0;
    auto pairDiffers = [&](int i) {
      return cur.at(2 * i, y) != prev.at(2 * i, y) || cur.at(2 * i + 1, y) != prev.at(2 * i + 1, y);
    };
    while (p < pairs) {
      int skip = 0;
      while (p < pairs && !pairDiffers(p) && skip < 127) ++p, ++skip;
      if (p >= pairs) break;
      if (!pairDiffers(p)) {  // long skip: empty packet
        U8(packetsBytes, skip * 2);
        U8(packetsBytes, 0);
        ++packets;
        continue;
      }
      int n = 0;
      while (p + n < pairs && n < 127 && pairDiffers(p + n)) ++n;
      int run = 1;
      while (run < n && cur.at(2 * (p + run), y) == cur.at(2 * p, y) &&
             cur.at(2 * (p + run) + 1, y) == cur.at(2 * p + 1, y))
        ++run;
      U8(packetsBytes, skip * 2);
      if (run == n && n >= 2) {
        U8(packetsBytes, static_cast<uint8_t>(-n));
        U8(packetsBytes, cur.at(2 * p, y));
        U8(packetsBytes, cur.at(2 * p + 1, y));
      } else {
        U8(packetsBytes, n);
        for (int i = 0; i < n; ++i) {
          U8(packetsBytes, cur.at(2 * (p + i), y));
          U8(packetsBytes, cur.at(2 * (p + i) + 1, y));
        }
      }
      p += n;
      ++packets;
    }
    // When only the odd last pixel changed the line has no packets at all.
    U16(body, packets);
    Append(body, packetsBytes);
    ++lines;
  }
  U16(d, lines);
  Append(d, body);
  return Chunk(7, d);
}

inline Bytes FrameChunk(const std::vector<Bytes>& subChunks, unsigned type = 0xF1FA) {
  Bytes b;
  size_t size = 16;
  for (const Bytes& s : subChunks) size += s.size();
  U32(b, static_cast<uint32_t>(size));
  U16(b, type);
  U16(b, static_cast<unsigned>(subChunks.size()));
  b.resize(16, 0);
  for (const Bytes& s : subChunks) Append(b, s);
  return b;
}

// frames: the frame chunks; prefix: an optional chunk in front of the first frame.
inline Bytes WriteFlc(int width, int height, const std::vector<Bytes>& frames, const Bytes& prefix = {},
                      unsigned magic = 0xAF12) {
  Bytes b(128, 0);
  Patch16(b, 4, magic);
  Patch16(b, 6, static_cast<unsigned>(frames.size()));
  Patch16(b, 8, width);
  Patch16(b, 10, height);
  Patch16(b, 12, 8);
  Append(b, prefix);
  for (const Bytes& f : frames) Append(b, f);
  Patch32(b, 0, static_cast<uint32_t>(b.size()));
  return b;
}

// ---------------------------------------------------------------- ANM
struct AnmCodeOptions {
  bool longCodes = false;  // use the 0x80-word forms for every run, skip and dump
};

// Run/skip/dump coding of cur as a delta of prev.
inline Bytes EncodeRunSkipDump(const Bytes& prev, const Bytes& cur, AnmCodeOptions o = {}) {
  Bytes b;
  const size_t n = cur.size();
  size_t i = 0;
  while (i < n) {
    size_t same = 0;
    while (i + same < n && cur[i + same] == prev[i + same]) ++same;
    if (same > 0) {
      if (i + same == n) break;
      while (same > 0) {
        if (!o.longCodes && same <= 127) {
          U8(b, 0x80 | same);
          i += same;
          same = 0;
        } else {
          const size_t s = std::min<size_t>(same, 0x7FFF);
          U8(b, 0x80);
          U16(b, static_cast<unsigned>(s));
          i += s;
          same -= s;
        }
      }
      continue;
    }
    size_t run = 1;
    while (i + run < n && cur[i + run] == cur[i]) ++run;
    if (run >= 4) {
      run = std::min<size_t>(run, o.longCodes ? 0x3FFF : 255);
      if (o.longCodes) {
        U8(b, 0x80);
        U16(b, 0xC000 | static_cast<unsigned>(run));
        U8(b, cur[i]);
      } else {
        U8(b, 0);
        U8(b, static_cast<unsigned>(run));
        U8(b, cur[i]);
      }
      i += run;
      continue;
    }
    size_t lit = 0;
    const size_t maxLit = o.longCodes ? 0x3FFF : 127;
    while (i + lit < n && lit < maxLit && cur[i + lit] != prev[i + lit]) {
      if (i + lit + 3 < n && cur[i + lit] == cur[i + lit + 1] && cur[i + lit] == cur[i + lit + 2] &&
          cur[i + lit] == cur[i + lit + 3])
        break;
      ++lit;
    }
    if (lit == 0) lit = 1;
    if (o.longCodes) {
      U8(b, 0x80);
      U16(b, 0x8000 | static_cast<unsigned>(lit));
    } else {
      U8(b, static_cast<unsigned>(lit));
    }
    b.insert(b.end(), cur.begin() + i, cur.begin() + i + lit);
    i += lit;
  }
  U8(b, 0x80);
  U16(b, 0);
  return b;
}

// A record: 'B', flag, extra count, extra bytes (padded to even), code.
inline Bytes AnmRecord(const Bytes& code, int extraBytes = 0) {
  Bytes r;
  U8(r, 0x42);
  U8(r, extraBytes > 0 ? 1 : 0);
  U16(r, extraBytes);
  for (int i = 0; i < extraBytes + (extraBytes & 1); ++i) U8(r, 0x5A);
  Append(r, code);
  return r;
}

// Packs records into large pages of at most recordsPerPage records each.
inline Bytes WriteAnm(int width, int height, const Palette& pal, const std::vector<Bytes>& records,
                      int recordsPerPage = 1000, bool padLastPage = true) {
  std::vector<std::vector<size_t>> pages;
  for (size_t r = 0; r < records.size(); ++r) {
    if (pages.empty() || pages.back().size() >= static_cast<size_t>(recordsPerPage)) pages.emplace_back();
    pages.back().push_back(r);
  }
  Bytes b(128, 0);
  std::memcpy(b.data(), "LPF ", 4);
  Patch16(b, 4, 256);
  Patch16(b, 6, static_cast<unsigned>(pages.size()));
  Patch32(b, 8, static_cast<uint32_t>(records.size()));
  Patch16(b, 12, recordsPerPage);
  Patch16(b, 14, 1280);
  std::memcpy(b.data() + 16, "ANIM", 4);
  Patch16(b, 20, width);
  Patch16(b, 22, height);
  Patch32(b, 64, static_cast<uint32_t>(records.size()));
  b.resize(256, 0);
  for (int i = 0; i < 256; ++i) {
    U8(b, pal[i * 3 + 2]);
    U8(b, pal[i * 3 + 1]);
    U8(b, pal[i * 3]);
    U8(b, 0);
  }
  Bytes table(256 * 6, 0);
  Bytes body;
  for (size_t p = 0; p < pages.size(); ++p) {
    size_t bytes = 0;
    for (size_t r : pages[p]) bytes += records[r].size();
    Patch16(table, p * 6, static_cast<unsigned>(pages[p].front()));
    Patch16(table, p * 6 + 2, static_cast<unsigned>(pages[p].size()));
    Patch16(table, p * 6 + 4, static_cast<unsigned>(bytes));
    Bytes page;
    U16(page, static_cast<unsigned>(pages[p].front()));
    U16(page, static_cast<unsigned>(pages[p].size()));
    U16(page, static_cast<unsigned>(bytes));
    U16(page, 0);
    for (size_t r : pages[p]) U16(page, static_cast<unsigned>(records[r].size()));
    for (size_t r : pages[p]) Append(page, records[r]);
    if (padLastPage || p + 1 < pages.size()) page.resize(65536, 0);
    Append(body, page);
  }
  Append(b, table);
  Append(b, body);
  return b;
}

// Records for a sequence of frames, each a delta of the one before (the first of a
// cleared frame).
inline std::vector<Bytes> AnmRecords(const std::vector<Image>& frames, AnmCodeOptions o = {}) {
  std::vector<Bytes> records;
  Bytes prev(frames.empty() ? 0 : frames[0].pixels.size(), 0);
  for (const Image& f : frames) {
    records.push_back(AnmRecord(EncodeRunSkipDump(prev, f.pixels, o)));
    prev = f.pixels;
  }
  return records;
}

}  // namespace testpic
