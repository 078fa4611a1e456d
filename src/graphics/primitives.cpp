// Lines, rectangle outlines and filled rectangles in one palette index, solid,
// exclusive-or or mixed through the mixing table.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "graphics/draw_context.h"

namespace {

// The state of a line walk after n steps along its major axis: the number of minor
// steps taken and the error term. A walk adds db to the error per step and takes a
// minor step (subtracting da) whenever the error exceeds da / 2, so after n steps
// it has taken the smallest k with n * db - k * da <= da / 2. Computed directly so
// that a line starting far outside the clip rectangle needs no walk to get there.
void StateAfter(int64_t n, int64_t da, int64_t db, int64_t& k, int64_t& e) {
  const int64_t h = da / 2;
  const double estimate = std::ceil(
      (static_cast<double>(n) * static_cast<double>(db) - static_cast<double>(h)) / static_cast<double>(da));
  k = estimate > 0 ? static_cast<int64_t>(estimate) : 0;
  // n * db may not fit, but the error itself is small: compute it modulo 2^64.
  e = static_cast<int64_t>(static_cast<uint64_t>(n) * static_cast<uint64_t>(db) -
                           static_cast<uint64_t>(k) * static_cast<uint64_t>(da));
  while (e > h) {
    ++k;
    e -= da;
  }
  while (k > 0 && e + da <= h) {
    --k;
    e += da;
  }
}

}  // namespace

void DrawContext::plot(int x, int y, int c, int t) {
  uint8_t* p = PixelAddress(x, y);
  if (t) {
    *p = mixTable_[*p * 256 + (c & 255)];
  } else if (c >= 0) {
    *p = static_cast<uint8_t>(c);
  } else {
    *p = static_cast<uint8_t>(*p ^ (-static_cast<int64_t>(c) & 255));
  }
}

int DrawContext::DrawLine(int x1, int y1, int x2, int y2, int c, int t) {
  if (!pixels_) return 0;
  const int64_t ax = int64_t(x1) + originX_, ay = int64_t(y1) + originY_;
  const int64_t bx = int64_t(x2) + originX_, by = int64_t(y2) + originY_;
  const int64_t dx = std::llabs(bx - ax), dy = std::llabs(by - ay);
  const int sx = bx < ax ? -1 : 1, sy = by < ay ? -1 : 1;
  const bool xMajor = dy < dx;

  // Major axis a, minor axis b; the clip limits of each.
  const int64_t a1 = xMajor ? ax : ay, b1 = xMajor ? ay : ax;
  const int64_t da = xMajor ? dx : dy, db = xMajor ? dy : dx;
  const int sa = xMajor ? sx : sy, sb = xMajor ? sy : sx;
  const int64_t aMin = xMajor ? clip_.left : clip_.top, aMax = xMajor ? clip_.right : clip_.bottom;
  const int64_t bMin = xMajor ? clip_.top : clip_.left, bMax = xMajor ? clip_.bottom : clip_.right;

  if (a1 > aMax || b1 > bMax) return 1;  // the walk stops at its first point
  int64_t n = 0, k = 0, e = 0;
  if (a1 < aMin) {
    // Every point before the clip rectangle along the major axis is skipped; moving
    // away from it, no point is ever drawn.
    if (sa < 0) return 1;
    n = std::min(aMin - a1, da);
    StateAfter(n, da, db, k, e);
  }
  const int64_t h = da / 2;
  int64_t a = a1 + sa * n, b = b1 + sb * k;
  for (; n <= da; ++n) {
    if (a > aMax || b > bMax) break;
    if (a < aMin) break;  // only reachable moving away from the rectangle
    if (b >= bMin) {
      if (xMajor) {
        plot(static_cast<int>(a), static_cast<int>(b), c, t);
      } else {
        plot(static_cast<int>(b), static_cast<int>(a), c, t);
      }
    }
    e += db;
    if (e > h) {
      b += sb;
      e -= da;
    }
    a += sa;
  }
  return 1;  // whatever part of the line the clip kept is drawn
}

int DrawContext::DrawRect(int x1, int y1, int x2, int y2, int c, int t) {
  if (!pixels_) return 0;
  // Every outline pixel is drawn once, so that exclusive-or and mixing work: the
  // corners belong to the sides, and a rectangle one or two pixels wide or high has
  // no separate top and bottom (or right side).
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  DrawLine(x1, y1, x1, y2, c, t);
  if (x2 != x1) DrawLine(x2, y1, x2, y2, c, t);
  if (int64_t(x2) - x1 >= 2) {
    DrawLine(x1 + 1, y1, x2 - 1, y1, c, t);
    if (y2 != y1) DrawLine(x1 + 1, y2, x2 - 1, y2, c, t);
  }
  return 1;
}

int DrawContext::FillRect(int x1, int y1, int x2, int y2, int c, int t) {
  if (!pixels_) return 0;
  int64_t l = int64_t(x1) + originX_, r = int64_t(x2) + originX_;
  int64_t tp = int64_t(y1) + originY_, bt = int64_t(y2) + originY_;
  if (l > clip_.right || r < clip_.left || tp > clip_.bottom || bt < clip_.top) return 0;
  if (r < l || bt < tp) return 0;
  l = std::max<int64_t>(l, clip_.left);
  r = std::min<int64_t>(r, clip_.right);
  tp = std::max<int64_t>(tp, clip_.top);
  bt = std::min<int64_t>(bt, clip_.bottom);
  const size_t w = static_cast<size_t>(r - l + 1);
  uint8_t* row = PixelAddress(static_cast<int>(l), static_cast<int>(tp));
  for (int64_t y = tp; y <= bt; ++y, row += pitch_) {
    if (t) {
      const uint8_t* mixColumn = mixTable_ + (c & 255);
      for (size_t i = 0; i < w; ++i) row[i] = mixColumn[row[i] * 256];
    } else if (c < 0) {
      const uint8_t mask = static_cast<uint8_t>(-static_cast<int64_t>(c) & 255);
      for (size_t i = 0; i < w; ++i) row[i] ^= mask;
    } else {
      std::memset(row, c & 255, w);
    }
  }
  return 1;
}
