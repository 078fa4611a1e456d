#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>
#include <utility>

#include "support/graphics_test_support.h"

namespace {

using Points = std::set<std::pair<int, int>>;

// Pixels that differ from the background value bg.
Points Changed(const Canvas& c, uint8_t bg) {
  Points p;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (c.at(x, y) != bg) p.insert({x, y});
  return p;
}

// The line walk step by step, over every point, without any shortcut: the points
// a line (origin already added) plots inside the clip rectangle.
Points ReferenceLine(long x1, long y1, long x2, long y2, const DrawRectangle& clip) {
  Points out;
  const long sx = x2 < x1 ? -1 : 1, sy = y2 < y1 ? -1 : 1;
  const long dx = x2 > x1 ? x2 - x1 : x1 - x2, dy = y2 > y1 ? y2 - y1 : y1 - y2;
  long x = x1, y = y1, e = 0;
  auto visit = [&] {
    if (x >= clip.left && y >= clip.top) out.insert({int(x), int(y)});
  };
  if (dy < dx) {
    while ((sx > 0 ? x <= x2 : x >= x2) && x <= clip.right && y <= clip.bottom) {
      visit();
      e += dy;
      if (e > dx / 2) {
        y += sy;
        e -= dx;
      }
      x += sx;
    }
  } else {
    while ((sy > 0 ? y <= y2 : y >= y2) && x <= clip.right && y <= clip.bottom) {
      visit();
      if (e + dx > dy / 2) {
        x += sx;
        e = e + dx - dy;
      } else {
        e = e + dx;
      }
      y += sy;
    }
  }
  return out;
}

Points Box(int l, int t, int r, int b) {
  Points p;
  for (int y = t; y <= b; ++y)
    for (int x = l; x <= r; ++x) p.insert({x, y});
  return p;
}

}  // namespace

TEST(DrawLine, ExactPixelsOfBothBranchesAndDirections) {
  const std::vector<std::pair<std::array<int, 4>, Points>> cases = {
      {{0, 0, 4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},  // x-major
      {{0, 0, 2, 4}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},  // y-major
      {{4, 2, 0, 0}, {{4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}},  // walked from the first point
      {{0, 0, 3, 3}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
      {{7, 8, 7, 8}, {{7, 8}}},
      {{0, 5, -4, 6}, {{0, 5}}},                 // leaving from the edge keeps its first point
      {{9, 3, 7, 3}, {{9, 3}, {8, 3}, {7, 3}}},  // starting on the clip's last column
  };
  for (const auto& [l, want] : cases) {
    Canvas c(10, 10, 0);
    EXPECT_EQ(c.dc->DrawLine(l[0], l[1], l[2], l[3], 9, 0), 1);
    EXPECT_EQ(Changed(c, 0), want) << l[0] << "," << l[1] << " " << l[2] << "," << l[3];
  }
}

TEST(DrawLine, MatchesStepByStepWalkForRandomLinesAndClips) {
  // Lines starting far outside are placed by arithmetic, not walked there; what they
  // show must be what the walk shows. Millions of steps are still cheap to walk.
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coord(-300, 300), far(-5000000, 5000000), near(-20, 120);
  for (int i = 0; i < 3040; ++i) {
    const bool farStart = i >= 3000;
    const int l = farStart ? 0 : rng() % 60, t = farStart ? 0 : rng() % 60;
    const DrawRectangle clip{l, t, farStart ? 99 : l + int(rng() % 40), farStart ? 99 : t + int(rng() % 40)};
    Canvas c(100, 100, clip, 0);
    const int x1 = farStart ? far(rng) : coord(rng), y1 = farStart ? far(rng) : coord(rng);
    const int x2 = farStart ? near(rng) : coord(rng), y2 = farStart ? near(rng) : coord(rng);
    c.dc->DrawLine(x1, y1, x2, y2, 9, 0);
    ASSERT_EQ(Changed(c, 0), ReferenceLine(x1 + l, y1 + t, x2 + l, y2 + t, clip))
        << "line " << x1 << "," << y1 << " " << x2 << "," << y2 << " clip " << l << "," << t;
  }
  // Far ends whose clipped start lies exactly on a rounding boundary: there the error
  // term equals half the major length, and the minor step must not be taken yet.
  for (auto [x1, y1, x2, y2] : {std::tuple{-1000000, -1, 1000000, 2}, {-1, -1000000, 2, 1000000}}) {
    Canvas c(100, 100, 0);
    c.dc->DrawLine(x1, y1, x2, y2, 9, 0);
    const Points got = Changed(c, 0);
    EXPECT_EQ(got, ReferenceLine(x1, y1, x2, y2, DrawRectangle{0, 0, 99, 99})) << x1 << "," << y1;
    EXPECT_TRUE(got.count({0, 0})) << x1 << "," << y1;
  }
}

TEST(DrawLine, ExtremeCoordinatesEndAtTheEndPoint) {
  const int far = 2000000000;
  // The fourth is placed by an estimate that rounds one minor step too far.
  for (auto [x1, y1, x2, y2] : {std::tuple{-far, 50, 50, 60},
                                {-far, -far / 3, 80, 40},
                                {30, -far, 50, 90},
                                {-1135520872, -86024261, 33, 50}}) {
    Canvas c(100, 100, 0);
    c.dc->DrawLine(x1, y1, x2, y2, 9, 0);
    const Points got = Changed(c, 0);
    EXPECT_TRUE(got.count({x2, y2})) << x1 << "," << y1;
    // One pixel per step of the major axis inside the rectangle.
    EXPECT_EQ(got.size(), static_cast<size_t>(x1 == 30 ? 91 : x2 + 1)) << x1 << "," << y1;
  }
  Canvas c(100, 100, 0);
  c.dc->DrawLine(far, far, -far, -far, 9, 0);    // starts below and right: nothing
  c.dc->DrawLine(-far, 10, -far + 5, 10, 9, 0);  // wholly left of the clip
  EXPECT_TRUE(Changed(c, 0).empty());
}

TEST(Primitives, ExclusiveOrTwiceRestores) {
  Canvas c(40, 40);
  c.pattern();
  const auto before = c.snapshot();
  for (int pass = 0; pass < 2; ++pass) {
    c.dc->DrawLine(3, 2, 30, 17, -255, 0);
    c.dc->DrawLine(35, 1, 2, 38, -255, 0);
    c.dc->DrawRect(5, 6, 20, 30, -255, 0);
    c.dc->FillRect(1, 1, 14, 14, -255, 0);
  }
  EXPECT_EQ(c.snapshot(), before);
  c.dc->FillRect(0, 0, 0, 0, -255, 0);
  EXPECT_EQ(c.at(0, 0), before[0] ^ 255);
}

TEST(DrawRect, EachBorderPixelIsTouchedOnce) {
  for (auto [x1, y1, x2, y2] :
       {std::tuple{5, 6, 20, 30}, {4, 4, 4, 9}, {4, 4, 5, 9}, {4, 4, 9, 4}, {4, 4, 4, 4}, {9, 8, 2, 3}}) {
    Canvas c(40, 40);
    c.pattern();
    const auto before = c.snapshot();
    c.dc->DrawRect(x1, y1, x2, y2, -255, 0);
    const int l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        const bool onBorder = x >= l && x <= r && y >= t && y <= b && (x == l || x == r || y == t || y == b);
        const uint8_t old = before[static_cast<size_t>(y * 40 + x)];
        ASSERT_EQ(c.at(x, y), onBorder ? (old ^ 255) : old) << x << "," << y << " rect " << x1 << "," << y1;
      }
  }
  // Translucent: each of the ten border pixels of a 4 x 3 outline is mixed once.
  Canvas c(10, 10, 255);
  c.dc->DrawRect(0, 0, 3, 2, 9, 1);
  const uint8_t once = Mix(255, 9);
  ASSERT_NE(once, Mix(once, 9)) << "mixing twice must be visible for the test to mean anything";
  Points border = Box(0, 0, 3, 2);
  border.erase({1, 1});
  border.erase({2, 1});
  EXPECT_EQ(Changed(c, 255), border);
  for (auto [x, y] : border) EXPECT_EQ(c.at(x, y), once);
}

TEST(FillRect, ClampsToTheClipIncludingItsLastRowAndColumn) {
  const std::vector<std::tuple<std::array<int, 4>, int, Points>> cases = {
      {{-10, -10, 5, 5}, 1, Box(0, 0, 5, 5)},
      {{90, 90, 200, 200}, 1, Box(90, 90, 99, 99)},
      {{-2000000000, -2000000000, 2000000000, 2000000000}, 1, Box(0, 0, 99, 99)},
      {{100, 0, 110, 10}, 0, {}},
      {{-20, 0, -1, 10}, 0, {}},
      {{0, 100, 10, 110}, 0, {}},
      {{0, -9, 10, -1}, 0, {}},
      {{10, 10, 5, 20}, 0, {}},  // reversed
  };
  for (const auto& [r, result, want] : cases) {
    Canvas c(120, 120, DrawRectangle{0, 0, 99, 99}, 0);
    EXPECT_EQ(c.dc->FillRect(r[0], r[1], r[2], r[3], 9, 0), result) << r[0] << "," << r[1];
    EXPECT_EQ(Changed(c, 0), want) << r[0] << "," << r[1];
  }
  Canvas c(16, 16);  // translucent: each pixel mixed with what lies below
  c.pattern();
  const auto before = c.snapshot();
  c.dc->FillRect(0, 0, 15, 15, 40, 1);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(c.snapshot()[i], Mix(before[i], 40));
}
