#pragma once
// Small writers of PCX, BMP, FLC, FLI and ANM files: the sample maker's animation, and
// the pictures the tests and benchmarks decode. They follow the published layouts and
// share no code with the decoders, so a decoder is checked against an independent
// encoder.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace testpic {

using Bytes = std::vector<uint8_t>;
using Palette = std::array<uint8_t, 768>;

// Little-endian integers of n bytes, appended or written at `at`.
inline void Put(Bytes& b, uint32_t v, int n = 1) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void Patch(Bytes& b, size_t at, uint32_t v, int n = 2) {
  for (int i = 0; i < n; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
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
  Bytes row(int y, int x, int n) const {
    const auto from = pixels.begin() + (size_t(y) * width + x);
    return Bytes(from, from + n);
  }
  bool sameRow(const Image& o, int y) const { return row(y, 0, width) == o.row(y, 0, width); }
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

// A picture with runs, single pixels and every index value below `colours`, so run
// coders see all cases.
inline Image Pattern(int w, int h, int seed = 1, uint32_t colours = 256) {
  Image img(w, h);
  uint32_t s = 2463534242u + seed;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      s ^= s << 13;
      s ^= s >> 17;
      s ^= s << 5;
      // Runs, and noise including bytes >= 0xC0.
      img.at(x, y) = static_cast<uint8_t>(((x / 5 + y / 3) % 3 == 0 ? uint32_t(seed * 31 + y) : s) % colours);
    }
  return img;
}

// Row y cut into runs of at least 3 equal pixels (up to maxRun) and the literal
// stretches between them (up to maxLit).
struct Segment {
  int start, length;
  bool run;
};
inline std::vector<Segment> Segments(const Image& img, int y, int maxRun, int maxLit) {
  auto same3 = [&](int x) {
    return x + 2 < img.width && img.at(x, y) == img.at(x + 1, y) && img.at(x, y) == img.at(x + 2, y);
  };
  std::vector<Segment> out;
  for (int x = 0, n = 1; x < img.width; x += n) {
    const bool run = same3(x);
    for (n = 1; x + n < img.width && n < (run ? maxRun : maxLit); ++n)
      if (run ? img.at(x + n, y) != img.at(x, y) : same3(x + n)) break;
    out.push_back({x, n, run});
  }
  return out;
}

// ---------------------------------------------------------------- PCX
struct PcxOptions {
  int xmin = 0, ymin = 0;
  int bytesPerLine = -1;  // -1: width rounded up to even
  int bitsPerPixel = 8, planes = 1;
  bool writePalette = true;
};

// img.width is the image width (xmax - xmin + 1); each scan line is bytesPerLine
// long, padded with zeros.
inline Bytes WritePcx(const Image& img, const Palette& pal, PcxOptions o = {}) {
  const int bpl = o.bytesPerLine >= 0 ? o.bytesPerLine : (img.width + 1) & ~1;
  Bytes b = {10, 5, 1, static_cast<uint8_t>(o.bitsPerPixel)};
  for (int v : {o.xmin, o.ymin, o.xmin + img.width - 1, o.ymin + img.height - 1, 72, 72})
    Put(b, v & 0xFFFF, 2);
  b.resize(128, 0);
  b[65] = static_cast<uint8_t>(o.planes);
  Patch(b, 66, bpl);
  Patch(b, 68, 1);
  for (int y = 0; y < img.height; ++y) {
    Bytes line(bpl, 0);
    for (int x = 0; x < std::min(bpl, img.width); ++x) line[x] = img.at(x, y);
    for (int i = 0, run = 1; i < bpl; i += run) {
      for (run = 1; i + run < bpl && run < 63 && line[i + run] == line[i];) ++run;
      if (run > 1 || line[i] >= 0xC0) Put(b, 0xC0 | run);
      Put(b, line[i]);
    }
  }
  if (o.writePalette) {
    Put(b, 0x0C);
    b.insert(b.end(), pal.begin(), pal.end());
  }
  return b;
}

// ---------------------------------------------------------------- BMP
struct BmpOptions {
  int coloursUsed = 0;
  bool shortTable = false;  // the table holds coloursUsed entries, not 256
  bool coreHeader = false;  // OS/2 1.x: 12-byte header, 16-bit sizes, 3-byte entries
  int gap = 0;              // bytes between the colour table and the pixels (data offset moved)
  bool topDown = false;     // negative height, rows stored top first
  bool rle8 = false;
  bool negativeWidth = false;
  int bitsPerPixel = 8;
};

// RLE8 rows, bottom row first; literal stretches under 3 pixels go as runs of 1.
inline Bytes Rle8Rows(const Image& img) {
  Bytes b;
  for (int y = img.height - 1; y >= 0; --y) {
    for (const Segment& s : Segments(img, y, 255, 255)) {
      if (s.run) {
        Append(b, {static_cast<uint8_t>(s.length), img.at(s.start, y)});
      } else if (s.length < 3) {
        for (int i = 0; i < s.length; ++i) Append(b, {1, img.at(s.start + i, y)});
      } else {
        Append(b, {0, static_cast<uint8_t>(s.length)});
        Append(b, img.row(y, s.start, s.length));
        if (s.length & 1) Put(b, 0);
      }
    }
    Append(b, {0, 0});  // end of line
  }
  Append(b, {0, 1});  // end of bitmap
  return b;
}

inline Bytes WriteBmp(const Image& img, const Palette& pal, BmpOptions o = {}) {
  Bytes pixels = o.rle8 ? Rle8Rows(img) : Bytes();
  for (int r = 0; r < img.height && !o.rle8; ++r) {
    const int y = o.topDown ? r : img.height - 1 - r;
    for (int x = 0; x < ((img.width + 3) & ~3); ++x) Put(pixels, x < img.width ? img.at(x, y) : 0);
  }
  const uint32_t headerSize = o.coreHeader ? 12 : 40, entrySize = o.coreHeader ? 3 : 4;
  const uint32_t entries = o.shortTable ? o.coloursUsed : 256;
  const uint32_t offset = 14 + headerSize + entries * entrySize + o.gap;
  const uint32_t size = static_cast<uint32_t>(pixels.size());
  const int32_t w = o.negativeWidth ? -img.width : img.width, h = o.topDown ? -img.height : img.height;
  Bytes b = {'B', 'M'};
  for (uint32_t v : {offset + size, 0u, offset, headerSize}) Put(b, v, 4);
  Put(b, uint32_t(w), o.coreHeader ? 2 : 4);
  Put(b, uint32_t(h), o.coreHeader ? 2 : 4);
  Put(b, 1, 2);
  Put(b, o.bitsPerPixel, 2);
  if (!o.coreHeader)
    for (uint32_t v : {o.rle8 ? 1u : 0u, size, 2835u, 2835u, uint32_t(o.coloursUsed), 0u}) Put(b, v, 4);
  for (uint32_t i = 0; i < entries; ++i) {
    Append(b, {pal[i * 3 + 2], pal[i * 3 + 1], pal[i * 3]});
    if (entrySize == 4) Put(b, 0);
  }
  b.resize(b.size() + o.gap, 0xEE);  // junk the old reading would show
  Append(b, pixels);
  return b;
}

// ---------------------------------------------------------------- FLC
inline Bytes Chunk(unsigned type, const Bytes& data) {
  Bytes b;
  Put(b, static_cast<uint32_t>(6 + data.size()), 4);
  Put(b, type, 2);
  Append(b, data);
  return b;
}

// Colour packets: one packet per (first index, colours) pair; count 256 is written as 0.
inline Bytes ColourChunk(unsigned type, const std::vector<std::pair<int, Bytes>>& runs) {
  Bytes d;
  Put(d, static_cast<uint32_t>(runs.size()), 2);
  int next = 0;
  for (const auto& [first, colours] : runs) {
    const int count = static_cast<int>(colours.size() / 3);
    Append(d, {static_cast<uint8_t>(first - next), static_cast<uint8_t>(count)});
    Append(d, colours);
    next = first + count;
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
    const auto segments = Segments(img, y, 127, 127);
    Put(d, static_cast<uint32_t>(segments.size()));
    for (const Segment& s : segments) {
      Put(d, s.run ? s.length : -s.length);
      Append(d, s.run ? Bytes{img.at(s.start, y)} : img.row(y, s.start, s.length));
    }
  }
  return Chunk(15, d);
}

inline Bytes CopyChunk(const Image& img) {
  return Chunk(16, img.pixels);
}

// The packets of row y from prev to cur in units of `unit` pixels: a skip of at most
// maxSkip units (written in pixels), then up to 127 units: one unit repeated where at
// least minRun equal ones start, else literally up to the next such run. n == 0: a
// skip longer than maxSkip in an empty packet.
inline int RowPackets(const Image& prev, const Image& cur, int y, int unit, int maxSkip, int minRun,
                      Bytes& out) {
  const int units = cur.width / unit;
  auto at = [&](const Image& img, int i) { return img.row(y, unit * i, unit); };
  auto changed = [&](int i) { return at(cur, i) != at(prev, i); };
  auto runFrom = [&](int i) {
    int run = 1;
    while (i + run < units && run < 127 && at(cur, i + run) == at(cur, i)) ++run;
    return run;
  };
  int count = 0;
  for (int p = 0; p < units; ++count) {
    int skip = 0, n = 0;
    while (p < units && !changed(p) && skip < maxSkip) ++p, ++skip;
    if (p >= units) break;
    if (changed(p)) n = runFrom(p);
    const bool isRun = n >= minRun;
    if (!isRun && n > 0)
      while (p + n < units && n < 127 && changed(p + n) && runFrom(p + n) < minRun) ++n;
    Put(out, skip * unit);
    Put(out, isRun ? -n : n);
    Append(out, cur.row(y, unit * p, unit * (isRun ? 1 : n)));
    p += n;
  }
  return count;
}

// Byte-oriented delta (type 12) from prev to cur.
inline Bytes ByteDeltaChunk(const Image& prev, const Image& cur) {
  int first = -1, last = 0;
  for (int y = 0; y < cur.height; ++y)
    if (!cur.sameRow(prev, y)) {
      if (first < 0) first = y;
      last = y;
    }
  first = std::max(first, 0);
  Bytes d;
  Put(d, first, 2);
  Put(d, last - first + 1, 2);
  for (int y = first; y <= last; ++y) {
    Bytes row;
    Put(d, RowPackets(prev, cur, y, 1, 255, 3, row));
    Append(d, row);
  }
  return Chunk(12, d);
}

// Word-oriented delta (type 7) from prev to cur; an odd width's last pixel goes in
// a 0x8000 word, and when only that pixel changed the line has no packets at all.
inline Bytes WordDeltaChunk(const Image& prev, const Image& cur) {
  Bytes body;
  int lines = 0, skipRows = 0;
  for (int y = 0; y < cur.height; ++y) {
    if (cur.sameRow(prev, y)) {
      ++skipRows;
      continue;
    }
    if (skipRows > 0) Put(body, static_cast<uint16_t>(-skipRows), 2);
    skipRows = 0;
    if (cur.width & 1) Put(body, 0x8000 | cur.at(cur.width - 1, y), 2);
    Bytes packets;
    Put(body, RowPackets(prev, cur, y, 2, 127, 2, packets), 2);
    Append(body, packets);
    ++lines;
  }
  Bytes d;
  Put(d, lines, 2);
  Append(d, body);
  return Chunk(7, d);
}

inline Bytes FrameChunk(const std::vector<Bytes>& subChunks, unsigned type = 0xF1FA) {
  Bytes b(16, 0);
  for (const Bytes& s : subChunks) Append(b, s);
  Patch(b, 0, static_cast<uint32_t>(b.size()), 4);
  Patch(b, 4, type);
  Patch(b, 6, static_cast<uint32_t>(subChunks.size()));
  return b;
}

// frames: the frame chunks; prefix: an optional chunk in front of the first frame.
inline Bytes WriteFlc(int width, int height, const std::vector<Bytes>& frames, const Bytes& prefix = {},
                      unsigned magic = 0xAF12) {
  Bytes b(128, 0);
  Patch(b, 4, magic);
  Patch(b, 6, static_cast<uint32_t>(frames.size()));
  Patch(b, 8, width);
  Patch(b, 10, height);
  Patch(b, 12, 8);
  Append(b, prefix);
  for (const Bytes& f : frames) Append(b, f);
  Patch(b, 0, static_cast<uint32_t>(b.size()), 4);
  return b;
}

// ---------------------------------------------------------------- FLI
// A 64-level colour as 8 bits: the six bits, then their top two again (63 gives 255).
inline uint8_t Scale64(uint8_t v) {
  return static_cast<uint8_t>(v * 4 + v / 16);
}

// An FLI as Animator wrote it: the 64-level palette and a run-coded first frame, then
// per frame a line-coded delta, a black chunk for a frame of index 0 only, or no
// chunk for a repeated frame, and after the counted frames the ring frame that leads
// back to the first. speed: 1/70 s per frame.
inline Bytes WriteFli(const std::vector<Image>& frames, const Palette& pal64, int speed = 5) {
  std::vector<Bytes> chunks;
  for (size_t i = 0; i < frames.size(); ++i) {
    const Image& f = frames[i];
    if (i == 0) {
      chunks.push_back(FrameChunk({Colour64Full(pal64), ByteRunChunk(f)}));
    } else if (f.pixels == frames[i - 1].pixels) {
      chunks.push_back(FrameChunk({}));
    } else if (std::count(f.pixels.begin(), f.pixels.end(), 0) == static_cast<long>(f.pixels.size())) {
      chunks.push_back(FrameChunk({Chunk(13, {})}));
    } else {
      chunks.push_back(FrameChunk({ByteDeltaChunk(frames[i - 1], f)}));
    }
  }
  if (!frames.empty()) chunks.push_back(FrameChunk({ByteDeltaChunk(frames.back(), frames[0])}));
  const int w = frames.empty() ? 320 : frames[0].width, h = frames.empty() ? 200 : frames[0].height;
  Bytes b = WriteFlc(w, h, chunks, {}, 0xAF11);
  Patch(b, 6, static_cast<uint32_t>(frames.size()));  // the ring frame is not counted
  Patch(b, 16, speed);
  return b;
}

// ---------------------------------------------------------------- ANM
// Run/skip/dump coding of cur as a delta of prev; longCodes: the 0x80-word forms for
// every run, skip and dump.
inline Bytes EncodeRunSkipDump(const Bytes& prev, const Bytes& cur, bool longCodes = false) {
  Bytes b;
  const size_t n = cur.size(), maxRun = longCodes ? 0x3FFF : 255, maxLit = longCodes ? 0x3FFF : 127;
  auto word = [&](size_t v) { Append(b, {0x80, static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}); };
  auto fourSame = [&](size_t at) { return at + 3 < n && std::count(&cur[at], &cur[at] + 4, cur[at]) == 4; };
  for (size_t i = 0; i < n;) {
    size_t same = 0, run = 1, lit = 0;
    while (i + same < n && same < 0x7FFF && cur[i + same] == prev[i + same]) ++same;
    if (i + same == n) break;
    while (i + run < n && run < maxRun && cur[i + run] == cur[i]) ++run;
    if (same > 0) {
      longCodes || same > 127 ? word(same) : Put(b, 0x80 | static_cast<uint32_t>(same));
    } else if (run >= 4) {
      longCodes ? word(0xC000 | run) : Append(b, {0, static_cast<uint8_t>(run)});
      Put(b, cur[i]);
    } else {
      while (i + lit < n && lit < maxLit && cur[i + lit] != prev[i + lit] && !fourSame(i + lit)) ++lit;
      longCodes ? word(0x8000 | lit) : Put(b, static_cast<uint32_t>(lit));
      b.insert(b.end(), cur.begin() + i, cur.begin() + i + lit);
    }
    i += same > 0 ? same : run >= 4 ? run : lit;
  }
  word(0);
  return b;
}

// A record: 'B', flag, extra count, extra bytes (padded to even), code.
inline Bytes AnmRecord(const Bytes& code, int extraBytes = 0) {
  Bytes r = {0x42, extraBytes > 0};
  Put(r, extraBytes, 2);
  r.resize(r.size() + extraBytes + (extraBytes & 1), 0x5A);
  Append(r, code);
  return r;
}

// Packs records into large pages of at most recordsPerPage records each.
inline Bytes WriteAnm(int width, int height, const Palette& pal, const std::vector<Bytes>& records,
                      int recordsPerPage = 1000, bool padLastPage = true) {
  const size_t count = records.size(), pages = (count + recordsPerPage - 1) / recordsPerPage;
  Bytes b(128, 0);
  std::memcpy(b.data(), "LPF ", 4);
  std::memcpy(b.data() + 16, "ANIM", 4);
  for (auto [at, v] :
       {std::pair{4, 256}, {6, int(pages)}, {12, recordsPerPage}, {14, 1280}, {20, width}, {22, height}})
    Patch(b, at, v);
  Patch(b, 8, static_cast<uint32_t>(count), 4);
  Patch(b, 64, static_cast<uint32_t>(count), 4);
  b.resize(256, 0);
  for (int i = 0; i < 256; ++i) Append(b, {pal[i * 3 + 2], pal[i * 3 + 1], pal[i * 3], 0});
  Bytes table(256 * 6, 0), body;
  for (size_t p = 0; p < pages; ++p) {
    const size_t first = p * recordsPerPage, last = std::min(count, first + recordsPerPage);
    Bytes sizes, data;
    for (size_t r = first; r < last; ++r) {
      Put(sizes, static_cast<uint32_t>(records[r].size()), 2);
      Append(data, records[r]);
    }
    Bytes page;
    for (size_t v : {first, last - first, data.size(), size_t(0)}) Put(page, static_cast<uint32_t>(v), 2);
    std::copy(page.begin(), page.begin() + 6, table.begin() + p * 6);
    Append(page, sizes);
    Append(page, data);
    if (padLastPage || p + 1 < pages) page.resize(65536, 0);
    Append(body, page);
  }
  Append(b, table);
  Append(b, body);
  return b;
}

// Records for a sequence of frames, each a delta of the one before (the first of a
// cleared frame).
inline std::vector<Bytes> AnmRecords(const std::vector<Image>& frames, bool longCodes = false) {
  std::vector<Bytes> records;
  Bytes prev(frames.empty() ? 0 : frames[0].pixels.size(), 0);
  for (const Image& f : frames) {
    records.push_back(AnmRecord(EncodeRunSkipDump(prev, f.pixels, longCodes)));
    prev = f.pixels;
  }
  return records;
}

}  // namespace testpic
