// A bundle's GIF against the canvas: ffmpeg's reading of every frame equals the
// canvas's own painting of that motion (enlarged by the scale), with the boxes and
// points when asked for; frames last as playback shows them, the rounding carried.
#include "motion/motion_gif.h"

#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "support/other_decoders.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// Three motions over a 7 x 5 sprite of several colours: plain, flipped both ways and
// translucent, far apart so that the canvas must hold all three.
struct GifFixture : CanvasFixture {
  GifFixture() : CanvasFixture(3) {
    std::vector<uint8_t> px(35);
    for (size_t i = 0; i < px.size(); ++i) px[i] = uint8_t(i % 4 == 0 ? 0 : 20 + 7 * i);
    doc.file.sprites.Append(std::make_unique<Sprite>(7, 5, px));
    Sprite* s = doc.file.sprites.Get(1);
    const int32_t delays[] = {3, 1, 60};
    for (int i = 0; i < 3; ++i) {
      Motion& m = motion(i);
      m = DistinctMotion(i + 1);
      m.sprite = s;
      m.delay = delays[i];
      m.effects = i == 0 ? 0 : i == 1 ? 3 : 4;
    }
    settings.showBaseLine = settings.showInfo = false;
  }
};

}  // namespace

TEST(MotionGif, FramesAreTheCanvasPaintingOfEachMotion) {
  if (!gifcheck::HaveDecoders()) GTEST_SKIP() << "ffmpeg or ImageMagick missing";
  GifFixture f;
  const ScratchFolder scratch("motion_gif_test");
  const fs::path& dir = scratch.dir;
  // Scale, boxes, points, see-through, background.
  for (const MotionGifOptions& options :
       {MotionGifOptions{1, false, false, false, 255}, MotionGifOptions{1, true, true, false, 255},
        MotionGifOptions{3, true, false, false, 30}}) {
    GifOut movie;
    std::string reason;
    ASSERT_TRUE(MakeMotionGif(*f.bundle, TestPalette(), options, movie, reason)) << reason;
    const std::vector<uint8_t> gif = EncodeGif(movie);
    const fs::path file = dir / "bundle.gif";
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(gif.data()), long(gif.size()));
    const gifcheck::Bytes decoded = gifcheck::FfmpegFrames(file, dir);
    MotionGifCanvas canvas;
    ASSERT_TRUE(BundleCanvas(*f.bundle, options, canvas, reason));
    ASSERT_EQ(decoded.size(), size_t(3) * movie.width * movie.height * 4);
    EXPECT_EQ(movie.width, canvas.width * options.scale);

    f.settings.baseX = canvas.baseX;
    f.settings.baseY = canvas.baseY;
    f.settings.showBoxes = options.boxes;
    f.settings.showPoints = options.points;
    f.settings.indices.boxes = options.markColours;
    for (int i = 0; i < 3; ++i) {
      f.bundle->select(i);
      TestSurface s(canvas.width + 8, canvas.height + 8, uint8_t(options.background));
      f.canvas.paint(*s.dc);
      const uint8_t* pal = TestPalette().palette();
      for (int y = 0; y < movie.height; ++y)
        for (int x = 0; x < movie.width; ++x) {
          const uint8_t* want = pal + 3 * s.at(x / options.scale, y / options.scale);
          const uint8_t* got = &decoded[((size_t(i) * movie.height + y) * movie.width + x) * 4];
          ASSERT_TRUE(std::equal(want, want + 3, got))
              << "scale " << options.scale << " frame " << i << " at " << x << "," << y;
        }
    }
  }
}

TEST(MotionGif, DelaysCarryTheRoundingSoTheLoopKeepsItsLength) {
  struct Case {
    std::vector<int32_t> delays;
    std::vector<int32_t> hundredths;
  };
  const Case cases[] = {
      {{3, 3, 3}, {7, 7, 6}},        // 68 ms each: 7, 14, 20 in all
      {{1, 1, 1, 1}, {3, 4, 3, 4}},  // 34 ms each
      {{4}, {9}},                    // 85 ms: a half rounds up
      {{0, -5, 60}, {2, 1, 104}},    // a delay below zero shows one tick, as playback does
  };
  for (const Case& c : cases) {
    MotionBundle bundle("b");
    FillBundle(bundle, int(c.delays.size()));
    for (size_t i = 0; i < c.delays.size(); ++i) bundle.get(int(i))->delay = c.delays[i];
    EXPECT_EQ(GifDelays(bundle), c.hundredths) << "first delay " << c.delays[0];
  }
}

TEST(MotionGif, SeeThroughWhereNoMotionDrawsAndRefusals) {
  GifFixture f;
  f.motion(0).sprite->pixels[2] = 255;  // the background's colour, drawn: not see-through
  MotionGifOptions options;
  options.transparent = true;
  GifOut movie;
  std::string reason;
  ASSERT_TRUE(MakeMotionGif(*f.bundle, TestPalette(), options, movie, reason)) << reason;
  ASSERT_GE(movie.transparentIndex, 0);
  // The first motion's sprite is not flipped: its transparent pixel (0, 0) is
  // see-through, its pixel (1, 0) is its own colour.
  MotionGifCanvas canvas;
  ASSERT_TRUE(BundleCanvas(*f.bundle, options, canvas, reason));
  const size_t at = size_t(canvas.baseY + f.motion(0).relY) * movie.width + canvas.baseX + f.motion(0).relX;
  EXPECT_EQ(movie.frames[0].indices[at], movie.transparentIndex);
  EXPECT_EQ(movie.frames[0].indices[at + 1], 20 + 7);
  EXPECT_EQ(movie.frames[0].indices[at + 2], 255);
  EXPECT_EQ(movie.frames[0].indices[0], movie.transparentIndex);  // the third motion's column, left of it
  const size_t third = size_t(canvas.baseY + f.motion(2).relY + 1) * movie.width;  // its sprite's (0, 1)
  EXPECT_NE(movie.frames[2].indices[third], movie.transparentIndex);
  // Enlarged, every pixel, see-through or not, becomes a square of its own.
  const GifOut one = movie;
  options.scale = 4;  // the largest
  ASSERT_TRUE(MakeMotionGif(*f.bundle, TestPalette(), options, movie, reason)) << reason;
  for (size_t i = 0; i < movie.frames.size(); ++i)
    for (int32_t y = 0; y < movie.height; ++y)
      for (int32_t x = 0; x < movie.width; ++x)
        ASSERT_EQ(movie.frames[i].indices[size_t(y) * movie.width + x],
                  one.frames[i].indices[size_t(y / 4) * one.width + x / 4])
            << "frame " << i << " at " << x << "," << y;
  // Made again into the same movie: nothing of the first one stays.
  options.transparent = false;
  ASSERT_TRUE(MakeMotionGif(*f.bundle, TestPalette(), options, movie, reason)) << reason;
  EXPECT_EQ(movie.transparentIndex, -1);
  EXPECT_EQ(movie.frames.size(), size_t(f.bundle->count()));
  EXPECT_EQ(movie.colours.size(), 256u);
  options.scale = 5;
  EXPECT_FALSE(MakeMotionGif(*f.bundle, TestPalette(), options, movie, reason));
  options.scale = 1;
  options.transparent = true;

  MotionBundle empty("empty");
  EXPECT_FALSE(MakeMotionGif(empty, TestPalette(), options, movie, reason));
  f.motion(0).relX = 1 << 30;  // the canvas would be far too large
  EXPECT_FALSE(MakeMotionGif(*f.bundle, TestPalette(), options, movie, reason));
  EXPECT_NE(reason.find("too large"), std::string::npos) << reason;
  // Every frame is held whole: a side of 32767, 2^26 pixels a frame and 2^30 in all pass.
  options.boxes = true;
  for (auto [right, bottom, motions, fits] : {std::tuple{32766, 1, 16, true},
                                              {8191, 8191, 16, true},
                                              {8191, 8191, 17, false},
                                              {8191, 8192, 1, false}}) {
    MotionBundle big("big");
    FillBundle(big, motions);
    big.get(0)->boxes[0] = MotionBox{0, 0, right, bottom};
    EXPECT_EQ(BundleCanvas(big, options, canvas, reason), fits) << right << " x " << bottom;
  }
}
