#include "ui/thumbnail_grid.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "ui/thumbnail_list.h"

TEST(ThumbnailGrid, SevenItemsInThreeColumnsAndNarrowWindowsInOne) {
  ThumbnailGrid grid;
  grid.layout(200, 100, 7, 0);
  EXPECT_EQ(std::make_tuple(grid.columns(), grid.contentHeight(), grid.scrollMax()),
            std::make_tuple(3, (7 / 3 + 1) * 61, 183 - 100));
  EXPECT_EQ(std::make_pair(grid.cellOrigin(5).x, grid.cellOrigin(5).y), std::make_pair(122, 61));
  // The column is capped: right of the grid is the last column of that row. Cell 7
  // is the empty end cell; 8 lies beyond it.
  const std::pair<int, int> hits[] = {{199, 10}, {0, 70}, {70, 130}, {130, 130}, {-1, 10}};
  const int want[] = {2, 3, 7, -1, -1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(grid.hitTest(hits[i].first, hits[i].second, 7), want[i]) << i;
  // Without items only the end cell's row is left, also in one column.
  const struct {
    int width, count, rows, hit;
  } narrow[] = {{0, 5, 6, 1}, {30, 0, 1, -1}, {60, 5, 6, 1}, {-5, 0, 1, -1}};
  for (const auto& n : narrow) {
    grid.layout(n.width, 100, n.count, 0);
    EXPECT_EQ(std::make_tuple(grid.columns(), grid.contentHeight(), grid.hitTest(40, 70, n.count)),
              std::make_tuple(1, n.rows * 61, n.hit))
        << n.width;
  }
}

TEST(ThumbnailGrid, EnsureVisibleAndScrolling) {
  ThumbnailGrid grid;
  grid.layout(61, 100, 10, 0);  // one column, 11 rows
  EXPECT_EQ(grid.scrollPos(), 0);
  grid.ensureVisible(5);  // top 305: comes to the bottom edge
  EXPECT_EQ(grid.scrollPos(), 305 + 60 - 100);
  grid.ensureVisible(1);  // above: comes to the top edge
  EXPECT_EQ(grid.scrollPos(), 61);
  grid.scroll(kScrollPageDown, 0);
  EXPECT_TRUE(grid.scroll(kScrollLineDown, 0));
  EXPECT_EQ(grid.scrollPos(), 151);
  EXPECT_FALSE(grid.scroll(kScrollThumbPosition, 5)) << "the final thumb notification changes nothing";
  grid.scroll(kScrollThumbTrack, 100000);
  EXPECT_EQ(grid.scrollPos(), grid.scrollMax());
  grid.scroll(kScrollPageUp, 0);
  EXPECT_EQ(grid.scrollPos(), grid.scrollMax() - 60);
  grid.ensureVisible(99);  // past the end cell: no further than the end
  EXPECT_EQ(grid.scrollPos(), grid.scrollMax());
  grid.layout(61, 1000, 3, 3);  // everything fits
  EXPECT_EQ(grid.scrollPos(), 0);
  EXPECT_FALSE(grid.scrollable());
}

TEST(ThumbnailGrid, VisibleItemsDependOnTheViewOnly) {
  ThumbnailGrid grid;
  grid.layout(640, 488, 5000, 0);  // 10 columns, 8 rows high
  GridRange r = grid.visibleItems(5000);
  EXPECT_EQ(std::make_pair(r.first, r.end), std::make_pair(0, 80));  // row 8's top is the edge
  grid.scroll(kScrollThumbTrack, 61 * 100 + 1);
  r = grid.visibleItems(5000);
  // Row 100 (top -1) is partly visible, row 99 (top -62) is not; row 108 (top 487)
  // shows its top pixel row, row 109 (top 548) lies below.
  EXPECT_EQ(std::make_pair(r.first, r.end), std::make_pair(1000, 1090));
  EXPECT_EQ(grid.visibleItems(0).end, 0) << "clipped to the count";
}

TEST(ThumbnailGrid, WheelScrollsOneRowPerNotchAddingUpParts) {
  ThumbnailGrid grid;
  grid.layout(61, 100, 20, 0);  // one column, 21 rows
  const struct {
    int delta, pos;
  } steps[] = {
      {-120, 61},             // one notch towards the user: a row down
      {-360, 244},            // three notches in one message
      {-40, 244},             // a third of a notch from a fine wheel: nothing yet
      {-80, 305},             // the rest of it
      {-60, 305},             // half a notch down,
      {60, 305},              // then half up: the part left over is forgotten, not a notch
      {60, 244},              // another half up makes one
      {240, 122},             // two notches up
      {1200, 0},              // stops at the top
      {-120000, 1281 - 100},  // and at the bottom
  };
  for (const auto& s : steps) {
    grid.wheel(s.delta);
    EXPECT_EQ(grid.scrollPos(), s.pos) << "after " << s.delta;
  }
}

// Every window height (also below one cell) and every starting position: the
// position stays in 0 ... scrollMax and the selected cell shows, whole when it fits,
// else from its top.
TEST(ThumbnailGrid, EnsureVisibleStaysInRangeInShortWindows) {
  for (int height : {0, 1, 30, 59, 60, 61, 100})
    for (int selection = 0; selection <= 12; ++selection)
      for (int start = 0; start <= 5 * kGridCell; start += 17) {
        SCOPED_TRACE(testing::Message() << height << " " << selection << " " << start);
        ThumbnailGrid grid;
        grid.layout(2 * kGridCell, height, 12, 0);
        grid.scrollBy(start);
        grid.ensureVisible(selection);
        const int y = grid.cellOrigin(selection).y;
        EXPECT_GE(grid.scrollPos(), 0);
        EXPECT_LE(grid.scrollPos(), grid.scrollMax());
        if (height >= kGridThumbnail)
          EXPECT_TRUE(y >= 0 && y + kGridThumbnail <= height);
        else
          EXPECT_EQ(y, 0);
      }
}

namespace {

// A list of `count` items that records what it asks of its windows.
class RecordingList : public ThumbnailList {
 public:
  int count = 7, current = 0, focusTaken = 0, listRepaints = 0, layouts = 0;
  bool hasList = true;

 protected:
  bool ready() const override { return hasList; }
  int itemCount() const override { return count; }
  int selection() const override { return current; }
  void select(int index) override { current = index; }
  void takeFocus() override { ++focusTaken; }
  void repaintList() override { ++listRepaints; }
  void laidOut() override { ++layouts; }
};

}  // namespace

TEST(ThumbnailList, ClicksKeysAndScrollingMoveTheSelectionIntoView) {
  RecordingList list;
  list.resize(200, 150);  // 3 columns; the empty cell 7 is in row 2
  EXPECT_EQ(list.layouts, 1);
  list.leftDown(70, 130);
  EXPECT_EQ(list.current, 7);
  EXPECT_EQ(list.scrollBar(), (ScrollBarState{true, 183 - 150, 32}));  // its row brought into view
  list.scroll(kScrollLineUp, 0);
  EXPECT_EQ(list.grid().scrollPos(), 2);
  list.wheel(120);
  list.wheel(120);  // already at the top: nothing to repaint
  EXPECT_EQ(list.grid().scrollPos(), 0);
  EXPECT_EQ(list.listRepaints, 2);
  EXPECT_FALSE(list.rightDown(130, 130));  // beyond the empty cell
  EXPECT_EQ(list.current, 7);
  EXPECT_TRUE(list.rightDown(5, 5));
  EXPECT_EQ(list.current, 0);
  std::vector<int> seen;
  for (bool forward : {false, true, true}) {
    forward ? list.next() : list.previous();
    seen.push_back(list.current);
  }
  list.current = 7;
  list.next();
  seen.push_back(list.current);
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 7}));  // both ends hold
  EXPECT_EQ(list.focusTaken, 4);
  // Without its list the window takes no input and lays out an empty grid.
  list.hasList = false;
  list.relayout();
  EXPECT_FALSE(list.rightDown(5, 5));
  list.next();
  EXPECT_EQ(list.current, 7);
  EXPECT_FALSE(list.scrollBar().enabled);
  EXPECT_EQ(list.focusTaken, 4);
}
