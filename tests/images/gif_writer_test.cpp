// Our GIFs as other programs read them: ffmpeg and ImageMagick give back every frame's
// colours and delays, for small tables, the full table, noise that fills the LZW
// string table, runs that grow long strings, and a see-through colour.
#include "images/gif_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "images/gif_reader.h"
#include "support/other_decoders.h"
#include "support/scratch_folder.h"

using namespace gifcheck;
using readertest::AsRgba;
using readertest::ExpectSamePixels;

namespace {

struct Case {
  const char* name;
  int width, height, colours, frames;
  int pattern;  // 0 noise, 1 long runs, 2 stripes
  int transparent;
};

GifOut Make(const Case& c) {
  GifOut movie;
  movie.width = c.width;
  movie.height = c.height;
  movie.transparentIndex = c.transparent;
  movie.loop = c.frames > 1;  // a still picture has nothing to repeat
  for (int i = 0; i < c.colours; ++i)
    movie.colours.push_back(MakeRgba(uint8_t(i * 37), uint8_t(255 - i), uint8_t(i * 11)));
  std::mt19937 random(7);
  for (int f = 0; f < c.frames; ++f) {
    GifOutFrame frame;
    frame.delayCentiseconds = 3 * f;  // the first frame without a delay
    frame.indices.resize(size_t(c.width) * c.height);
    for (size_t i = 0; i < frame.indices.size(); ++i) {
      const size_t v = c.pattern == 0 ? random() : c.pattern == 1 ? i / 1000 + f : (i % c.width) / 3 + f;
      frame.indices[i] = uint8_t(v % size_t(c.colours));
    }
    movie.frames.push_back(frame);
  }
  return movie;
}

// What a decoder should show: the see-through colour with alpha 0, whatever the colour.
std::vector<Rgba> Expected(const GifOut& movie) {
  std::vector<Rgba> pixels;
  for (const GifOutFrame& f : movie.frames)
    for (uint8_t i : f.indices) pixels.push_back(i == movie.transparentIndex ? 0 : movie.colours[i]);
  return pixels;
}

}  // namespace

TEST(GifWriter, OtherProgramsReadEveryFrameAndDelay) {
  if (!HaveDecoders()) GTEST_SKIP() << "ffmpeg or ImageMagick missing";
  const Case cases[] = {
      {"one pixel, two colours", 1, 1, 2, 1, 0, -1},  {"three colours", 17, 5, 3, 3, 2, -1},
      {"full table, noise", 301, 203, 256, 2, 0, -1}, {"long runs", 400, 150, 256, 2, 1, -1},
      {"see-through", 40, 30, 16, 3, 2, 0},           {"five colours, noise", 255, 64, 5, 2, 0, 4},
  };
  const ScratchFolder scratch("gif_writer_test");
  const fs::path& dir = scratch.dir;
  for (const Case& c : cases) {
    const GifOut movie = Make(c);
    const Bytes gif = EncodeGif(movie);
    ASSERT_FALSE(gif.empty()) << c.name;
    const fs::path file = PathFromText(scratch.write("movie.gif", gif));
    const std::vector<Rgba> want = Expected(movie);
    ExpectSamePixels(AsRgba(MagickFrames(file, dir)), want, std::string("ImageMagick on ") + c.name);
    ExpectSamePixels(AsRgba(FfmpegFrames(file, dir)), want, std::string("ffmpeg on ") + c.name);
    std::string delays, sizes;
    for (const GifOutFrame& f : movie.frames) {
      delays += std::to_string(f.delayCentiseconds) + ",";
      sizes += std::to_string(c.width) + "x" + std::to_string(c.height) + ";";
    }
    EXPECT_EQ(MagickDelays(file), delays) << c.name;
    EXPECT_EQ(MagickSizes(file), sizes) << c.name;
    EXPECT_EQ(MagickIterations(file), movie.loop ? "0" : "") << c.name;  // 0: for ever
  }
}

TEST(GifWriter, ScreenHeaderAndRefusals) {
  GifOut good = Make({"", 4, 4, 4, 2, 2, -1});
  good.frames[1].delayCentiseconds = 65535;
  // 4 x 4, a global table of 4 colours, 8 bits per primary, background 0, no aspect.
  const Bytes header = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 4, 0, 0xF1, 0, 0};
  const Bytes gif = EncodeGif(good);
  EXPECT_EQ(Bytes(gif.begin(), gif.begin() + long(std::min(gif.size(), header.size()))), header);
  GifMovie back;
  std::string reason;
  ASSERT_TRUE(ReadGif(gif.data(), gif.size(), back, reason)) << reason;
  EXPECT_EQ(back.frames[1].delayCentiseconds, 65535);
  // Each code stream ends with a whole end code, which a reader told of one pixel more meets.
  for (int n = 1; n <= 24; ++n) {
    Bytes line = EncodeGif(Make({"", n, 1, 4, 1, 0, -1}));
    // The image's width, after the header, four colours and the control block (a still
    // picture has no repeat block).
    ++line[13 + 12 + 8 + 5];
    GifFile file;
    EXPECT_FALSE(ParseGif(line.data(), line.size(), file, reason));
    EXPECT_EQ(reason, "LZW end code before the image is full at byte 33") << n << " pixels";
  }
  // Noise fills the string table again and again; starting afresh each time keeps the
  // codes within half as much again as the raw four bits a pixel.
  EXPECT_LT(EncodeGif(Make({"", 300, 200, 16, 1, 0, -1})).size(), 300 * 200 * 4 / 8 * 3 / 2);
  // One colour throughout: the string table fills up to its last code, which the stream uses.
  const Bytes flat = EncodeGif(Make({"", 4096, 2048, 1, 1, 1, -1}));
  EXPECT_TRUE(ReadGif(flat.data(), flat.size(), back, reason)) << reason;
  std::vector<GifOut> bad(6, good);
  bad[0].width = 0;
  bad[1].colours.clear();
  bad[2].colours.resize(257);
  bad[3].frames[0].indices.pop_back();
  bad[4].frames[0].indices[5] = 4;
  bad[5].frames[0].delayCentiseconds = 65536;
  for (size_t i = 0; i < bad.size(); ++i) EXPECT_TRUE(EncodeGif(bad[i]).empty()) << "case " << i;
}
