#include <gtest/gtest.h>

#include <string>

#include "support/graphics_test_support.h"

namespace {

// What the sprite shows at destination (X, Y) when drawn wholly visible at (x0, y0).
int SourceAt(const Sprite& s, int flags, int x0, int y0, int X, int Y) {
  int col = X - x0, row = Y - y0;
  if (col < 0 || row < 0 || col >= s.width || row >= s.height) return -1;
  if (flags & kFlipHorizontal) col = s.width - 1 - col;
  if (flags & kFlipVertical) row = s.height - 1 - row;
  return s.at(col, row);
}

}  // namespace

TEST(DrawSprite, EveryOrientationAndModeClippedOnEverySideShowsTheSameSourcePixels) {
  const Sprite s = PatternSprite(13, 9, 3);
  const DrawRectangle clip{20, 15, 40, 30};
  // Positions crossing each side, each corner, inside, and straddling everything.
  const std::pair<int, int> places[] = {{14, 18}, {35, 18}, {25, 10}, {25, 27}, {12, 11},
                                        {36, 26}, {24, 18}, {10, 8},  {33, 9},  {12, 28}};
  for (int flags = 0; flags < 8; ++flags) {
    for (int colour : {-1, 0, 33}) {  // 0 is a silhouette colour like any other
      for (const auto& [x, y] : places) {
        Canvas c(60, 50, clip, 0);
        c.pattern();
        const auto below = c.snapshot();
        c.dc->DrawSprite(x - clip.left, y - clip.top, &s, flags, colour);  // the origin is the clip corner
        auto want = [&, x0 = x, y0 = y](int X, int Y) {
          const uint8_t old = below[static_cast<size_t>(Y * 60 + X)];
          const int src = SourceAt(s, flags, x0, y0, X, Y);
          if (X < clip.left || X >= clip.right || Y < clip.top || Y >= clip.bottom || src <= 0) return old;
          const uint8_t v = static_cast<uint8_t>(colour < 0 ? src : colour);
          return (flags & kTranslucent) ? Mix(old, v) : v;
        };
        ExpectPixels(c, want,
                     "flags " + std::to_string(flags) + " colour " + std::to_string(colour) + " at " +
                         std::to_string(x) + "," + std::to_string(y));
      }
    }
  }
}

TEST(DrawSprite, NullShortAndOutsideSpritesDrawNothing) {
  Canvas c(30, 30, 0);
  Sprite lying(5, 5, {1, 2, 3});  // claims more pixels than it has
  const Sprite s = PatternSprite(4, 4);
  EXPECT_EQ(c.dc->DrawSprite(0, 0, nullptr, 0, -1), 0);
  EXPECT_EQ(c.dc->DrawSprite(0, 0, &lying, 0, -1), 0);
  EXPECT_EQ(c.dc->DrawSprite(29, 29, &s, 0, -1), 0);  // only the excluded last column/row
  EXPECT_EQ(c.dc->DrawSprite(-4, 0, &s, 0, -1), 0);
  EXPECT_EQ(c.dc->DrawSprite(2000000000, 2000000000, &s, 3, -1), 0);
  EXPECT_EQ(c.dc->DrawSprite(-2147483647, 5, &s, 0, -1), 0);
  EXPECT_EQ(c.dc->DrawSpriteScaled(0, 0, &lying, 2.0f, 0, -1), 0);
  EXPECT_EQ(c.dc->DrawSpriteScaled(0, 0, nullptr, 1.0f, 0, -1), 0);
  EXPECT_EQ(c.dc->DrawMask(0, 0, &lying, 1, 2), 0);
  EXPECT_EQ(c.dc->DrawMask(29, 29, &s, 1, 2), 0);
  for (uint8_t v : c.snapshot()) ASSERT_EQ(v, 0);
}

// Half, double and one, as own colours or a silhouette in colour 77, solid or mixed
// with what lies below.
TEST(DrawSpriteScaled, HalfAndDoubleSample16Dot16Steps) {
  const Sprite s = PatternSprite(60, 40, 5);
  for (auto [scale, colour, translucent] :
       {std::tuple{0.5f, -1, 0}, {2.0f, -1, 0}, {1.0f, 77, 0}, {2.0f, -1, 1}, {0.5f, 77, 1}}) {
    Canvas c(130, 90, 0);
    c.pattern();
    const auto below = c.snapshot();
    EXPECT_EQ(c.dc->DrawSpriteScaled(3, 4, &s, scale, translucent, colour), 1);
    const int w = static_cast<int>(60 * scale), h = static_cast<int>(40 * scale);
    for (int y = 0; y < 90; ++y)
      for (int x = 0; x < 130; ++x) {
        const bool in = x >= 3 && x < 3 + w && y >= 4 && y < 4 + h;
        const int v = in ? s.at(int((x - 3) / scale), int((y - 4) / scale)) : 0;
        const uint8_t old = below[static_cast<size_t>(y * 130 + x)];
        const uint8_t shown = static_cast<uint8_t>(colour >= 0 ? colour : v);
        ASSERT_EQ(c.at(x, y), !v            ? old
                              : translucent ? Mix(old, shown)
                                            : shown)
            << scale << " at " << x << "," << y;
      }
  }
}

TEST(DrawSpriteScaled, ClippedMatchesUnclipped) {
  const Sprite s = PatternSprite(37, 23, 4);
  Canvas full(100, 100, 0);
  full.dc->DrawSpriteScaled(10, 20, &s, 1.7f, 1, -1);
  const DrawRectangle clip{25, 30, 50, 40};
  Canvas part(100, 100, clip, 0);
  part.dc->DrawSpriteScaled(10 - clip.left, 20 - clip.top, &s, 1.7f, 1, -1);
  ExpectPixels(part, [&](int x, int y) {
    return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom ? full.at(x, y) : 0;
  });
}

TEST(DrawSpriteScaled, OddScalesStayInsideTheSprite) {
  const Sprite s = PatternSprite(100, 3, 9, false);
  Canvas c(400, 400, 0);
  for (float scale : {0.6f, 0.3f, 0.07f, 1.3f, 3.999f, 0.01f, 1e-9f, 1e9f}) {
    c.dc->DrawSpriteScaled(0, 0, &s, scale, 0, -1);
    c.dc->DrawSpriteScaled(-5, -7, &s, scale, 1, 3);
  }
  EXPECT_EQ(c.dc->DrawSpriteScaled(0, 0, &s, 0.0f, 0, -1), 0);
  EXPECT_EQ(c.dc->DrawSpriteScaled(0, 0, &s, -2.0f, 0, -1), 0);
  // 0.6 x 100 pixels wide: the last column shows the last-but-one source column.
  Canvas d(100, 10, 0);
  d.dc->DrawSpriteScaled(0, 0, &s, 0.6f, 0, -1);
  EXPECT_EQ(d.at(59, 0), s.at(98, 0));
  EXPECT_EQ(d.at(60, 0), 0);
  // A row that rounds past the sprite's last shows the last row, not the bytes after it.
  const Sprite one(1, 1, {5, 6});
  d.dc->DrawSpriteScaled(0, -33554435, &one, 33554436.0f, 0, -1);
  EXPECT_EQ(d.at(0, 0), 5);
}

TEST(DrawMask, OnlyValues255And254AreDrawn) {
  const Sprite s(5, 1, {255, 254, 253, 0, 1});
  // Unclipped, clipped on the right (its last column stays), clipped on the left:
  // the mask starts at its second pixel.
  const std::tuple<DrawRectangle, int, std::vector<int>> cases[] = {
      {{0, 0, 9, 2}, 2, {9, 9, 30, 40, 9, 9, 9}},
      {{0, 0, 3, 2}, 2, {9, 9, 30, 9, 9, 9, 9}},
      {{3, 0, 9, 2}, -1, {9, 9, 9, 40, 9, 9, 9}},
  };
  for (const auto& [clip, x, row] : cases) {
    Canvas c(10, 3, clip, 9);
    EXPECT_EQ(c.dc->DrawMask(x, 1, &s, 30, 40), 1);
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(c.at(i, 1), row[i]) << clip.left << "," << clip.right << " at " << i;
  }
}

TEST(CopyBlock, CopiesZerosAndClipsInclusively) {
  const uint8_t block[12] = {0, 1, 2, 3, 4, 0, 6, 7, 8, 9, 10, 0};
  Canvas c(10, 10, 99);
  EXPECT_EQ(c.dc->CopyBlock(2, 3, block, 4, 3), 1);
  ExpectPixels(
      c, [&](int x, int y) { return x >= 2 && x < 6 && y >= 3 && y < 6 ? block[(y - 3) * 4 + x - 2] : 99; });
  // Clipped on all four sides; the clip's last column and row are written.
  Canvas d(10, 10, DrawRectangle{3, 4, 4, 4}, 99);
  EXPECT_EQ(d.dc->CopyBlock(-1, -1, block, 4, 3), 1);  // origin (3, 4): block at (2, 3)
  ExpectPixels(d, [&](int x, int y) { return (x == 3 || x == 4) && y == 4 ? block[1 * 4 + (x - 2)] : 99; });
  EXPECT_EQ(d.dc->CopyBlock(2, 0, block, 4, 3), 0);    // starts right of the clip
  EXPECT_EQ(d.dc->CopyBlock(-5, -1, block, 4, 3), 0);  // ends left of it
  EXPECT_EQ(d.dc->CopyBlock(0, 0, nullptr, 4, 3), 0);
  EXPECT_EQ(d.dc->CopyBlock(0, 0, block, 0, 3), 0);
}
