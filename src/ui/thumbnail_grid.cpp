#include "ui/thumbnail_grid.h"

#include <algorithm>

void ThumbnailGrid::layout(int clientWidth, int clientHeight, int count, int selection) {
  clientWidth_ = std::max(clientWidth, 0);
  clientHeight_ = std::max(clientHeight, 0);
  columns_ = std::max(clientWidth_ / kGridCell, 1);
  const int64_t rows = int64_t(std::max(count, 0)) / columns_ + 1;
  contentHeight_ = static_cast<int>(std::min<int64_t>(rows * kGridCell, INT32_MAX / 2));
  scrollMax_ = std::max(contentHeight_ - clientHeight_, 0);
  scrollPos_ = 0;
  ensureVisible(selection);
}

void ThumbnailGrid::ensureVisible(int selection) {
  // In content pixels. Below: to the bottom edge; above (or taller than the window,
  // which a window under 60 pixels is): to the top edge. When everything fits the
  // clamp leaves 0.
  const int64_t top = int64_t(std::max(selection, 0) / columns_) * kGridCell;
  int64_t position = scrollPos_;
  if (top + kGridThumbnail > position + clientHeight_) position = top + kGridThumbnail - clientHeight_;
  if (top < position) position = top;
  scrollPos_ = static_cast<int>(std::clamp<int64_t>(position, 0, scrollMax_));
}

bool ThumbnailGrid::scroll(int code, int thumb) {
  int target = scrollPos_;
  switch (code) {
    case kScrollLineUp:
      target -= 30;
      break;
    case kScrollLineDown:
      target += 30;
      break;
    case kScrollPageUp:
      target -= 60;
      break;
    case kScrollPageDown:
      target += 60;
      break;
    case kScrollThumbTrack:
      target = thumb;
      break;
    default:
      return false;
  }
  return scrollBy(target - scrollPos_);
}

bool ThumbnailGrid::scrollBy(int pixels) {
  const int before = scrollPos_;
  scrollPos_ = static_cast<int>(std::clamp<int64_t>(int64_t(scrollPos_) + pixels, 0, scrollMax_));
  return scrollPos_ != before;
}

int ThumbnailGrid::hitTest(int x, int y, int count) const {
  if (x < 0 || y < 0) return -1;
  const int column = std::min(x / kGridCell, columns_ - 1);
  const int64_t row = (int64_t(y) + scrollPos_) / kGridCell;
  const int64_t index = row * columns_ + column;
  return index <= std::max(count, 0) ? static_cast<int>(index) : -1;
}

GridPoint ThumbnailGrid::cellOrigin(int index) const {
  return GridPoint{index % columns_ * kGridCell, index / columns_ * kGridCell - scrollPos_};
}

GridRange ThumbnailGrid::visibleItems(int count) const {
  // From the row under the top edge to the last row whose top lies above the bottom edge.
  const int firstRow = scrollPos_ / kGridCell;
  const int64_t endRow = (int64_t(scrollPos_) + clientHeight_ + kGridCell - 1) / kGridCell;
  GridRange range;
  range.first = static_cast<int>(std::min<int64_t>(int64_t(firstRow) * columns_, std::max(count, 0)));
  range.end = static_cast<int>(std::min<int64_t>(endRow * columns_, std::max(count, 0)));
  range.end = std::max(range.end, range.first);
  return range;
}
