// PNG files that ImageMagick writes in every colour type, bit depth and interlace
// method decode to the pixels ImageMagick reads back from them; small files built here
// decode to known pixels, and damaged copies of one are refused with a reason.
#include "images/png_reader.h"

#include <zlib.h>

#include <cstring>

#include "support/reader_support.h"

using namespace readertest;

namespace {

uint32_t Be32(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

void PutBe32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (24 - 8 * i));
}

// Puts the right CRC back on the chunk starting at `at`.
void FixCrc(Bytes& b, size_t at) {
  const uint32_t length = Be32(&b[at]);
  PutBe32(b, at + 8 + length, uint32_t(crc32(0, &b[at + 4], length + 4)));
}

size_t FindChunk(const Bytes& b, const char* type) {
  for (size_t at = 8; at + 12 <= b.size(); at += Be32(&b[at]) + 12)
    if (std::memcmp(&b[at + 4], type, 4) == 0) return at;
  return 0;
}

Bytes Chunk(const char* type, const Bytes& body) {
  Bytes chunk(12 + body.size());
  PutBe32(chunk, 0, uint32_t(body.size()));
  std::memcpy(&chunk[4], type, 4);
  std::copy(body.begin(), body.end(), chunk.begin() + 8);
  FixCrc(chunk, 0);
  return chunk;
}

// The same file with its image data cut into IDAT chunks of `piece` bytes.
Bytes SplitIdat(const Bytes& b, size_t piece) {
  const size_t at = FindChunk(b, "IDAT"), length = Be32(&b[at]);
  Bytes out(b.begin(), b.begin() + long(at));
  for (size_t done = 0; done < length; done += piece) {
    const Bytes c = Chunk("IDAT", Bytes(&b[at + 8 + done], &b[at + 8 + std::min(length, done + piece)]));
    out.insert(out.end(), c.begin(), c.end());
  }
  out.insert(out.end(), b.begin() + long(at + 12 + length), b.end());
  return out;
}

// The same file with one more chunk just before the image data.
Bytes WithChunk(Bytes b, const char* type, const Bytes& body) {
  const Bytes chunk = Chunk(type, body);
  b.insert(b.begin() + long(FindChunk(b, "IDAT")), chunk.begin(), chunk.end());
  return b;
}

// A file put together here, so the checks that use one run where ImageMagick is missing:
// the header's fields, then `rows` (each led by its filter byte) deflated into one IDAT.
Bytes Assemble(uint32_t width, uint32_t height, int depth, int type, const Bytes& rows) {
  Bytes header(13);
  PutBe32(header, 0, width), PutBe32(header, 4, height);
  header[8] = uint8_t(depth), header[9] = uint8_t(type);
  uLongf n = compressBound(uLong(rows.size()));
  Bytes packed(n);
  compress(packed.data(), &n, rows.data(), uLong(rows.size()));
  packed.resize(n);
  Bytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  for (const Bytes& c : {Chunk("IHDR", header), Chunk("IDAT", packed), Chunk("IEND", {})})
    out.insert(out.end(), c.begin(), c.end());
  return out;
}

std::vector<Rgba> OurPixels(const PngImage& png) {
  if (!png.indexed) return png.rgba.pixels;
  std::vector<Rgba> out;
  for (uint8_t i : png.index.pixels)
    out.push_back(i < png.index.colours.size() ? png.index.colours[i] : MakeRgba(0, 0, 0));
  return out;
}

class PngFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Succeeds("convert -version")) GTEST_SKIP() << "ImageMagick convert not found";
  }
  // Writes a 37 x 23 picture of the given kind and returns the file's bytes.
  Bytes Write(const std::string& source, int colourType, int depth, bool interlaced) {
    const fs::path file = tmp_.dir / "x.png";
    const std::string command = "convert -seed 7 -size 37x23 " + source +
                                " -define png:color-type=" + std::to_string(colourType) +
                                " -define png:bit-depth=" + std::to_string(depth) +
                                (interlaced ? " -interlace PNG " : " -interlace none ") + Quoted(file);
    EXPECT_TRUE(Succeeds(command)) << command;
    return ReadAll(file);
  }
  std::vector<Rgba> Theirs(const Bytes& png) {
    const fs::path file = PathFromText(tmp_.write("y.png", png));
    // Sixteen bits a sample, rounded to eight here: ImageMagick's own reduction truncates.
    EXPECT_TRUE(Succeeds("convert " + Quoted(file) + " -depth 16 rgba:" + Quoted(tmp_.dir / "y.rgba")));
    const Bytes wide = ReadAll(tmp_.dir / "y.rgba");
    Bytes narrow(wide.size() / 2);
    for (size_t i = 0; i < narrow.size(); ++i)
      narrow[i] = uint8_t((wide[2 * i] + 256 * wide[2 * i + 1] + 128) / 257);
    return AsRgba(narrow);
  }
  ScratchFolder tmp_{"png_reader_test"};
};

// A colour source with graded alpha.
const char* const kAlpha = "plasma: -alpha set -channel A -fx 'i/w' +channel";

// The ImageMagick source, the colour type and the bit depth.
const std::tuple<const char*, int, int> kKinds[] = {
    {"plasma: -colorspace Gray -posterize 2", 0, 1},
    {"plasma: -colorspace Gray -posterize 4", 0, 2},
    {"plasma: -colorspace Gray -posterize 16", 0, 4},
    {"plasma: -colorspace Gray", 0, 8},
    {"plasma: -colorspace Gray", 0, 16},
    {"plasma:", 2, 8},
    {"plasma:", 2, 16},
    {"plasma: -monochrome", 3, 1},
    {"plasma: +dither -colors 3", 3, 2},
    {"plasma: +dither -colors 15", 3, 4},
    {"plasma: -colors 200", 3, 8},
    {"plasma: -colors 30 -alpha set -channel A -fx 'i%5==0?0:1' +channel", 3, 8},
    {"plasma: -colorspace Gray -alpha set -channel A -fx 'i/w' +channel", 4, 8},
    {"plasma: -colorspace Gray -alpha set -channel A -fx 'i/w' +channel", 4, 16},
    {kAlpha, 6, 8},
    {kAlpha, 6, 16},
    {"plasma: -colorspace Gray -alpha set -channel A -fx 'i%5==0?0:1' +channel", 0, 8},
};

}  // namespace

// Small files built here decode to known pixels; a transparent pixel matches whatever its colour.
TEST(PngReader, SmallFilesDecodeToTheirPixels) {
  const Rgba clear = 0;
  const auto grey = [](uint8_t v) { return MakeRgba(v, v, v); };
  const struct {
    const char* what;
    int width, depth, type;
    Bytes rows;
    std::vector<Rgba> pixels;
    const char* chunk = nullptr;  // one more chunk before the image data
    Bytes body = {};
    bool interlaced = false;
  } kCases[] = {
      // clang-format off
      {"grey with alpha", 2, 8, 4, {0, 0x40, 0xC0, 0xFF, 0x20},
       {MakeRgba(0x40, 0x40, 0x40, 0xC0), MakeRgba(0xFF, 0xFF, 0xFF, 0x20)}},
      {"RGB with a transparent colour", 4, 8, 2, {0, 1, 2, 3, 9, 2, 3, 1, 9, 3, 1, 2, 9},
       {clear, MakeRgba(9, 2, 3), MakeRgba(1, 9, 3), MakeRgba(1, 2, 9)}, "tRNS", {0, 1, 0, 2, 0, 3}},
      {"2-bit grey with a transparent level", 4, 2, 0, {0, 0x1B}, {grey(0), grey(0x55), clear, grey(0xFF)},
       "tRNS", {0, 2}},
      {"16-bit grey: the transparent level matches all 16 bits", 2, 16, 0, {0, 0x12, 0x34, 0x12, 0x35},
       {clear, grey(0x12)}, "tRNS", {0x12, 0x34}},
      {"average filter on the first row: nothing above", 3, 8, 0, {3, 5, 7, 9}, {grey(5), grey(9), grey(13)}},
      {"2 x 2 interlaced", 2, 8, 0, {0, 1, 0, 2, 0, 3, 4}, {grey(1), grey(2), grey(3), grey(4)}, nullptr, {}, true},
      // clang-format on
  };
  for (const auto& c : kCases) {
    Bytes file = Assemble(uint32_t(c.width), uint32_t(c.pixels.size() / c.width), c.depth, c.type, c.rows);
    if (c.chunk) file = WithChunk(file, c.chunk, c.body);
    if (c.interlaced) file[28] = 1, FixCrc(file, 8);
    PngImage png;
    std::string reason;
    ASSERT_TRUE(ReadPng(file.data(), file.size(), png, reason)) << c.what << ": " << reason;
    ExpectSamePixels(OurPixels(png), c.pixels, c.what);
  }
}

TEST_F(PngFiles, EveryKindDecodesAsImageMagickReadsIt) {
  // Every other kind interlaced: each colour type is read both ways, and the test
  // stays quick.
  for (size_t k = 0; k < std::size(kKinds); ++k) {
    const auto [source, colourType, depth] = kKinds[k];
    const bool interlaced = k % 2 == 1;
    const std::string what = std::string(source) + " type " + std::to_string(colourType) + " depth " +
                             std::to_string(depth) + (interlaced ? " interlaced" : "");
    const Bytes file = Write(source, colourType, depth, interlaced);
    ASSERT_GT(file.size(), 33u) << what;
    // The file is of the kind asked for, or the case proves nothing.
    EXPECT_EQ(file[24], depth) << what;
    EXPECT_EQ(file[25], colourType) << what;
    EXPECT_EQ(file[28], interlaced ? 1 : 0) << what;
    const std::vector<Rgba> theirs = Theirs(file);
    // A transparency chunk means nothing beside an alpha channel and is passed over,
    // as is a compressed text chunk.
    const bool alpha = colourType == 4 || colourType == 6;
    for (size_t piece : {size_t(0), size_t(1), size_t(7)}) {
      const Bytes bytes =
          piece ? SplitIdat(file, piece)
                : WithChunk(file, alpha ? "tRNS" : "zTXt", alpha ? Bytes{0, 1} : Bytes{'z', 0, 0});
      PngImage png;
      std::string reason;
      ASSERT_TRUE(ReadPng(bytes.data(), bytes.size(), png, reason)) << what << ": " << reason;
      EXPECT_EQ(png.indexed, colourType == 3) << what;
      ExpectSamePixels(OurPixels(png), theirs, what + " IDAT pieces " + std::to_string(piece));
    }
  }
}

// The size comes from the signature and the header alone; a side past int is no size.
TEST(PngReader, PeekReadsTheSizeFromTheHeader) {
  Bytes b = Assemble(4, 3, 8, 0, {});
  int32_t w = 0, h = 0;
  EXPECT_TRUE(PeekPngSize(b.data(), 33, w, h) && w == 4 && h == 3);
  EXPECT_FALSE(PeekPngSize(b.data(), 32, w, h));
  PutBe32(b, 16, 0x7FFFFFFF), PutBe32(b, 20, 0x7FFFFFFF);
  EXPECT_TRUE(PeekPngSize(b.data(), 33, w, h) && w == 0x7FFFFFFF && h == 0x7FFFFFFF);
  for (size_t at : {16, 20}) {
    Bytes wide = b;
    PutBe32(wide, at, 0x80000000u);
    EXPECT_FALSE(PeekPngSize(wide.data(), 33, w, h)) << at;
  }
}

TEST(PngReader, DamagedFilesAreRefusedWithAReason) {
  // Four colours, 4 x 3 pixels.
  const Bytes palette = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
  const auto indexed = [&](uint8_t filter) {
    return WithChunk(Assemble(4, 3, 8, 3, {filter, 0, 1, 2, 3, 0, 3, 2, 1, 0, 0, 1, 1, 2, 2}), "PLTE",
                     palette);
  };
  const Bytes good = indexed(0);
  const size_t idat = FindChunk(good, "IDAT"), iend = FindChunk(good, "IEND"), plte = FindChunk(good, "PLTE");
  ASSERT_TRUE(idat && iend && plte);
  const auto rename = [](size_t at, const char* name) {
    return [=](Bytes& b) { std::memcpy(&b[at + 4], name, 4), FixCrc(b, at); };
  };
  const auto header = [](size_t at, uint8_t value) { return [=](Bytes& b) { b[at] = value, FixCrc(b, 8); }; };
  struct Damage {
    const char* reason;  // a piece of the reason given
    std::function<void(Bytes&)> apply;
  };
  const Damage kDamages[] = {
      {"CRC error in chunk IDAT", [&](Bytes& b) { b[idat + 9] ^= 0x10; }},
      {"zlib error", [&](Bytes& b) { b[idat + 8] ^= 0x0F, FixCrc(b, idat); }},
      {"no IEND", [&](Bytes& b) { b.resize(iend); }},
      {"after IEND", [&](Bytes& b) { b.push_back(0); }},
      {"runs past the end", [&](Bytes& b) { b.resize(idat + 13); }},
      {"cut short", [&](Bytes& b) { b.resize(iend + 3); }},
      {"picture size", [&](Bytes& b) { PutBe32(b, 16, 0x7FFFFFFF), FixCrc(b, 8); }},
      {"picture size", [&](Bytes& b) { PutBe32(b, 16, 16385), PutBe32(b, 20, 16384), FixCrc(b, 8); }},
      {"image data too short", [&](Bytes& b) { PutBe32(b, 16, 16384), PutBe32(b, 20, 16384), FixCrc(b, 8); }},
      {"image data ends early", [&](Bytes& b) { PutBe32(b, 20, 4), FixCrc(b, 8); }},
      {"more image data", [&](Bytes& b) { PutBe32(b, 20, 2), FixCrc(b, 8); }},
      // The longest row the image data might still inflate to is tried, and found short.
      {"image data ends early",
       [&](Bytes& b) { PutBe32(b, 16, 1100 * b[idat + 3] + 1022), PutBe32(b, 20, 1), FixCrc(b, 8); }},
      {"colour type", header(25, 5)},
      {"unknown compression, filter or interlace", header(26, 1)},
      {"unknown compression, filter or interlace", header(27, 1)},
      {"unknown compression, filter or interlace", header(28, 2)},
      {"without PLTE", rename(plte, "xxxx")},
      {"unknown critical chunk", rename(iend, "IENX")},
      {"bad chunk name", rename(plte, "1LTE")},
      {"bad chunk name", rename(plte, "PLT1")},
      {"bad PLTE", [&](Bytes& b) { b = WithChunk(b, "PLTE", {}); }},
      {"bad tRNS", [&](Bytes& b) { b = WithChunk(b, "tRNS", Bytes(257)); }},  // more entries than colours
      // A transparent colour of the other colour type's length.
      {"bad tRNS",
       [&](Bytes& b) {
         b = WithChunk(Assemble(1, 1, 8, 0, {0, 7}), "tRNS", Bytes(6));
       }},
      {"bad tRNS",
       [&](Bytes& b) {
         b = WithChunk(Assemble(1, 1, 8, 2, {0, 1, 2, 3}), "tRNS", Bytes(2));
       }},
      {"bad IHDR", [&](Bytes& b) { b = WithChunk(b, "IHDR", Bytes(13)); }},
      {"first chunk is not IHDR", rename(8, "tEXt")},
      {"IDAT chunks not in one run",
       [&](Bytes& b) {
         for (const char* type : {"IDAT", "tEXt"}) {
           const Bytes c = Chunk(type, {});
           b.insert(b.begin() + long(iend), c.begin(), c.end());
         }
       }},
      {"unknown filter type 5", [&](Bytes& b) { b = indexed(5); }},
      {"not a PNG", [&](Bytes& b) { b[1] = 'Q'; }},
      {"not a PNG", [&](Bytes& b) { b[7] = 0; }},
      {"no IDAT chunk", rename(idat, "iDAT")},  // an ancillary chunk is passed over
  };
  for (const Damage& d : kDamages) {
    Bytes bad = good;
    d.apply(bad);
    PngImage png;
    std::string reason;
    EXPECT_FALSE(ReadPng(bad.data(), bad.size(), png, reason)) << d.reason;
    EXPECT_NE(reason.find(d.reason), std::string::npos)
        << "wanted '" << d.reason << "', got '" << reason << "'";
    EXPECT_TRUE(png.index.pixels.empty() && png.rgba.pixels.empty()) << d.reason;
  }
  // An indexed picture takes up to 256 transparency entries.
  const Bytes most = WithChunk(good, "tRNS", Bytes(256));
  PngImage png;
  std::string reason;
  EXPECT_TRUE(ReadPng(most.data(), most.size(), png, reason)) << reason;
  // Every truncation is refused.
  for (size_t n = 0; n < good.size(); n += 5)
    EXPECT_FALSE(ReadPng(good.data(), n, png, reason)) << "cut at " << n;
}
