#include "ui/thumbnail_list.h"

void ThumbnailList::resize(int clientWidth, int clientHeight) {
  grid_.layout(clientWidth, clientHeight, ready() ? itemCount() : 0, ready() ? selection() : 0);
  laidOut();
}

void ThumbnailList::relayout() {
  resize(grid_.clientWidth(), grid_.clientHeight());
}

void ThumbnailList::scroll(int code, int thumb) {
  if (ready() && grid_.scroll(code, thumb)) repaintList();
}

void ThumbnailList::wheel(int delta) {
  if (ready() && grid_.wheel(delta)) repaintList();
}

bool ThumbnailList::selectAt(int x, int y) {
  if (!ready()) return false;
  const int index = grid_.hitTest(x, y, itemCount());
  if (index < 0) return false;
  select(index);
  ensureSelectionVisible();
  return true;
}

void ThumbnailList::leftDown(int x, int y) {
  selectAt(x, y);
}

bool ThumbnailList::rightDown(int x, int y) {
  return selectAt(x, y);
}

void ThumbnailList::previous() {
  if (!ready()) return;
  takeFocus();
  if (selection() > 0) select(selection() - 1);
  ensureSelectionVisible();
}

void ThumbnailList::next() {
  if (!ready()) return;
  takeFocus();
  if (selection() < itemCount()) select(selection() + 1);
  ensureSelectionVisible();
}

void ThumbnailList::ensureSelectionVisible() {
  grid_.ensureVisible(selection());
  laidOut();
}

ScrollBarState ThumbnailList::scrollBar() const {
  return ScrollBarState{grid_.scrollable(), grid_.scrollMax(), grid_.scrollPos()};
}

void ThumbnailList::paintSelection(DrawContext& dc, int colour) const {
  const GridPoint cell = grid_.cellOrigin(selection());
  dc.DrawRect(cell.x, cell.y, cell.x + kGridThumbnail, cell.y + kGridThumbnail, colour, 1);
}
