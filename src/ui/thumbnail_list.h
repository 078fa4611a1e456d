#pragma once
// What the list windows of both programs share (the sprite windows and the motion
// window): a thumbnail grid over a list with a current index from 0 to count (count
// being the selectable empty cell), layout on size changes, scrolling, selection by
// click and by the previous and next keys, and the selected cell's outline. A change
// of selection brings the cell into view; each program says what is repainted then.

#include "graphics/draw_context.h"
#include "ui/scroll_bar_state.h"
#include "ui/thumbnail_grid.h"

class ThumbnailList {
 public:
  ThumbnailList() = default;
  virtual ~ThumbnailList() = default;
  ThumbnailList(const ThumbnailList&) = delete;
  ThumbnailList& operator=(const ThumbnailList&) = delete;

  // ---- Window input (client pixels) ----
  void resize(int clientWidth, int clientHeight);
  // Lays out again at the same size after the list changed.
  void relayout();
  // A scroll-bar code; the window's scroll bar follows grid() after every call.
  void scroll(int code, int thumb);
  // A mouse-wheel delta: one row per notch.
  void wheel(int delta);
  void leftDown(int x, int y);
  // Selects the cell under the mouse; true when a cell was hit.
  bool rightDown(int x, int y);
  void previous();
  void next();

  const ThumbnailGrid& grid() const { return grid_; }
  ScrollBarState scrollBar() const;

 protected:
  // Without its list the window takes no input.
  virtual bool ready() const { return true; }
  virtual int itemCount() const = 0;
  virtual int selection() const = 0;
  virtual void select(int index) = 0;
  // A command gives the window the keyboard focus first.
  virtual void takeFocus() = 0;
  // After a scroll only the list's own window changed.
  virtual void repaintList() = 0;
  // After a layout or a change of selection, which other windows may show.
  virtual void laidOut() = 0;

  void ensureSelectionVisible();
  void paintSelection(DrawContext& dc, int colour) const;
  bool selectAt(int x, int y);

  ThumbnailGrid grid_;
};
