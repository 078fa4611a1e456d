#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>

#include "graphics_test_support.h"

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

}  // namespace

TEST(DrawLine, XMajorPixels) {
  Canvas c(10, 10, 0);
  c.dc->DrawLine(0, 0, 4, 2, 9, 0);
  EXPECT_EQ(Changed(c, 0), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
}

TEST(DrawLine, YMajorPixels) {
  Canvas c(10, 10, 0);
  c.dc->DrawLine(0, 0, 2, 4, 9, 0);
  EXPECT_EQ(Changed(c, 0), (Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}));
}

TEST(DrawLine, DiagonalAndSinglePoint) {
  Canvas c(10, 10, 0);
  c.dc->DrawLine(0, 0, 3, 3, 9, 0);
  EXPECT_EQ(Changed(c, 0), (Points{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
  Canvas d(10, 10, 0);
  d.dc->DrawLine(7, 8, 7, 8, 9, 0);
  EXPECT_EQ(Changed(d, 0), (Points{{7, 8}}));
}

TEST(DrawLine, ReversedDirectionsWalkFromTheFirstPoint) {
  Canvas c(10, 10, 0);
  c.dc->DrawLine(4, 2, 0, 0, 9, 0);
  // Walking from (4, 2) the minor steps fall at other places than forwards.
  EXPECT_EQ(Changed(c, 0), ReferenceLine(4, 2, 0, 0, c.dc->clip()));
  EXPECT_EQ(Changed(c, 0).size(), 5u);
}

TEST(DrawLine, StopsForGoodRightOfOrBelowTheClip) {
  Canvas c(50, 50, DrawRectangle{0, 0, 39, 39}, 0);
  c.dc->DrawLine(39 + 5, 10, 0, 10, 9, 0);
  c.dc->DrawLine(10, 45, 10, 0, 9, 0);
  EXPECT_TRUE(Changed(c, 0).empty());
  // Left of and above the clip the walk goes on.
  c.dc->DrawLine(-5, 10, 5, 10, 9, 0);
  Points want;
  for (int x = 0; x <= 5; ++x) want.insert({x, 10});
  EXPECT_EQ(Changed(c, 0), want);
}

TEST(DrawLine, WritesClipRightColumnAndBottomRow) {
  Canvas c(20, 20, DrawRectangle{2, 2, 12, 12}, 0);
  c.dc->DrawLine(0, 5, 20, 5, 9, 0);  // relative to the origin (2, 2): row 7
  c.dc->DrawLine(5, 0, 5, 20, 9, 0);  // column 7
  EXPECT_EQ(c.at(12, 12), 0);
  EXPECT_EQ(c.at(12, 7), 9) << "right column drawn";
  EXPECT_EQ(c.at(13, 7), 0);
  EXPECT_EQ(c.at(7, 12), 9) << "bottom row drawn";
  EXPECT_EQ(c.at(7, 13), 0);
}

TEST(DrawLine, MatchesStepByStepWalkForRandomLinesAndClips) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> coord(-300, 300);
  for (int i = 0; i < 3000; ++i) {
    const int l = rng() % 60, t = rng() % 60;
    const DrawRectangle clip{l, t, l + int(rng() % 40), t + int(rng() % 40)};
    Canvas c(100, 100, clip, 0);
    const int x1 = coord(rng), y1 = coord(rng), x2 = coord(rng), y2 = coord(rng);
    c.dc->DrawLine(x1, y1, x2, y2, 9, 0);
    ASSERT_EQ(Changed(c, 0), ReferenceLine(x1 + l, y1 + t, x2 + l, y2 + t, clip))
        << "line " << x1 << "," << y1 << " " << x2 << "," << y2 << " clip " << l << "," << t;
  }
}

TEST(DrawLine, FarStartsGiveTheSamePixelsAsTheWalk) {
  // A line starting far outside is placed by arithmetic, not walked there; what it
  // shows must be what the walk shows. Millions of steps are still cheap to walk.
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> far(-5000000, 5000000), near(-20, 120);
  const DrawRectangle clip{0, 0, 99, 99};
  for (int i = 0; i < 40; ++i) {
    const int x1 = far(rng), y1 = far(rng), x2 = near(rng), y2 = near(rng);
    Canvas c(100, 100, 0);
    c.dc->DrawLine(x1, y1, x2, y2, 9, 0);
    ASSERT_EQ(Changed(c, 0), ReferenceLine(x1, y1, x2, y2, clip))
        << x1 << "," << y1 << " " << x2 << "," << y2;
  }
}

TEST(DrawLine, ExtremeCoordinatesEndAtTheEndPoint) {
  const int far = 2000000000;
  for (auto [x1, y1, x2, y2] : {std::tuple{-far, 50, 50, 60}, {-far, -far / 3, 80, 40}, {30, -far, 50, 90}}) {
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

TEST(DrawLine, ExclusiveOrTwiceRestores) {
  Canvas c(40, 40);
  c.pattern();
  const auto before = c.snapshot();
  for (int pass = 0; pass < 2; ++pass) {
    c.dc->DrawLine(3, 2, 30, 17, -255, 0);
    c.dc->DrawLine(35, 1, 2, 38, -255, 0);
  }
  EXPECT_EQ(c.snapshot(), before);
  c.dc->DrawLine(0, 0, 0, 0, -255, 0);
  EXPECT_EQ(c.at(0, 0), before[0] ^ 255);
}

TEST(DrawRect, ExclusiveOrTwiceRestoresAndTouchesEachBorderPixelOnce) {
  Canvas c(40, 40);
  c.pattern();
  const auto before = c.snapshot();
  c.dc->DrawRect(5, 6, 20, 30, -255, 0);
  int changed = 0;
  for (size_t i = 0; i < before.size(); ++i) changed += c.snapshot()[i] != before[i];
  EXPECT_EQ(changed, 2 * 16 + 2 * 25 - 4);
  c.dc->DrawRect(5, 6, 20, 30, -255, 0);
  EXPECT_EQ(c.snapshot(), before);
}

TEST(DrawRect, TranslucentMixesEachOfTheTenBorderPixelsOnce) {
  Canvas c(10, 10, 255);
  c.dc->DrawRect(0, 0, 3, 2, 9, 1);
  const uint8_t once = Mix(255, 9);
  ASSERT_NE(once, Mix(once, 9)) << "mixing twice must be visible for the test to mean anything";
  Points border;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool onBorder = (x <= 3 && y <= 2) && (x == 0 || x == 3 || y == 0 || y == 2);
      ASSERT_EQ(c.at(x, y), onBorder ? once : 255) << x << "," << y;
      if (onBorder) border.insert({x, y});
    }
  EXPECT_EQ(border.size(), 10u);
}

TEST(DrawRect, NarrowAndReversedRectanglesDrawEachPixelOnce) {
  for (auto [x1, y1, x2, y2] :
       {std::tuple{4, 4, 4, 9}, {4, 4, 5, 9}, {4, 4, 9, 4}, {4, 4, 4, 4}, {9, 8, 2, 3}}) {
    Canvas c(12, 12);
    c.pattern();
    const auto before = c.snapshot();
    c.dc->DrawRect(x1, y1, x2, y2, -255, 0);
    const int l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) {
        const bool onBorder = x >= l && x <= r && y >= t && y <= b && (x == l || x == r || y == t || y == b);
        const uint8_t old = before[static_cast<size_t>(y * 12 + x)];
        ASSERT_EQ(c.at(x, y), onBorder ? (old ^ 255) : old) << x << "," << y << " rect " << x1 << "," << y1;
      }
  }
}

TEST(FillRect, ClampsToTheClipIncludingItsLastRowAndColumn) {
  Canvas c(120, 120, DrawRectangle{0, 0, 99, 99}, 0);
  EXPECT_EQ(c.dc->FillRect(-10, -10, 5, 5, 9, 0), 1);
  Points want;
  for (int y = 0; y <= 5; ++y)
    for (int x = 0; x <= 5; ++x) want.insert({x, y});
  EXPECT_EQ(Changed(c, 0), want);
  Canvas d(120, 120, DrawRectangle{0, 0, 99, 99}, 0);
  d.dc->FillRect(90, 90, 200, 200, 9, 0);
  EXPECT_EQ(Changed(d, 0).size(), 100u);
  EXPECT_EQ(d.at(99, 99), 9);
  EXPECT_EQ(d.at(100, 99), 0);
}

TEST(FillRect, OutsideOrReversedDrawsNothing) {
  Canvas c(50, 50, 0);
  EXPECT_EQ(c.dc->FillRect(50, 0, 60, 10, 9, 0), 0);
  EXPECT_EQ(c.dc->FillRect(-20, 0, -1, 10, 9, 0), 0);
  EXPECT_EQ(c.dc->FillRect(0, 50, 10, 60, 9, 0), 0);
  EXPECT_EQ(c.dc->FillRect(0, -9, 10, -1, 9, 0), 0);
  EXPECT_EQ(c.dc->FillRect(10, 10, 5, 20, 9, 0), 0);
  EXPECT_EQ(c.dc->FillRect(-2000000000, -2000000000, 2000000000, 2000000000, 9, 0), 1);
  EXPECT_EQ(Changed(c, 0).size(), 2500u);
}

TEST(FillRect, ModesSolidXorAndMixed) {
  Canvas c(16, 16);
  c.pattern();
  const auto before = c.snapshot();
  c.dc->FillRect(1, 1, 14, 14, -255, 0);
  for (int y = 1; y <= 14; ++y)
    for (int x = 1; x <= 14; ++x) ASSERT_EQ(c.at(x, y), before[static_cast<size_t>(y * 16 + x)] ^ 255);
  c.dc->FillRect(1, 1, 14, 14, -255, 0);
  EXPECT_EQ(c.snapshot(), before);
  c.dc->FillRect(0, 0, 15, 15, 40, 1);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(c.at(x, y), Mix(before[static_cast<size_t>(y * 16 + x)], 40));
  c.dc->FillRect(2, 3, 4, 5, 17, 0);
  EXPECT_EQ(c.at(2, 3), 17);
  EXPECT_EQ(c.at(4, 5), 17);
  EXPECT_NE(c.at(5, 5), 17);
}
