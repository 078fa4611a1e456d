// PNG and GIF pictures made by ImageMagick, loaded as the cutter loads them: indexed
// PNGs keep their indices and palette, true colour takes the nearest colours of the
// mapping palette (fully transparent pixels index 0), and GIF frames come in the
// first image's palette, other tables mapped to it.
#include <gtest/gtest.h>

#include <cstring>

#include "cutter/picture.h"
#include "images/gif_reader.h"
#include "support/reader_support.h"

using namespace readertest;

namespace {

class PngGifImport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Succeeds("convert -version")) GTEST_SKIP() << "ImageMagick convert not found";
  }
  // Makes the file with convert, loads it and returns ImageMagick's frames.
  std::vector<Rgba> Load(const std::string& options, const std::string& name) {
    const fs::path file = tmp_.dir / name;
    EXPECT_TRUE(Succeeds("convert " + options + " " + Quoted(file)));
    EXPECT_TRUE(picture_.load(file)) << name << ": " << ReasonText(picture_.reason());
    EXPECT_TRUE(
        Succeeds("convert " + Quoted(file) + " -coalesce -depth 8 rgba:" + Quoted(tmp_.dir / "x.rgba")));
    bytes_ = ReadAll(file);
    return AsRgba(ReadAll(tmp_.dir / "x.rgba"));
  }
  Rgba ColourOf(uint8_t index) const {
    const uint8_t* c = picture_.palette().palette() + 3 * index;
    return MakeRgba(c[0], c[1], c[2]);
  }
  // Each frame pixel shows their colour, or (where `mapped` allows) the nearest one;
  // transparent pixels are index 0.
  void ExpectFrames(const std::vector<Rgba>& theirs, bool mapped) {
    size_t at = 0;
    for (const PictureFrame& frame : picture_.frames())
      for (size_t i = 0; i < frame.pixels.size(); ++i, ++at) {
        ASSERT_LT(at, theirs.size());
        const uint8_t index = frame.pixels[i];
        const Rgba their = theirs[at];
        if (AlphaOf(their) == 0) {
          ASSERT_EQ(index, 0) << "transparent pixel " << at;
        } else if (ColourOf(index) != (their | 0xFF000000u)) {
          ASSERT_TRUE(mapped) << "pixel " << at;
          ASSERT_EQ(index, NearestColor(picture_.palette(), their & 0xFFFFFF)) << "pixel " << at;
        }
      }
    EXPECT_EQ(at, theirs.size());
  }
  ScratchFolder tmp_{"png_gif_import_test"};
  Picture picture_;
  Bytes bytes_;
};

}  // namespace

TEST_F(PngGifImport, IndexedPngKeepsItsIndicesAndPalette) {
  const auto theirs =
      Load("-seed 4 -size 23x17 plasma: +dither -colors 40 -define png:color-type=3", "i.png");
  ExpectFrames(theirs, false);
  EXPECT_FALSE(picture_.coloursMapped());
  // Entries past the PLTE chunk are black.
  const uint8_t* pal = picture_.palette().palette();
  size_t at = 8;
  while (at + 8 < bytes_.size() && std::memcmp(&bytes_[at + 4], "PLTE", 4) != 0)
    at += 12 + (size_t(bytes_[at]) << 24 | bytes_[at + 1] << 16 | bytes_[at + 2] << 8 | bytes_[at + 3]);
  ASSERT_LT(at + 8, bytes_.size());
  const size_t plte = size_t(bytes_[at + 2]) << 8 | bytes_[at + 3];
  ASSERT_LT(plte, 768u);
  EXPECT_EQ(std::memcmp(pal, &bytes_[at + 8], plte), 0);
  EXPECT_TRUE(std::all_of(pal + plte, pal + 768, [](uint8_t b) { return b == 0; }));
}

TEST_F(PngGifImport, TrueColourIsMappedToTheMappingPalette) {
  PaletteBlock ramp;  // reds, greens, blues and greys, 64 levels each
  for (int i = 0; i < 256; ++i) {
    const uint8_t level = uint8_t((i % 64) * 4 + 3), group = uint8_t(i / 64);
    uint8_t* c = ramp.palette() + 3 * i;
    c[0] = group == 0 || group == 3 ? level : 0;
    c[1] = group == 1 || group == 3 ? level : 0;
    c[2] = group == 2 || group == 3 ? level : 0;
  }
  picture_.setMappingPalette(ramp);
  for (const char* options :
       {"-seed 4 -size 23x17 plasma: -alpha set -channel A -fx 'i%4==0?0:1' +channel -depth 8",
        "-seed 4 -size 23x17 plasma: -colorspace Gray -depth 8"}) {
    const auto theirs = Load(options, "t.png");
    EXPECT_TRUE(picture_.coloursMapped());
    EXPECT_EQ(std::memcmp(picture_.palette().palette(), ramp.palette(), 768), 0);
    ExpectFrames(theirs, true);
  }
}

TEST_F(PngGifImport, GifFramesTakeTheFirstImagesPalette) {
  const auto theirs = Load(
      "-dispose 2 -seed 4 -size 30x20 plasma: +dither -colors 20 \\( -size 9x8 gradient:yellow-navy -repage "
      "+4+3 \\) "
      "-dispose 3 \\( -size 6x6 xc:none -fill red -draw 'circle 3,3 3,1' -repage +20+10 \\) "
      "\\( -size 30x20 xc:none -fill lime -draw 'point 5,5' \\)",
      "a.gif");
  EXPECT_EQ(picture_.frameCount(), 4);
  ExpectFrames(theirs, true);
  // The yellow-to-navy image brings a table of its own, so the mapping was needed.
  GifFile file;
  std::string reason;
  ASSERT_TRUE(ParseGif(bytes_.data(), bytes_.size(), file, reason));
  EXPECT_NE(file.images[1].colours, file.images[0].colours);
  for (int i = 0; i < file.images[0].tableSize; ++i)
    EXPECT_EQ(ColourOf(uint8_t(i)), file.images[0].colours[i] | 0xFF000000u);
  EXPECT_TRUE(picture_.selectFrame(3));
}
