// PCX and BMP decoding, checked against the writers in picture_writers.h.
#include <gtest/gtest.h>

#include <cstring>

#include "cutter/bmp_writer.h"
#include "cutter/picture.h"
#include "picture_writers.h"

using namespace testpic;

namespace {

bool Load(Picture& pic, const Bytes& b) {
  return pic.loadFromMemory(b.data(), b.size());
}

// The frame's left `columns` columns equal img; the rest holds `padding`.
void ExpectFrame(const PictureFrame& f, const Image& img, int padding = -1) {
  ASSERT_EQ(f.height, img.height);
  ASSERT_GE(f.width, img.width);
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < f.width; ++x) {
      const uint8_t got = f.pixels[size_t(y) * f.width + x];
      if (x < img.width) {
        ASSERT_EQ(got, img.at(x, y)) << "at " << x << "," << y;
      } else if (padding >= 0) {
        ASSERT_EQ(got, padding) << "padding at " << x << "," << y;
      }
    }
  }
}

void ExpectPalette(const Picture& pic, const Palette& pal) {
  EXPECT_EQ(0, std::memcmp(pic.palette().palette(), pal.data(), 768));
}

}  // namespace

TEST(PcxDecoder, EvenWidthPictureRoundTrips) {
  const Image img = Pattern(40, 17);
  const Palette pal = TestPalette(3);
  Picture pic;
  ASSERT_TRUE(Load(pic, WritePcx(img, pal)));
  ASSERT_EQ(pic.frameCount(), 1);
  EXPECT_EQ(pic.frames()[0].width, 40);
  ExpectFrame(pic.frames()[0], img);
  ExpectPalette(pic, pal);
  EXPECT_EQ(pic.currentFrame(), 0);
}

TEST(PcxDecoder, OddWidthIsRoundedUpToTheScanLine) {
  // xmax = 12: 13 pixels, 14-byte scan lines; the padding byte becomes column 13.
  const Image img = Pattern(13, 9);
  Picture pic;
  ASSERT_TRUE(Load(pic, WritePcx(img, TestPalette())));
  EXPECT_EQ(pic.frames()[0].width, 14);
  ExpectFrame(pic.frames()[0], img, 0);
}

TEST(PcxDecoder, EmptyRunConsumesItsValueByte) {
  Image img(4, 1);
  Bytes b = WritePcx(img, TestPalette(), {});
  // Replace the data with: C0 77 (nothing), C4 05 (four 5s), then the palette.
  Bytes data = {0xC0, 0x77, 0xC4, 0x05};
  Bytes pcx(b.begin(), b.begin() + 128);
  Append(pcx, data);
  U8(pcx, 0x0C);
  const Palette pal = TestPalette(9);
  pcx.insert(pcx.end(), pal.begin(), pal.end());
  Picture pic;
  ASSERT_TRUE(Load(pic, pcx));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({5, 5, 5, 5}));
  ExpectPalette(pic, pal);
}

TEST(PcxDecoder, RunsMayCrossScanLines) {
  Image img(2, 2);
  Bytes b = WritePcx(img, TestPalette());
  Bytes pcx(b.begin(), b.begin() + 128);
  Append(pcx, {0xC3, 0x09, 0x04});  // three 9s over two lines, then a 4
  U8(pcx, 0x0C);
  const Palette pal = TestPalette();
  pcx.insert(pcx.end(), pal.begin(), pal.end());
  Picture pic;
  ASSERT_TRUE(Load(pic, pcx));
  EXPECT_EQ(pic.frames()[0].pixels, Bytes({9, 9, 9, 4}));
}

TEST(PcxDecoder, OriginAndLongScanLinesFollowTheHeader) {
  const Image img = Pattern(10, 6);
  const Palette pal = TestPalette(1);
  PcxOptions o;
  o.xmin = 100;
  o.ymin = 50;
  o.bytesPerLine = 16;  // six bytes of padding per line
  Picture pic;
  ASSERT_TRUE(Load(pic, WritePcx(img, pal, o)));
  EXPECT_EQ(pic.frames()[0].width, 10);
  EXPECT_EQ(pic.frames()[0].height, 6);
  ExpectFrame(pic.frames()[0], img);
  ExpectPalette(pic, pal);
}

TEST(PcxDecoder, OddScanLineOfAnOddWidthIsNotMisaligned) {
  const Image img = Pattern(13, 5);
  PcxOptions o;
  o.bytesPerLine = 13;
  Picture pic;
  ASSERT_TRUE(Load(pic, WritePcx(img, TestPalette(), o)));
  EXPECT_EQ(pic.frames()[0].width, 13);
  ExpectFrame(pic.frames()[0], img);
}

TEST(PcxDecoder, OtherDepthsAndPlanesAreRefused) {
  const Image img = Pattern(8, 8);
  for (auto [bits, planes] : {std::pair{4, 1}, std::pair{1, 4}, std::pair{8, 3}, std::pair{1, 1}}) {
    PcxOptions o;
    o.bitsPerPixel = bits;
    o.planes = planes;
    Picture pic;
    EXPECT_FALSE(Load(pic, WritePcx(img, TestPalette(), o))) << bits << "x" << planes;
    EXPECT_STREQ(pic.lastError(), kPictureUnsupported);
  }
}

TEST(PcxDecoder, ScanLineShorterThanTheImageIsRefused) {
  PcxOptions o;
  o.bytesPerLine = 6;
  Picture pic;
  EXPECT_FALSE(Load(pic, WritePcx(Pattern(10, 3), TestPalette(), o)));
}

TEST(PcxDecoder, MissingPaletteLeavesBlack) {
  PcxOptions o;
  o.writePalette = false;
  Picture pic;
  const Image img = Pattern(6, 4);
  ASSERT_TRUE(Load(pic, WritePcx(img, TestPalette(), o)));
  ExpectFrame(pic.frames()[0], img);
  Palette zero{};
  ExpectPalette(pic, zero);
}

TEST(PcxDecoder, FirstByteTenWinsOverOtherFormats) {
  // A BMP whose first byte is patched to 10 and laid out as a PCX header is a PCX.
  const Image img = Pattern(6, 4);
  Bytes pcx = WritePcx(img, TestPalette());
  pcx[1] = 'M';  // not looked at
  Picture pic;
  ASSERT_TRUE(Load(pic, pcx));
  ExpectFrame(pic.frames()[0], img);
}

TEST(BmpDecoder, BottomUpRowsRoundTrip) {
  const Image img = Pattern(24, 11);
  const Palette pal = TestPalette(5);
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteBmp(img, pal)));
  ExpectFrame(pic.frames()[0], img);
  ExpectPalette(pic, pal);
}

TEST(BmpDecoder, PaddingBecomesColumns) {
  // 13 pixels wide: 16-byte rows, the three padding bytes are the rightmost columns.
  const Image img = Pattern(13, 7);
  Bytes b = WriteBmp(img, TestPalette());
  // Put something visible into the padding of the first stored row (the bottom one).
  b[14 + 40 + 1024 + 13] = 0xAB;
  Picture pic;
  ASSERT_TRUE(Load(pic, b));
  const PictureFrame& f = pic.frames()[0];
  EXPECT_EQ(f.width, 16);
  ExpectFrame(f, img);
  EXPECT_EQ(f.pixels[size_t(6) * 16 + 13], 0xAB);
}

TEST(BmpDecoder, NegativeHeightIsReadTopDown) {
  const Image img = Pattern(8, 5);
  BmpOptions o;
  o.topDown = true;
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteBmp(img, TestPalette(), o)));
  EXPECT_EQ(pic.frames()[0].height, 5);
  ExpectFrame(pic.frames()[0], img);
}

TEST(BmpDecoder, NegativeWidthUsesItsAbsoluteValue) {
  const Image img = Pattern(8, 3);
  BmpOptions o;
  o.negativeWidth = true;
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteBmp(img, TestPalette(), o)));
  ExpectFrame(pic.frames()[0], img);
}

TEST(BmpDecoder, PixelsAreReadFromTheDataOffset) {
  const Image img = Pattern(12, 6);
  BmpOptions o;
  o.gap = 34;
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteBmp(img, TestPalette(), o)));
  ExpectFrame(pic.frames()[0], img);
}

TEST(BmpDecoder, Rle8IsDecoded) {
  Image img = Pattern(21, 9);
  for (int x = 0; x < 21; ++x) img.at(x, 4) = 7;  // a long run
  BmpOptions o;
  o.rle8 = true;
  const Palette pal = TestPalette(2);
  Picture pic;
  ASSERT_TRUE(Load(pic, WriteBmp(img, pal, o)));
  EXPECT_EQ(pic.frames()[0].width, 24);
  ExpectFrame(pic.frames()[0], img, 0);
  ExpectPalette(pic, pal);
}

TEST(BmpDecoder, Rle8DeltaAndEarlyEndLeaveZeros) {
  Image img(8, 4);
  Bytes b = WriteBmp(img, TestPalette(), {});
  Bytes bmp(b.begin(), b.begin() + 14 + 40 + 1024);
  Patch32(bmp, 30, 1);
  // Bottom row: 2 x 3; delta right 4 and up 2; 1 x 9; end of bitmap.
  Append(bmp, {2, 3, 0, 2, 4, 2, 1, 9, 0, 1});
  Picture pic;
  ASSERT_TRUE(Load(pic, bmp));
  Image want(8, 4);
  want.at(0, 3) = 3;
  want.at(1, 3) = 3;
  want.at(6, 1) = 9;
  ExpectFrame(pic.frames()[0], want);
}

TEST(BmpDecoder, OnlyTwoHundredFiftySixColoursAreRead) {
  const Image img = Pattern(8, 8);
  {
    BmpOptions o;
    o.coloursUsed = 256;
    Picture pic;
    EXPECT_TRUE(Load(pic, WriteBmp(img, TestPalette(), o)));
  }
  for (auto [bits, used] : {std::pair{8, 16}, std::pair{4, 0}, std::pair{24, 0}, std::pair{1, 0}}) {
    BmpOptions o;
    o.bitsPerPixel = bits;
    o.coloursUsed = used;
    Picture pic;
    EXPECT_FALSE(Load(pic, WriteBmp(img, TestPalette(), o))) << bits << " " << used;
    EXPECT_STREQ(pic.lastError(), kPictureUnsupported);
  }
}

TEST(BmpDecoder, OtherCompressionsAreRefused) {
  Bytes b = WriteBmp(Pattern(8, 8), TestPalette());
  Patch32(b, 30, 2);  // RLE4
  Picture pic;
  EXPECT_FALSE(Load(pic, b));
  Patch32(b, 30, 3);  // bit fields
  EXPECT_FALSE(Load(pic, b));
}

TEST(BmpDecoder, ShortFileKeepsTheRowsItHas) {
  const Image img = Pattern(8, 6);
  Bytes b = WriteBmp(img, TestPalette());
  b.resize(b.size() - 8 - 3);  // the top row is missing, the next one cut after 5 pixels
  Picture pic;
  ASSERT_TRUE(Load(pic, b));
  const PictureFrame& f = pic.frames()[0];
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool present = y >= 2 || (y == 1 && x < 5);
      EXPECT_EQ(f.pixels[y * 8 + x], present ? img.at(x, y) : 0) << x << "," << y;
    }
}

TEST(BmpWriter, WrittenFilesDecodeToTheSameFrame) {
  const Image img = Pattern(13, 5);
  const Palette pal = TestPalette(4);
  const Bytes written = EncodeBmp8(img.width, img.height, img.pixels.data(), pal.data());
  Picture pic;
  ASSERT_TRUE(Load(pic, written));
  ExpectFrame(pic.frames()[0], img, 0);
  ExpectPalette(pic, pal);
  // Same layout as the independent writer.
  EXPECT_EQ(written.size(), WriteBmp(img, pal).size());
}
