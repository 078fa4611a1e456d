#pragma once
// What the motion window and the sprite window share: a thumbnail grid over a list
// with a current index from 0 to count (count being the selectable empty cell),
// layout on size changes, scrolling, selection by click and by the previous and
// next keys, and the selected cell's outline. A change of selection brings the cell
// into view and repaints every window, since the canvas shows what is selected.

#include "graphics/draw_context.h"
#include "motion/editor/editor_host.h"
#include "ui/thumbnail_grid.h"

class ThumbnailList {
 public:
  explicit ThumbnailList(ZorvHost& host) : host_(host) {}
  virtual ~ThumbnailList() = default;
  ThumbnailList(const ThumbnailList&) = delete;
  ThumbnailList& operator=(const ThumbnailList&) = delete;

  // ---- Window input (client pixels) ----
  void resize(int clientWidth, int clientHeight);
  // Lays out again at the same size after the list changed.
  void refresh();
  // A scroll-bar code; the window's scroll bar follows grid() after every call.
  void scroll(int code, int thumb);
  // A mouse-wheel delta: one row per notch.
  void wheel(int delta);
  void leftDown(int x, int y);
  // Selects the cell under the mouse; true when the pop-up menu is to open there.
  bool rightDown(int x, int y);
  void previous();
  void next();

  const ThumbnailGrid& grid() const { return grid_; }

 private:
  void repaintSelf();

 protected:
  // Without its list the window takes no input.
  virtual bool ready() const = 0;
  virtual int itemCount() const = 0;
  virtual int selection() const = 0;
  virtual void select(int index) = 0;
  virtual ZorvWindow window() const = 0;

  // A command gives the window the keyboard focus first.
  void takeFocus();
  void ensureVisible();
  void paintSelection(DrawContext& dc, int colour) const;
  bool selectAt(int x, int y);

  ZorvHost& host_;
  ThumbnailGrid grid_;
};
