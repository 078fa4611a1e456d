// The PCX writer and the sprite sheet: a sheet written and decoded, then cut
// outward, gives back its sprites in order.
#include "cutter/pcx_writer.h"

#include <gtest/gtest.h>

#include "cutter/sprite_sheet.h"
#include "cutter_test_files.h"

using namespace edtest;

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
