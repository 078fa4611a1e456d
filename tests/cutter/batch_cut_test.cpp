// Cutting every figure of a frame, and every grid cell, with duplicates dropped.
#include <gtest/gtest.h>

#include <string>

#include "cutter/batch_cut.h"
#include "cutter/picture.h"

namespace {

PictureFrame Frame(const std::vector<std::string>& rows) {
  PictureFrame f;
  f.height = static_cast<int32_t>(rows.size());
  f.width = static_cast<int32_t>(rows[0].size());
  for (const std::string& r : rows)
    for (char c : r) f.pixels.push_back(c == '.' ? 0 : static_cast<uint8_t>(c - '0'));
  return f;
}

CutSource Source(const PictureFrame& f) {
  CutSource s;
  s.setFrame(&f);
  return s;
}

// The reference: scan in order and test every pixel against every rectangle so far.
std::vector<CutRect> SlowFigures(const CutSource& s) {
  std::vector<CutRect> found;
  const PictureFrame& f = *s.frame();
  for (int y = 0; y < f.height; ++y)
    for (int x = 0; x < f.width; ++x) {
      if (!s.isOpaque(x, y)) continue;
      bool covered = false;
      for (const CutRect& r : found) covered = covered || r.contains(x, y);
      if (!covered) found.push_back(s.findOutwardBounds(x, y));
    }
  return found;
}

}  // namespace

TEST(BatchCut, FindsFiguresInScanOrder) {
  const PictureFrame f = Frame({
      "....22..",
      "1...22..",
      "1.......",
      "......3.",
      ".44...3.",
  });
  const auto rects = findAllFigures(Source(f));
  ASSERT_EQ(rects.size(), 4u);
  EXPECT_EQ(rects[0], (CutRect{4, 0, 5, 1}));
  EXPECT_EQ(rects[1], (CutRect{0, 1, 0, 2}));
  EXPECT_EQ(rects[2], (CutRect{6, 3, 6, 4}));
  EXPECT_EQ(rects[3], (CutRect{1, 4, 2, 4}));
}

TEST(BatchCut, FigureInsideAnotherBoxIsNotCutAgain) {
  const PictureFrame f = Frame({
      "5555555",
      "5.....5",
      "5..7..5",
      "5.....5",
      "5555555",
      ".......",
      "..8....",
  });
  const auto rects = findAllFigures(Source(f));
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0], (CutRect{0, 0, 6, 4}));
  EXPECT_EQ(rects[1], (CutRect{2, 6, 2, 6}));
}

TEST(BatchCut, AgreesWithTheSlowScanOnRandomFrames) {
  uint32_t seed = 4242;
  for (int round = 0; round < 40; ++round) {
    PictureFrame f;
    f.width = 37;
    f.height = 29;
    for (int i = 0; i < f.width * f.height; ++i) {
      seed = seed * 1664525u + 1013904223u;
      f.pixels.push_back((seed >> 24) % (4 + round % 7) == 0 ? static_cast<uint8_t>(1 + (seed >> 8) % 3) : 0);
    }
    const CutSource s = Source(f);
    EXPECT_EQ(findAllFigures(s), SlowFigures(s)) << "round " << round;
  }
}

TEST(BatchCut, GridCellsCoverTheFrame) {
  PictureFrame f;
  f.width = 70;
  f.height = 40;
  f.pixels.assign(70 * 40, 3);
  const auto cells = gridCells(Source(f), {32, 32});
  ASSERT_EQ(cells.size(), 6u);  // 3 columns by 2 rows, the last ones partly outside
  EXPECT_EQ(cells[0], (CutRect{0, 0, 31, 31}));
  EXPECT_EQ(cells[2], (CutRect{64, 0, 95, 31}));
  EXPECT_EQ(cells[5], (CutRect{64, 32, 95, 63}));
}

TEST(BatchCut, DuplicatesAreDroppedAndOrderKept) {
  const PictureFrame f = Frame({
      "12.12.34.12",
  });
  const CutSource s = Source(f);
  SpriteSet set;
  DuplicateFreeAppender out(set);
  EXPECT_EQ(appendCutSprites(s, findAllFigures(s), out), 2);
  ASSERT_EQ(set.Count(), 2);
  EXPECT_EQ(set.Get(0)->pixels, std::vector<uint8_t>({1, 2}));
  EXPECT_EQ(set.Get(1)->pixels, std::vector<uint8_t>({3, 4}));
  // Sprites already in the set count as seen too.
  SpriteSet again;
  again.Append(std::make_unique<Sprite>(2, 1, std::vector<uint8_t>{3, 4}));
  DuplicateFreeAppender out2(again);
  EXPECT_EQ(appendCutSprites(s, findAllFigures(s), out2), 1);
  EXPECT_EQ(again.Get(1)->pixels, std::vector<uint8_t>({1, 2}));
}

TEST(BatchCut, TransparentColourOtherThanZeroIsMapped) {
  PictureFrame f = Frame({"7777", "7557", "7777"});
  CutSource s = Source(f);
  s.transparentIndex = 7;
  SpriteSet set;
  DuplicateFreeAppender out(set);
  appendCutSprites(s, findAllFigures(s), out);
  ASSERT_EQ(set.Count(), 1);
  EXPECT_EQ(set.Get(0)->width, 2);
  EXPECT_EQ(set.Get(0)->pixels, std::vector<uint8_t>({5, 5}));
}
