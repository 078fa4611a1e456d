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
  // 126 equal pixels: two runs of 63, the longest a run byte holds. The header opens with the maker,
  // version, coding, depth, the corners (0, 0) and (125, 0), and 72 dpi both ways.
  const std::vector<uint8_t> row = EncodePcx(126, 1, std::vector<uint8_t>(126, 7).data(), palette.palette());
  EXPECT_EQ(row.size(), 128u + 4 + 769);
  EXPECT_EQ(std::vector<uint8_t>(row.begin(), row.begin() + 16),
            (std::vector<uint8_t>{10, 5, 1, 8, 0, 0, 0, 0, 125, 0, 0, 0, 72, 0, 72, 0}));
  const uint8_t pair[] = {7, 0xC5};  // a lone byte below 0xC0 stands alone; 0xC5 needs a run byte
  EXPECT_EQ(EncodePcx(2, 1, pair, palette.palette()).size(), 128u + 3 + 769);
  const uint8_t one = 1;  // sides a PCX header cannot state
  for (int width : {32768, 0}) EXPECT_TRUE(EncodePcx(width, 1, &one, palette.palette()).empty()) << width;
  SpriteSheet sheet;
  SpriteSet none;
  EXPECT_FALSE(MakeSpriteSheet(none, sheet, kMaxPcxSide));
  // Sprite sizes, the largest side, the sheet made (0 x 0: none). The margin must fit, so must the width
  // made even and the rows stacked; a sprite without pixels takes only its margin.
  using Sizes = std::vector<std::pair<int32_t, int32_t>>;
  for (auto [sizes, side, w, h] :
       {std::tuple{Sizes{{99, 2}}, 100, 0, 0},
        {Sizes{{99, 2}}, 101, 0, 0},
        {Sizes{{98, 2}}, 100, 100, 4},
        {Sizes{{2, 98}}, 100, 4, 100},
        {Sizes{{60, 60}, {60, 60}}, 100, 0, 0},
        {Sizes{{0, 0}}, 100, 2, 2},
        {Sizes{{100, 2}, {40, 2}, {40, 2}}, 1000, 102, 7},  // the first sprite sets the row length too
        {Sizes(6, {32, 20}), 1000, 34, 127}}) {             // rows as wide as the root of the area
    SpriteSet set;
    for (auto [sw, sh] : sizes) set.Append(MakeSprite(sw, sh, 1));
    sheet = {};
    EXPECT_EQ(MakeSpriteSheet(set, sheet, side), w > 0) << sizes[0].first << " in " << side;
    EXPECT_EQ(std::make_pair(sheet.width, sheet.height), std::make_pair(w, h));
  }
  EXPECT_FALSE(MakeSingleSpriteSheet(*MakeSprite(0, 4, 1), sheet, kMaxPcxSide));
  ASSERT_TRUE(MakeSingleSpriteSheet(*MakeSprite(99, 2, 1), sheet, 100));
  EXPECT_TRUE(sheet.width == 99 && sheet.places.size() == 1 && sheet.places[0].x == 0 &&
              sheet.places[0].y == 0);
}
