// GIF files that ImageMagick writes (pictures, animations with every disposal method,
// transparency, interlacing, local colour tables) decode to the frames ImageMagick
// composes from them; damaged copies are refused with a reason.
#include "images/gif_reader.h"

#include <functional>

#include "support/reader_support.h"

using namespace readertest;

namespace {

class GifFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Succeeds("convert -version")) GTEST_SKIP() << "ImageMagick convert not found";
  }
  Bytes Write(const std::string& options) {
    const std::string command = "convert " + options + " " + Quoted(tmp_.dir / "x.gif");
    EXPECT_TRUE(Succeeds(command)) << command;
    return ReadAll(tmp_.dir / "x.gif");
  }
  // Every frame as ImageMagick composes it, one after the other.
  std::vector<Rgba> Theirs() {
    EXPECT_TRUE(Succeeds("convert " + Quoted(tmp_.dir / "x.gif") +
                         " -coalesce -depth 8 rgba:" + Quoted(tmp_.dir / "x.rgba")));
    return AsRgba(ReadAll(tmp_.dir / "x.rgba"));
  }
  ScratchFolder tmp_{"gif_reader_test"};
};

// Frames: a background, then smaller pictures placed over it, some with holes.
const std::string kScene =
    "-size 40x30 plasma: -repage +0+0 -seed 3 \\( -size 12x9 plasma: -repage +5+4 \\) "
    "\\( -size 20x11 gradient:red-blue -repage +17+13 \\) "
    "\\( -size 9x9 xc:none -fill lime -draw 'circle 4,4 4,1' -repage +2+18 \\) "
    "\\( -size 7x5 xc:yellow -repage +30+2 \\)";

struct Movie {
  const char* what;
  std::string options;
};

}  // namespace

TEST_F(GifFiles, FramesAreComposedAsImageMagickComposesThem) {
  const Movie kMovies[] = {
      {"one picture", "-seed 5 -size 33x21 plasma: -colors 50"},
      {"one interlaced picture", "-seed 5 -size 21x45 plasma: -interlace GIF"},
      {"dispose 0", "-seed 5 -dispose 0 " + kScene},
      {"dispose 1", "-seed 5 -dispose 1 " + kScene},
      {"dispose 2", "-seed 5 -dispose 2 " + kScene},
      {"dispose 3", "-seed 5 -dispose 3 " + kScene},
      {"dispose 3 interlaced", "-seed 5 -dispose 3 " + kScene + " -interlace GIF"},
      {"mixed disposals",
       "-seed 5 -dispose 1 -size 40x30 plasma: -repage +0+0 -dispose 3 \\( -size 12x9 plasma: -repage +5+4 "
       "\\) "
       "-dispose 2 \\( -size 9x9 xc:none -fill lime -draw 'circle 4,4 4,1' -repage +2+18 \\) "
       "-dispose 0 \\( -size 7x5 xc:yellow -repage +30+2 \\)"},
  };
  for (const Movie& movie : kMovies) {
    const Bytes file = Write(movie.options);
    const std::vector<Rgba> theirs = Theirs();
    GifMovie ours;
    std::string reason;
    ASSERT_TRUE(ReadGif(file.data(), file.size(), ours, reason)) << movie.what << ": " << reason;
    std::vector<Rgba> all;
    for (const GifFrame& f : ours.frames) all.insert(all.end(), f.pixels.begin(), f.pixels.end());
    ExpectSamePixels(all, theirs,
                     std::string(movie.what) + " (" + std::to_string(ours.frames.size()) + " frames)");
  }
}

TEST_F(GifFiles, DamagedFilesAreRefusedWithAReason) {
  const Bytes good = Write("-seed 5 -size 33x21 plasma: -colors 50");
  GifFile parsed;
  std::string why;
  ASSERT_TRUE(ParseGif(good.data(), good.size(), parsed, why)) << why;
  // The first image's data: descriptor, code size, then the first sub-block.
  size_t image = 13 + 3 * size_t(2 << (good[10] & 7));
  while (good[image] == 0x21) {
    image += 2;
    while (good[image]) image += good[image] + 1u;
    ++image;
  }
  ASSERT_EQ(good[image], 0x2C);
  const size_t codes = image + 10 + 1 + 1;  // after the code size and the first block length
  struct Damage {
    const char* reason;
    std::function<void(Bytes&)> apply;
  };
  const Damage kDamages[] = {
      {"no trailer", [](Bytes& b) { b.pop_back(); }},
      {"image data cut short", [&](Bytes& b) { b.resize(codes + 20); }},
      // Cut where the next sub-block's length byte would be.
      {"image data cut short", [&](Bytes& b) { b.resize(codes + b[codes - 1]); }},
      {"past the table", [&](Bytes& b) { b[codes] = 0xFF, b[codes + 1] = 0xFF; }},
      {"ends before the image is full", [&](Bytes& b) { b[image + 8] = 40; }},
      {"runs past the image", [&](Bytes& b) { b[image + 7] = 10, b[image + 5] = 3; }},
      {"LZW code size", [&](Bytes& b) { b[image + 10] = 11; }},
      {"too large", [&](Bytes& b) { b[image + 6] = 0xFF, b[image + 7] = 0xFF, b[image + 8] = 0xFF; }},
      {"screen size", [](Bytes& b) { b[6] = b[7] = b[8] = b[9] = 0; }},
      // 4097 pixels for each byte of the file: one more than a byte of LZW data gives.
      {"screen size",
       [](Bytes& b) { b[6] = 0x01, b[7] = 0x10, b[8] = uint8_t(b.size()), b[9] = uint8_t(b.size() >> 8); }},
      {"unknown block", [&](Bytes& b) { b[image] = 0x2D; }},
      {"not a GIF", [](Bytes& b) { b[3] = '7'; }},
  };
  for (const Damage& d : kDamages) {
    Bytes bad = good;
    d.apply(bad);
    GifMovie movie;
    std::string reason;
    EXPECT_FALSE(ReadGif(bad.data(), bad.size(), movie, reason)) << d.reason;
    EXPECT_NE(reason.find(d.reason), std::string::npos)
        << "wanted '" << d.reason << "', got '" << reason << "'";
    EXPECT_TRUE(movie.frames.empty()) << d.reason;
  }
  for (size_t n = 0; n < good.size(); n += 3) {
    GifMovie movie;
    std::string reason;
    EXPECT_FALSE(ReadGif(good.data(), n, movie, reason)) << "cut at " << n;
    // Thirteen bytes hold the whole screen descriptor: less is no GIF at all.
    EXPECT_EQ(reason == "not a GIF file", n < 13) << "cut at " << n << ": " << reason;
  }
}
