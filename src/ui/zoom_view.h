#pragma once
// The view of a zoomed, scrolled drawing: zoom 1 to 4, client size in screen pixels,
// document size and scroll offsets in document pixels. The scroll bars work in
// screen pixels (offset x zoom); converting a client point divides by the zoom.

#include "ui/scroll_code.h"

struct ViewPoint {
  int x = 0;
  int y = 0;
};

constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 4;

class ZoomView {
 public:
  // A new zoom (clamped to 1 ... 4) restarts the offsets at 0. True when it changed.
  bool setZoom(int zoom);
  // Both restart the offsets at 0.
  void setClientSize(int width, int height);
  void setDocumentSize(int width, int height);

  // Client pixel to document pixel: divided by the zoom (rounding down, so a point
  // left of or above the client area stays outside) plus the offsets.
  ViewPoint clientToDocument(int x, int y) const;
  // The client pixel of a document pixel's top-left corner.
  ViewPoint documentToClient(int x, int y) const;

  // Line and page steps are in document pixels; thumb tracking takes the bar's screen
  // position. The offset is clamped so that the bar stays in 0 ... scrollMax. True
  // when the offset changed.
  bool scroll(ScrollAxis axis, int code, int thumb, int lineStep = 30, int pageStep = 60);
  // Moves by document pixels, clamped like scroll.
  bool scrollBy(ScrollAxis axis, int pixels);

  int zoom() const { return zoom_; }
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  int documentWidth() const { return documentWidth_; }
  int documentHeight() const { return documentHeight_; }
  int offsetX() const { return offsetX_; }
  int offsetY() const { return offsetY_; }
  int offset(ScrollAxis axis) const { return axis == ScrollAxis::Horizontal ? offsetX_ : offsetY_; }
  // The largest scroll-bar position in screen pixels: zoomed document minus client.
  int scrollMax(ScrollAxis axis) const;
  int barPosition(ScrollAxis axis) const { return offset(axis) * zoom_; }
  bool barEnabled(ScrollAxis axis) const { return scrollMax(axis) > 0; }
  // The document pixels the client area shows, rounded up.
  int visibleWidth() const { return (clientWidth_ + zoom_ - 1) / zoom_; }
  int visibleHeight() const { return (clientHeight_ + zoom_ - 1) / zoom_; }

 private:
  int zoom_ = 1;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int documentWidth_ = 0;
  int documentHeight_ = 0;
  int offsetX_ = 0;
  int offsetY_ = 0;
};

// Integer division rounding towards minus infinity.
inline int FloorDiv(int value, int divisor) {
  int q = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? q - 1 : q;
}
