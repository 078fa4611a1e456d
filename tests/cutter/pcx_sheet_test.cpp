// The PCX writer and the sprite sheet: a sheet written and decoded, then cut
// outward, gives back its sprites in order.
#include "cutter/pcx_writer.h"

#include <gtest/gtest.h>

#include "cutter/sprite_sheet.h"
#include "cutter_test_files.h"

using namespace edtest;

namespace {

// Connected figures that touch the four edges of their box, holes and diagonal
// links included.
std::unique_ptr<Sprite> Figure(int kind, int w, int h, uint8_t colour) {
  auto s = MakeSprite(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      bool on = true;
      if (kind == 1) on = x == 0 || y == 0 || x == w - 1 || y == h - 1;                   // ring
      if (kind == 2) on = x == w / 2 || y == h / 2;                                       // plus
      if (kind == 3) on = x * (h - 1) / std::max(w - 1, 1) == y || x == 0 || x == w - 1;  // N
      if (on) s->pixels[size_t(y) * w + x] = static_cast<uint8_t>(colour + (x + y) % 3);
    }
  return s;
}

SpriteSet Figures(int count, uint32_t seed) {
  SpriteSet set;
  for (int i = 0; i < count; ++i) {
    seed = seed * 1664525u + 1013904223u;
    const int w = 1 + (seed >> 8) % 40, h = 1 + (seed >> 16) % 30;
    set.Append(Figure(i % 4, w, h, static_cast<uint8_t>(1 + (seed >> 24) % 250)));
  }
  set.SetCurrent(0);
  return set;
}

}  // namespace

TEST(SpriteSheet, CutsBackIntoTheSameSpritesInOrder) {
  const PaletteBlock palette = BuiltinPaletteBlock();
  for (uint32_t seed : {1u, 2u, 3u}) {
    SpriteSet set = Figures(seed == 1 ? 1 : 150, seed);
    SpriteSheet sheet;
    ASSERT_TRUE(MakeSpriteSheet(set, sheet, kMaxPcxSide));
    EXPECT_EQ(sheet.width % 2, 0);  // our decoder keeps even scan lines
    const std::vector<uint8_t> file =
        EncodePcx(sheet.width, sheet.height, sheet.pixels.data(), palette.palette());
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    EXPECT_EQ(sheet.pixels[0], 0);  // the corner is background
    const std::vector<CutRect> rects = ExpectCutsBack(file, set);
    for (size_t i = 0; i < rects.size(); ++i) EXPECT_EQ(rects[i].left, sheet.places[i].x);
  }
  // 126 equal pixels: two runs of 63, the longest a run byte holds.
  EXPECT_EQ(EncodePcx(126, 1, std::vector<uint8_t>(126, 7).data(), palette.palette()).size(), 128u + 4 + 769);
  const uint8_t one = 1;  // sides a PCX header cannot state
  EXPECT_TRUE(EncodePcx(32768, 1, &one, palette.palette()).empty());
  EXPECT_TRUE(EncodePcx(0, 1, &one, palette.palette()).empty());
  SpriteSheet sheet;
  SpriteSet none;
  EXPECT_FALSE(MakeSpriteSheet(none, sheet, kMaxPcxSide));
  SpriteSet wide;
  wide.Append(MakeSprite(99, 2, 1));
  EXPECT_FALSE(MakeSpriteSheet(wide, sheet, 100));  // no room for the margin
  EXPECT_FALSE(MakeSpriteSheet(wide, sheet, 101));  // 101 wide, no room to make it even
  EXPECT_FALSE(MakeSingleSpriteSheet(*MakeSprite(0, 4, 1), sheet, kMaxPcxSide));
  ASSERT_TRUE(MakeSingleSpriteSheet(*wide.Get(0), sheet, 100));
  EXPECT_EQ(sheet.width, 99);
}
