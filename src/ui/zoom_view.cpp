#include "ui/zoom_view.h"

#include <algorithm>
#include <cstdint>

bool ZoomView::setZoom(int zoom) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  if (zoom == zoom_) return false;
  zoom_ = zoom;
  offsetX_ = offsetY_ = 0;
  return true;
}

void ZoomView::setClientSize(int width, int height) {
  clientWidth_ = std::max(width, 0);
  clientHeight_ = std::max(height, 0);
  offsetX_ = offsetY_ = 0;
}

void ZoomView::setDocumentSize(int width, int height) {
  documentWidth_ = std::max(width, 0);
  documentHeight_ = std::max(height, 0);
  offsetX_ = offsetY_ = 0;
}

ViewPoint ZoomView::clientToDocument(int x, int y) const {
  return ViewPoint{FloorDiv(x, zoom_) + offsetX_, FloorDiv(y, zoom_) + offsetY_};
}

ViewPoint ZoomView::documentToClient(int x, int y) const {
  return ViewPoint{(x - offsetX_) * zoom_, (y - offsetY_) * zoom_};
}

int ZoomView::scrollMax(ScrollAxis axis) const {
  const bool horizontal = axis == ScrollAxis::Horizontal;
  const int64_t zoomed = int64_t(horizontal ? documentWidth_ : documentHeight_) * zoom_;
  const int64_t client = horizontal ? clientWidth_ : clientHeight_;
  return static_cast<int>(std::clamp<int64_t>(zoomed - client, 0, INT32_MAX));
}

bool ZoomView::scroll(ScrollAxis axis, int code, int thumb, int lineStep, int pageStep) {
  int64_t target = offset(axis);
  switch (code) {
    case kScrollLineUp:
      target -= lineStep;
      break;
    case kScrollLineDown:
      target += lineStep;
      break;
    case kScrollPageUp:
      target -= pageStep;
      break;
    case kScrollPageDown:
      target += pageStep;
      break;
    case kScrollThumbTrack:
      target = thumb / zoom_;
      break;
    default:
      return false;
  }
  return scrollBy(axis, static_cast<int>(std::clamp<int64_t>(target - offset(axis), INT32_MIN, INT32_MAX)));
}

bool ZoomView::scrollBy(ScrollAxis axis, int pixels) {
  int& current = axis == ScrollAxis::Horizontal ? offsetX_ : offsetY_;
  const int before = current;
  // The bar position (offset x zoom) is clamped, then divided again.
  const int64_t bar = std::clamp<int64_t>((int64_t(current) + pixels) * zoom_, 0, scrollMax(axis));
  current = static_cast<int>(bar / zoom_);
  return current != before;
}
