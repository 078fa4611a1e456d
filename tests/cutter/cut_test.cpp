// The cutting rules: outward and inward bounds, the pixel copy with the transparent
// colour, rectangles reaching past the frame, the tools, where cut sprites land in
// the set, and the batch cut of every figure or grid cell.
#include <gtest/gtest.h>

#include <string>

#include "cutter/batch_cut.h"
#include "cutter/cut.h"
#include "cutter/cut_tools.h"
#include "cutter/picture.h"

namespace {

using Px = std::vector<uint8_t>;

// A frame drawn from text rows: '.' is `background`, digits are indices.
PictureFrame Frame(const std::vector<std::string>& rows, uint8_t background = 1) {
  Px pixels;
  for (const std::string& r : rows)
    for (char c : r) pixels.push_back(c == '.' ? background : static_cast<uint8_t>(c - '0'));
  return {static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()), pixels};
}

// A w x h frame of background 1 (or 0) where about one pixel in `oneIn` is opaque,
// and the corners are.
PictureFrame RandomFrame(int w, int h, uint32_t& seed, int oneIn, uint8_t background = 1) {
  Px pixels;
  for (int i = 0; i < w * h; ++i) {
    seed = seed * 1664525u + 1013904223u;
    pixels.push_back((seed >> 24) % oneIn == 0 ? static_cast<uint8_t>(3 + (seed >> 8) % 3) : background);
  }
  pixels.front() = pixels.back() = 3;  // opaque corners: every scan must reach the edges
  return {w, h, pixels};
}

CutSource Source(const PictureFrame& f, int transparent = 1) {
  CutSource s;
  s.setFrame(&f);
  s.transparentIndex = transparent;
  return s;
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

TEST(OutwardCut, TakesDiagonalNeighboursAndEndsAtTheBorder) {
  const PictureFrame f = Frame({
      "33........",
      "3.........",
      "..2.......",
      "...4...9..",
      ".........5",
      "....5....5",
  });
  const CutSource s = Source(f);
  // 3, 2 and 4 touch diagonally; the lower 5 lies two rows below 4 and stays out.
  EXPECT_EQ(s.findOutwardBounds(1, 0), (CutRect{0, 0, 3, 3}));
  EXPECT_EQ(s.findOutwardBounds(7, 3), (CutRect{7, 3, 7, 3}));
  EXPECT_EQ(s.findOutwardBounds(9, 5), (CutRect{9, 4, 9, 5}));
  for (auto [x, y] : {std::pair{1, 1}, {-1, 1}, {10, 0}, {kUnset, kUnset}})
    EXPECT_TRUE(s.findOutwardBounds(x, y).empty()) << x << "," << y;
  EXPECT_TRUE(CutSource().findOutwardBounds(0, 0).empty());
}

TEST(OutwardCut, ResultsHaveClearMarginsOnRandomFrames) {
  uint32_t seed = 99;
  for (int round = 0; round < 30; ++round) {
    const PictureFrame f = RandomFrame(23, 17, seed, 9);
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
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right < f.width && r.bottom < f.height);
      }
  }
}

TEST(InwardCut, AgreesWithABruteForceBoundingBox) {
  uint32_t seed = 7;
  const PictureFrame f = RandomFrame(30, 20, seed, 23);
  const CutSource s = Source(f);
  for (int i = 0; i < 400; ++i) {
    seed = seed * 1664525u + 1013904223u;
    const int x0 = int(seed >> 8) % 36 - 3, y0 = int(seed >> 16) % 26 - 3;
    seed = seed * 1664525u + 1013904223u;
    const int x1 = int(seed >> 8) % 36 - 3, y1 = int(seed >> 16) % 26 - 3;
    CutRect box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (int32_t y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
      for (int32_t x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        if (s.isOpaque(x, y))
          box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                 std::max(box.bottom, y)};
    if (box.empty()) box = CutRect{};
    // Corners given in any order.
    EXPECT_EQ(normaliseRect(x0, y0, x1, y1),
              (CutRect{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)}));
    EXPECT_EQ(s.findInwardBounds({x0, y0, x1, y1}), box) << x0 << "," << y0 << " " << x1 << "," << y1;
  }
}

TEST(CutToSprite, UnusableRectanglesReachingPastTheFrameAndWhereCutsLand) {
  const PictureFrame f = Frame({"123", "456"});
  const CutSource s = Source(f, 9);
  SpriteSet set;
  // A side of 32769 is refused even when the cut's area would be allowed.
  for (CutRect r :
       {CutRect{}, CutRect{kUnset, 0, 1, 1}, CutRect{0, 0, 0x7FFFFFFF, 1}, CutRect{0, 0, 0, 32768}})
    EXPECT_EQ(cutToSprite(s, r, set), 0);
  EXPECT_EQ(cutToSprite(CutSource(), {0, 0, 1, 1}, set), 0);
  ASSERT_EQ(cutToSprite(s, {1, 1, 4, 2}, set), 1);
  ASSERT_EQ(set.Count(), 1);
  EXPECT_TRUE(Equal(*set.Get(0), Sprite(4, 2, Px{5, 6, 0, 0, 0, 0, 0, 0})));
  for (CutRect r : {CutRect{0, -32766, 0, 1}, CutRect{-32766, 0, 1, 0}})  // 32768 high, then wide
    EXPECT_EQ(cutToSprite(s, r, set), 1);
  // Cuts land in order in front of the selection; after a new file that is the end slot.
  SpriteSet cuts;
  cuts.SetCurrent(cuts.Count());
  for (int x = 0; x < 3; ++x) ASSERT_EQ(cutToSprite(s, {x, 0, x, 0}, cuts), 1);
  ASSERT_EQ(cuts.Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(cuts.Get(i)->pixels[0], i + 1);
  EXPECT_EQ(cuts.CurrentIndex(), 3);
  // With sprite 1 selected a new cut lands at 1 and the old sprite 1 stays selected.
  Sprite* formerOne = cuts.Get(1);
  cuts.SetCurrent(1);
  ASSERT_EQ(cutToSprite(s, {2, 1, 2, 1}, cuts), 1);
  EXPECT_EQ(cuts.Get(1)->pixels[0], 6);
  EXPECT_EQ(cuts.Get(2), formerOne);
  EXPECT_EQ(cuts.Current(), formerOne);
  // A single cut does not look for duplicates.
  ASSERT_EQ(cutToSprite(s, {2, 1, 2, 1}, cuts), 1);
  EXPECT_EQ(cuts.Count(), 5);
}

TEST(CutTools, GridSnapsAndFixedRectangles) {
  // Negative positions snap to the cell they lie in; unset stays unset; a one-pixel column still snaps y
  // and a one-pixel row x; a cell without width or height leaves the point alone.
  for (auto [w, h, x0, y0, x1, y1] : {std::tuple{32, 32, 70, 40, 64, 32},
                                      {32, 32, -5, -40, -32, -64},
                                      {32, 32, kUnset, 3, kUnset, 3},
                                      {1, 32, 5, 40, 5, 32},
                                      {32, 1, 70, 40, 64, 40},
                                      {0, 32, 5, 40, 5, 40},
                                      {32, 0, 5, 40, 5, 40}}) {
    snapToGrid(x0, y0, {w, h});
    EXPECT_EQ(std::make_pair(x0, y0), std::make_pair(x1, y1)) << w << " x " << h;
  }
  // The last pixel may lie at INT32_MAX; one more, or a side below 1, gives nothing.
  constexpr int32_t kMax = INT32_MAX;
  for (auto [x, y, size, want] : {std::tuple{5, 7, CutSize{32, 16}, CutRect{5, 7, 36, 22}},
                                  {0, 0, CutSize{1, 1}, CutRect{0, 0, 0, 0}},
                                  {kMax - 31, kMax, CutSize{32, 1}, CutRect{kMax - 31, kMax, kMax, kMax}},
                                  {kMax - 30, 0, CutSize{32, 32}, CutRect{}},
                                  {0, kMax, CutSize{1, 2}, CutRect{}},
                                  {0, 0, CutSize{0, 32}, CutRect{}}})
    EXPECT_EQ(fixedRect(x, y, size), want) << x << "," << y << " " << size.width << " x " << size.height;
  // The canvas test cuts a snapped cell through the grid tool.
}

TEST(CutTools, PositionsDragsPickerAndIgnoringTheTransparentColour) {
  const PictureFrame f = Frame({"17", "20"});
  CutSource s = Source(f);
  SpriteSet set;
  CutTools t;
  EXPECT_FALSE(t.buttonUp(1, 1, s, set).spriteAdded);
  t.buttonDown(FreeCut, kUnset, kUnset, {}, s, set);
  EXPECT_FALSE(t.buttonUp(1, 1, s, set).spriteAdded);
  // Half a position is none: the inward cut would find the figure in the strip it spans.
  for (auto [x, y] : {std::pair{kUnset, 1}, {1, kUnset}}) {
    t.buttonDown(InwardCut, 0, 0, {}, s, set);
    EXPECT_FALSE(t.buttonUp(x, y, s, set).spriteAdded);
  }
  EXPECT_FALSE(t.dragging());
  // Unset starts of the cutting tools are driven through the canvas.
  EXPECT_FALSE(t.buttonDown(PickTransparent, kUnset, kUnset, {}, s, set).returnToPrevious);
  CutSource none;
  none.refresh(Picture());
  EXPECT_FALSE(none.hasFrame());
  EXPECT_FALSE(t.buttonDown(FixedCut, 0, 0, {}, none, set).spriteAdded);
  t.buttonDown(FreeCut, 0, 0, {}, none, set);
  EXPECT_FALSE(t.dragging());
  EXPECT_EQ(set.Count(), 0);
  // The picker takes the index under the click and returns to the previous tool.
  CutAction a = t.buttonDown(PickTransparent, 1, 0, {}, s, set);
  EXPECT_TRUE(a.transparentPicked && a.returnToPrevious);
  EXPECT_EQ(s.transparentIndex, 7);
  EXPECT_TRUE(t.buttonDown(PickTransparent, 1, 1, {}, s, set).transparentPicked);  // index 0 too
  a = t.buttonDown(PickTransparent, 5, 5, {}, s, set);                             // outside: nothing taken
  EXPECT_TRUE(!a.transparentPicked && a.returnToPrevious);
  EXPECT_EQ(s.transparentIndex, 0);
  // Ignoring the transparent colour, the outward cut takes the whole frame with index 1
  // kept, the inward cut the dragged rectangle as it is.
  const PictureFrame g = Frame({"....", ".5..", "...."});
  CutSource all = Source(g);
  all.ignoreTransparent = 1;
  EXPECT_EQ(all.findOutwardBounds(-50, 70), (CutRect{0, 0, 3, 2}));
  EXPECT_TRUE(t.buttonDown(OutwardCut, 0, 0, {}, all, set).spriteAdded);
  EXPECT_TRUE(Equal(*set.Get(0), Sprite(4, 3, Px{1, 1, 1, 1, 1, 5, 1, 1, 1, 1, 1, 1})));
  t.buttonDown(InwardCut, 0, 0, {}, all, set);
  EXPECT_TRUE(t.buttonUp(1, 2, all, set).spriteAdded);
  EXPECT_TRUE(Equal(*set.Get(1), Sprite(2, 3, Px{1, 1, 1, 5, 1, 1})));
}

TEST(BatchCut, AgreesWithASlowScanOnRandomFrames) {
  uint32_t seed = 4242;
  for (int round = 0; round < 40; ++round) {
    const PictureFrame f = RandomFrame(37, 29, seed, 4 + round % 7, 0);
    const CutSource s = Source(f, 0);
    // The reference: scan in order and test every pixel against every rectangle so far.
    std::vector<CutRect> slow;
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < f.width; ++x) {
        bool covered = !s.isOpaque(x, y);
        for (const CutRect& r : slow) covered = covered || r.contains(x, y);
        if (!covered) slow.push_back(s.findOutwardBounds(x, y));
      }
    EXPECT_EQ(findAllFigures(s), slow) << "round " << round;
  }
  // An index no pixel can hold leaves every pixel opaque: the frame is one figure.
  const PictureFrame zeros{4, 3, Px(12, 0)};
  EXPECT_EQ(findAllFigures(Source(zeros, 256)), (std::vector<CutRect>{{0, 0, 3, 2}}));
}

TEST(BatchCut, GridCellsCoverTheFrame) {
  const PictureFrame f{70, 40, Px(70 * 40, 3)};
  // Cell size, cells, the third and the last: 32 x 32 makes 3 columns by 2 rows, the
  // last ones partly outside; one-pixel cells are the smallest, none the empty grid.
  const struct {
    CutSize size;
    size_t count;
    CutRect third, last;
  } cases[] = {{{32, 32}, 6, {64, 0, 95, 31}, {64, 32, 95, 63}},
               {{1, 1}, 2800, {2, 0, 2, 0}, {69, 39, 69, 39}},
               {{70, 1}, 40, {0, 2, 69, 2}, {0, 39, 69, 39}},
               {{0, 5}, 0, {}, {}},
               {{5, 0}, 0, {}, {}}};
  for (const auto& c : cases) {
    const auto cells = gridCells(Source(f), c.size);
    ASSERT_EQ(cells.size(), c.count) << c.size.width << " x " << c.size.height;
    if (c.count == 0) continue;
    EXPECT_EQ(cells[0], (CutRect{0, 0, c.size.width - 1, c.size.height - 1}));
    EXPECT_EQ(cells[2], c.third);
    EXPECT_EQ(cells.back(), c.last);
  }
}

TEST(BatchCut, DuplicatesAreDroppedOrderKeptAndTransparentMapped) {
  const PictureFrame f = Frame({"12712734712"}, 0);
  const CutSource s = Source(f, 7);
  const auto cutAll = [](const CutSource& source, SpriteSet& into) {
    DuplicateFreeAppender out(into);
    return appendCutSprites(source, findAllFigures(source), out);
  };
  SpriteSet set;
  EXPECT_EQ(cutAll(s, set), 2);
  EXPECT_TRUE(Equal(*set.Get(0), Sprite(2, 1, Px{1, 2})) && Equal(*set.Get(1), Sprite(2, 1, Px{3, 4})));
  // Sprites already in the set count as seen too.
  SpriteSet again;
  again.Append(std::make_unique<Sprite>(2, 1, Px{3, 4}));
  EXPECT_EQ(cutAll(s, again), 1);
  EXPECT_EQ(again.Get(1)->pixels, Px({1, 2}));
  // Transparent pixels inside a figure become 0.
  const PictureFrame g = Frame({"7777", "7577", "7757"});
  SpriteSet one;
  ASSERT_EQ(cutAll(Source(g, 7), one), 1);
  EXPECT_EQ(one.Get(0)->pixels, Px({5, 0, 0, 5}));
}
