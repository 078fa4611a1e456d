#include "motion/editor/thumbnail_list.h"

void ThumbnailList::resize(int clientWidth, int clientHeight) {
  grid_.layout(clientWidth, clientHeight, ready() ? itemCount() : 0, ready() ? selection() : 0);
  host_.repaint(kRepaintAll);
}

void ThumbnailList::refresh() {
  resize(grid_.clientWidth(), grid_.clientHeight());
}

void ThumbnailList::scroll(int code, int thumb) {
  if (ready() && grid_.scroll(code, thumb)) repaintSelf();
}

void ThumbnailList::wheel(int delta) {
  if (ready() && grid_.wheel(delta)) repaintSelf();
}

void ThumbnailList::repaintSelf() {
  host_.repaint(window() == ZorvWindow::MotionWindow ? kRepaintMotionWindow : kRepaintSpriteWindow);
}

bool ThumbnailList::selectAt(int x, int y) {
  if (!ready()) return false;
  const int index = grid_.hitTest(x, y, itemCount());
  if (index < 0) return false;
  select(index);
  ensureVisible();
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
  ensureVisible();
}

void ThumbnailList::next() {
  if (!ready()) return;
  takeFocus();
  if (selection() < itemCount()) select(selection() + 1);
  ensureVisible();
}

void ThumbnailList::takeFocus() {
  if (host_.focusedWindow() != window()) host_.focus(window());
}

void ThumbnailList::ensureVisible() {
  grid_.ensureVisible(selection());
  host_.repaint(kRepaintAll);
}

void ThumbnailList::paintSelection(DrawContext& dc, int colour) const {
  const GridPoint cell = grid_.cellOrigin(selection());
  dc.DrawRect(cell.x, cell.y, cell.x + kGridThumbnail, cell.y + kGridThumbnail, colour, 1);
}
