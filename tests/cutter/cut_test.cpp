// The cutting rules: outward and inward bounds, the pixel copy with the transparent
// colour, rectangles reaching past the frame, and where cut sprites land in the set.
#include <gtest/gtest.h>

#include <string>

#include "cutter/cut.h"
#include "cutter/cut_tools.h"
#include "cutter/picture.h"

namespace {

// A frame drawn from text rows: '.' is index 1 (the background), digits are indices.
PictureFrame Frame(const std::vector<std::string>& rows) {
  PictureFrame f;
  f.height = static_cast<int32_t>(rows.size());
  f.width = static_cast<int32_t>(rows[0].size());
  for (const std::string& r : rows)
    for (char c : r) f.pixels.push_back(c == '.' ? 1 : static_cast<uint8_t>(c - '0'));
  return f;
}

CutSource Source(const PictureFrame& f, int transparent = 1) {
  CutSource s;
  s.setFrame(&f);
  s.transparentIndex = transparent;
  return s;
}

// The bounding box of the opaque pixels in r, brute force: an independent check of
// the inward rule.
CutRect BoundingBox(const CutSource& s, CutRect r) {
  CutRect box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
  bool any = false;
  for (int32_t y = r.top; y <= r.bottom; ++y)
    for (int32_t x = r.left; x <= r.right; ++x)
      if (s.isOpaque(x, y)) {
        any = true;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
      }
  return any ? box : CutRect{};
}

// Whether r's one-pixel margin holds no opaque pixel: the defining property of the
// outward result.
bool MarginClear(const CutSource& s, const CutRect& r) {
  for (int32_t x = r.left - 1; x <= r.right + 1; ++x)
    if (s.isOpaque(x, r.top - 1) || s.isOpaque(x, r.bottom + 1)) return false;
  for (int32_t y = r.top - 1; y <= r.bottom + 1; ++y)
    if (s.isOpaque(r.left - 1, y) || s.isOpaque(r.right + 1, y)) return false;
  return true;
}

}  // namespace

TEST(OutwardCut, SinglePixelGivesOneByOne) {
  const PictureFrame f = Frame({".....", "..7..", "....."});
  const CutSource s = Source(f);
  EXPECT_EQ(s.findOutwardBounds(2, 1), (CutRect{2, 1, 2, 1}));
}

TEST(OutwardCut, TakesDiagonalNeighboursAndWhatTheBoxTouches) {
  const PictureFrame f = Frame({
      "..........",
      ".2........",
      "..3.......",
      "...4...9..",
      "..........",
      "....5.....",
  });
  const CutSource s = Source(f);
  // 2, 3 and 4 touch diagonally; 5 lies two rows below 4 and stays out; 9 too.
  const CutRect r = s.findOutwardBounds(1, 1);
  EXPECT_EQ(r, (CutRect{1, 1, 3, 3}));
  EXPECT_TRUE(MarginClear(s, r));
  EXPECT_EQ(s.findOutwardBounds(7, 3), (CutRect{7, 3, 7, 3}));
}

TEST(OutwardCut, FigureTouchingTheBorderEndsAtTheBorder) {
  const PictureFrame f = Frame({
      "33....",
      "3.....",
      "....44",
      "....44",
  });
  const CutSource s = Source(f);
  EXPECT_EQ(s.findOutwardBounds(0, 0), (CutRect{0, 0, 1, 1}));
  EXPECT_EQ(s.findOutwardBounds(5, 3), (CutRect{4, 2, 5, 3}));
}

TEST(OutwardCut, TransparentOrOutsideClickGivesNothing) {
  const PictureFrame f = Frame({"..", ".5"});
  const CutSource s = Source(f);
  EXPECT_TRUE(s.findOutwardBounds(0, 0).empty());
  EXPECT_TRUE(s.findOutwardBounds(-1, 1).empty());
  EXPECT_TRUE(s.findOutwardBounds(2, 1).empty());
  EXPECT_TRUE(s.findOutwardBounds(kUnset, kUnset).empty());
  CutSource none;
  EXPECT_EQ(none.findOutwardBounds(0, 0), (CutRect{0, 0, -1, -1}));
}

TEST(OutwardCut, IgnoreTransparentGivesTheWholeFrame) {
  const PictureFrame f = Frame({"....", "..5.", "...."});
  CutSource s = Source(f);
  s.ignoreTransparent = 1;
  EXPECT_EQ(s.findOutwardBounds(0, 0), (CutRect{0, 0, 3, 2}));
  EXPECT_EQ(s.findOutwardBounds(-50, 70), (CutRect{0, 0, 3, 2}));
}

TEST(OutwardCut, ResultsHaveClearMarginsOnRandomFrames) {
  uint32_t seed = 99;
  for (int round = 0; round < 30; ++round) {
    PictureFrame f;
    f.width = 23;
    f.height = 17;
    for (int i = 0; i < f.width * f.height; ++i) {
      seed = seed * 1664525u + 1013904223u;
      f.pixels.push_back((seed >> 24) % 9 == 0 ? 4 : 1);
    }
    const CutSource s = Source(f);
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < f.width; ++x) {
        const CutRect r = s.findOutwardBounds(x, y);
        if (!s.isOpaque(x, y)) {
          EXPECT_TRUE(r.empty());
          continue;
        }
        ASSERT_TRUE(r.contains(x, y));
        EXPECT_TRUE(MarginClear(s, r));
        EXPECT_GE(r.left, 0);
        EXPECT_LT(r.right, f.width);
        EXPECT_LT(r.bottom, f.height);
      }
  }
}

TEST(InwardCut, ShrinksToTheOpaquePixels) {
  const PictureFrame f = Frame({
      "......",
      "..6...",
      "....7.",
      "......",
  });
  const CutSource s = Source(f);
  EXPECT_EQ(s.findInwardBounds({0, 0, 5, 3}), (CutRect{2, 1, 4, 2}));
  EXPECT_EQ(s.findInwardBounds({2, 0, 3, 3}), (CutRect{2, 1, 2, 1}));  // one pixel
  EXPECT_TRUE(s.findInwardBounds({0, 3, 5, 3}).empty());               // all transparent row
  EXPECT_EQ(s.findInwardBounds({5, 3, 0, 0}), (CutRect{2, 1, 4, 2}));  // not yet normalised
}

TEST(InwardCut, RectangleBeyondTheFrameIsClippedByTheRule) {
  const PictureFrame f = Frame({"....", "...8"});
  const CutSource s = Source(f);
  EXPECT_EQ(s.findInwardBounds({-10, -10, 40, 40}), (CutRect{3, 1, 3, 1}));
  EXPECT_TRUE(s.findInwardBounds({10, 10, 40, 40}).empty());
}

TEST(InwardCut, IgnoreTransparentReturnsTheRectangle) {
  const PictureFrame f = Frame({"....", "...8"});
  CutSource s = Source(f);
  s.ignoreTransparent = 1;
  EXPECT_EQ(s.findInwardBounds({1, 0, 9, 9}), (CutRect{1, 0, 9, 9}));
}

TEST(InwardCut, AgreesWithABruteForceBoundingBox) {
  uint32_t seed = 7;
  PictureFrame f;
  f.width = 30;
  f.height = 20;
  for (int i = 0; i < 600; ++i) {
    seed = seed * 1664525u + 1013904223u;
    f.pixels.push_back((seed >> 24) % 23 == 0 ? 3 : 1);
  }
  const CutSource s = Source(f);
  for (int i = 0; i < 400; ++i) {
    seed = seed * 1664525u + 1013904223u;
    const int x0 = int(seed >> 8) % 36 - 3, y0 = int(seed >> 16) % 26 - 3;
    seed = seed * 1664525u + 1013904223u;
    const int x1 = int(seed >> 8) % 36 - 3, y1 = int(seed >> 16) % 26 - 3;
    const CutRect r = normaliseRect(x0, y0, x1, y1);
    EXPECT_EQ(s.findInwardBounds(r), BoundingBox(s, r)) << x0 << "," << y0 << " " << x1 << "," << y1;
  }
}

TEST(CopyCutPixels, TransparentIndexBecomesZero) {
  const PictureFrame f = Frame({"5505", "0555"});
  CutSource s = Source(f, 5);
  std::vector<uint8_t> out(8);
  s.copyCutPixels({0, 0, 3, 1}, out.data());
  EXPECT_EQ(out, std::vector<uint8_t>({0, 0, 0, 0, 0, 0, 0, 0}));
  const PictureFrame g = Frame({"5615", "7555"});
  s.setFrame(&g);
  s.copyCutPixels({0, 0, 3, 1}, out.data());
  EXPECT_EQ(out, std::vector<uint8_t>({0, 6, 1, 0, 7, 0, 0, 0}));
  s.ignoreTransparent = 1;
  s.copyCutPixels({0, 0, 3, 1}, out.data());
  EXPECT_EQ(out, std::vector<uint8_t>({5, 6, 1, 5, 7, 5, 5, 5}));
}

TEST(CopyCutPixels, PartsOutsideTheFrameAreTransparent) {
  const PictureFrame f = Frame({"23", "45"});
  const CutSource s = Source(f, 9);
  std::vector<uint8_t> out(12, 0xEE);
  s.copyCutPixels({-1, 1, 2, 3}, out.data());  // 4 x 3, only (0,1) and (1,1) inside
  EXPECT_EQ(out, std::vector<uint8_t>({0, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CutToSprite, FixedRectangleReachingPastTheFrame) {
  const PictureFrame f = Frame({"123", "456"});
  const CutSource s = Source(f, 9);
  SpriteSet set;
  ASSERT_EQ(cutToSprite(s, {1, 1, 4, 2}, set), 1);
  const Sprite* sp = set.Get(0);
  ASSERT_NE(sp, nullptr);
  EXPECT_EQ(sp->width, 4);
  EXPECT_EQ(sp->height, 2);
  EXPECT_EQ(sp->pixels, std::vector<uint8_t>({5, 6, 0, 0, 0, 0, 0, 0}));
}

TEST(CutToSprite, UnusableRectanglesCutNothing) {
  const PictureFrame f = Frame({"12", "34"});
  const CutSource s = Source(f, 9);
  SpriteSet set;
  EXPECT_EQ(cutToSprite(s, {}, set), 0);
  EXPECT_EQ(cutToSprite(s, {kUnset, 0, 1, 1}, set), 0);
  EXPECT_EQ(cutToSprite(s, {0, 0, 0x7FFFFFFF, 1}, set), 0);
  CutSource none;
  EXPECT_EQ(cutToSprite(none, {0, 0, 1, 1}, set), 0);
  EXPECT_EQ(set.Count(), 0);
}

TEST(CutToSprite, CutsLandInOrderInFrontOfTheSelection) {
  const PictureFrame f = Frame({"123456"});
  const CutSource s = Source(f, 9);
  SpriteSet set;
  set.SetCurrent(set.Count());  // after a new file the selection is the end slot
  for (int x = 0; x < 3; ++x) ASSERT_EQ(cutToSprite(s, {x, 0, x, 0}, set), 1);
  ASSERT_EQ(set.Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(set.Get(i)->pixels[0], i + 1);
  EXPECT_EQ(set.CurrentIndex(), 3);

  // With sprite 1 selected a new cut lands at 1 and the old sprite 1 stays selected.
  Sprite* formerOne = set.Get(1);
  set.SetCurrent(1);
  ASSERT_EQ(cutToSprite(s, {5, 0, 5, 0}, set), 1);
  EXPECT_EQ(set.Get(1)->pixels[0], 6);
  EXPECT_EQ(set.Get(2), formerOne);
  EXPECT_EQ(set.CurrentIndex(), 2);
  EXPECT_EQ(set.Current(), formerOne);
}

TEST(CutToSprite, SameFigureTwiceGivesTwoSprites) {
  const PictureFrame f = Frame({"12"});
  const CutSource s = Source(f, 9);
  SpriteSet set;
  cutToSprite(s, {0, 0, 1, 0}, set);
  cutToSprite(s, {0, 0, 1, 0}, set);
  EXPECT_EQ(set.Count(), 2);
}

TEST(CutTools, GridSnapsTheMouseDown) {
  int32_t x = 70, y = 40;
  snapToGrid(x, y, {32, 32});
  EXPECT_EQ(x, 64);
  EXPECT_EQ(y, 32);
  x = kUnset;
  snapToGrid(x, y, {32, 32});
  EXPECT_EQ(x, kUnset);
}

TEST(CutTools, FixedRectangleStartsAtTheClick) {
  EXPECT_EQ(fixedRect(5, 7, {32, 16}), (CutRect{5, 7, 36, 22}));
  EXPECT_TRUE(fixedRect(0x7FFFFFF0, 0, {32, 32}).empty());  // would overflow
  EXPECT_TRUE(fixedRect(0, 0, {0, 32}).empty());
}

TEST(CutTools, GridCutTakesTheSnappedCell) {
  PictureFrame f;
  f.width = 128;
  f.height = 96;
  for (int i = 0; i < 128 * 96; ++i) f.pixels.push_back(static_cast<uint8_t>(i % 251));
  CutSource s = Source(f, 0);
  SpriteSet set;
  CutTools tools;
  int32_t x = 70, y = 40;
  snapToGrid(x, y, {32, 32});
  const CutAction a = tools.buttonDown(GridCut, x, y, {32, 32}, s, set);
  EXPECT_TRUE(a.spriteAdded);
  const Sprite* sp = set.Get(0);
  ASSERT_NE(sp, nullptr);
  EXPECT_EQ(sp->width, 32);
  EXPECT_EQ(sp->height, 32);
  // The cell (64, 32, 95, 63).
  EXPECT_EQ(sp->at(0, 0), f.pixels[32 * 128 + 64]);
  EXPECT_EQ(sp->at(31, 31), f.pixels[63 * 128 + 95]);
}

TEST(CutTools, DragDirectionDoesNotMatter) {
  const PictureFrame f = Frame({"......", ".2....", "...3..", "......"});
  for (CutTool tool : {InwardCut, FreeCut}) {
    CutSource s = Source(f);
    SpriteSet a, b;
    CutTools t;
    t.buttonDown(tool, 0, 0, {}, s, a);
    EXPECT_TRUE(t.dragging());
    EXPECT_TRUE(t.buttonUp(5, 3, s, a).spriteAdded);
    EXPECT_FALSE(t.dragging());
    t.buttonDown(tool, 5, 3, {}, s, b);
    EXPECT_TRUE(t.buttonUp(0, 0, s, b).spriteAdded);
    ASSERT_EQ(a.Count(), 1);
    ASSERT_EQ(b.Count(), 1);
    EXPECT_TRUE(Equal(*a.Get(0), *b.Get(0)));
    EXPECT_EQ(a.Get(0)->width, tool == InwardCut ? 3 : 6);
  }
}

TEST(CutTools, AutomaticCutsWithIgnoreTransparent) {
  const PictureFrame f = Frame({"....", ".5..", "...."});
  CutSource s = Source(f);
  s.ignoreTransparent = 1;
  SpriteSet set;
  CutTools t;
  // Outward: the whole frame, with index 1 kept.
  EXPECT_TRUE(t.buttonDown(OutwardCut, 0, 0, {}, s, set).spriteAdded);
  EXPECT_EQ(set.Get(0)->width, 4);
  EXPECT_EQ(set.Get(0)->height, 3);
  EXPECT_EQ(set.Get(0)->pixels[0], 1);
  // Inward: the dragged rectangle as it is.
  t.buttonDown(InwardCut, 0, 0, {}, s, set);
  EXPECT_TRUE(t.buttonUp(1, 2, s, set).spriteAdded);
  EXPECT_EQ(set.Get(1)->width, 2);
  EXPECT_EQ(set.Get(1)->height, 3);
}

TEST(CutTools, ButtonUpWithoutDragOrUnsetPositionDoesNothing) {
  const PictureFrame f = Frame({"22", "22"});
  CutSource s = Source(f);
  SpriteSet set;
  CutTools t;
  EXPECT_FALSE(t.buttonUp(1, 1, s, set).spriteAdded);
  t.buttonDown(FreeCut, kUnset, kUnset, {}, s, set);
  EXPECT_FALSE(t.buttonUp(1, 1, s, set).spriteAdded);
  t.buttonDown(FreeCut, 0, 0, {}, s, set);
  EXPECT_FALSE(t.buttonUp(kUnset, kUnset, s, set).spriteAdded);
  EXPECT_FALSE(t.dragging());
  EXPECT_FALSE(t.buttonDown(FixedCut, kUnset, kUnset, {}, s, set).spriteAdded);
  EXPECT_FALSE(t.buttonDown(OutwardCut, kUnset, kUnset, {}, s, set).spriteAdded);
  EXPECT_EQ(set.Count(), 0);
}

TEST(CutTools, PickTakesTheIndexAndReturnsToThePreviousTool) {
  const PictureFrame f = Frame({"17", "23"});
  CutSource s = Source(f);
  SpriteSet set;
  CutTools t;
  CutAction a = t.buttonDown(PickTransparent, 1, 0, {}, s, set);
  EXPECT_TRUE(a.transparentPicked);
  EXPECT_TRUE(a.returnToPrevious);
  EXPECT_EQ(s.transparentIndex, 7);
  a = t.buttonDown(PickTransparent, 5, 5, {}, s, set);  // outside: nothing taken
  EXPECT_FALSE(a.transparentPicked);
  EXPECT_TRUE(a.returnToPrevious);
  EXPECT_EQ(s.transparentIndex, 7);
}

TEST(CutTools, NoPictureMeansNoAction) {
  CutSource s;
  SpriteSet set;
  CutTools t;
  EXPECT_FALSE(t.buttonDown(FixedCut, 0, 0, {}, s, set).spriteAdded);
  t.buttonDown(FreeCut, 0, 0, {}, s, set);
  EXPECT_FALSE(t.dragging());
  EXPECT_EQ(set.Count(), 0);
}

TEST(CutSource, FollowsThePicturesCurrentFrame) {
  Picture pic;
  CutSource s;
  s.refresh(pic);
  EXPECT_FALSE(s.hasFrame());
}
