#pragma once
// The grid of the list windows of both programs: cells of 61 x 61 pixels (a 60 x 60
// thumbnail and a one-pixel gap), client width div 61 columns (at least one, so a
// window narrower than a cell still shows one column), one selectable empty cell
// after the last item, and vertical scrolling in pixels. Painting visits only the
// cells that can be seen, so its cost does not grow with the item count.

#include <cstdint>

#include "ui/scroll_code.h"
#include "ui/wheel_notches.h"

constexpr int kGridCell = 61;
constexpr int kGridThumbnail = 60;

struct GridPoint {
  int x = 0;
  int y = 0;
};

// A half-open range of item indices.
struct GridRange {
  int first = 0;
  int end = 0;
};

class ThumbnailGrid {
 public:
  // Measures a client area for `count` items and scrolls so that `selection` shows:
  // columns, content height (always a row for the empty end cell), the largest scroll
  // position; the scroll position restarts at 0.
  void layout(int clientWidth, int clientHeight, int count, int selection);
  // Brings the selected cell into view: to the bottom edge when it lies below, to
  // the top edge when it lies above; position 0 when everything fits.
  void ensureVisible(int selection);
  // Line +-30, page +-60, thumb tracking to `thumb`; the final thumb notification and
  // other codes change nothing. Clamped to 0 ... scrollMax. True when it moved.
  bool scroll(int code, int thumb);
  // Moves by a number of pixels (the mouse wheel), clamped. True when it moved.
  bool scrollBy(int pixels);
  // A mouse-wheel delta: one row per notch. True when it moved.
  bool wheel(int delta) {
    const int notches = wheel_.add(delta);
    return notches != 0 && scrollBy(-notches * kGridCell);
  }

  // The cell at client point (x, y): the column is capped at the last one, so a click
  // right of the grid takes the last cell of its row. -1 when the index lies outside
  // 0 ... count (count is the empty end cell) or the point is above or left of the
  // client area.
  int hitTest(int x, int y, int count) const;
  // Top-left corner of cell `index` in client pixels.
  GridPoint cellOrigin(int index) const;
  // The items whose cells are at least partly visible (cell top from -60 to below the
  // client height), clipped to 0 ... count.
  GridRange visibleItems(int count) const;

  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  int columns() const { return columns_; }
  int contentHeight() const { return contentHeight_; }
  int scrollMax() const { return scrollMax_; }
  int scrollPos() const { return scrollPos_; }
  // Whether the scroll bar has anything to scroll.
  bool scrollable() const { return scrollMax_ > 0; }

 private:
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int columns_ = 1;
  int contentHeight_ = kGridCell;
  int scrollMax_ = 0;
  int scrollPos_ = 0;
  WheelNotches wheel_;
};
