#include "graphics/draw_context.h"

#include <algorithm>
#include <limits>
#include <utility>

// The whole surface: SetViewport clamps the rectangle to it.
DrawContext::DrawContext(Surface* surface)
    : DrawContext(surface,
                  DrawRectangle{0, 0, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()}) {}

DrawContext::DrawContext(Surface* surface, const DrawRectangle& viewport) : surface_(surface) {
  if (surface_) surface_->GetSize(&width_, &height_, &pitch_);
  SetViewport(viewport);
  originX_ = viewport.left;
  originY_ = viewport.top;
  text_.clip = clip_;
  mixTable_ = surface_ ? surface_->mixTable() : nullptr;
  Begin();
}

void DrawContext::SetViewport(const DrawRectangle& rect) {
  if (!surface_) return;
  DrawRectangle r = rect;
  if (r.right < r.left) std::swap(r.left, r.right);
  if (r.bottom < r.top) std::swap(r.top, r.bottom);
  const int maxX = std::max(width_ - 1, 0);
  const int maxY = std::max(height_ - 1, 0);
  r.left = std::clamp(r.left, 0, maxX);
  r.right = std::clamp(r.right, 0, maxX);
  r.top = std::clamp(r.top, 0, maxY);
  r.bottom = std::clamp(r.bottom, 0, maxY);
  clip_ = r;
}

int DrawContext::SetFonts(const BitmapFont* ascii, const BitmapFont* hangul) {
  asciiFont_ = ascii;
  hangulFont_ = hangul;
  text_.fontsReady = ascii && hangul ? 1 : 0;
  if (ascii) text_.ascii = *ascii;
  if (hangul) text_.hangul = *hangul;
  return 1;
}

uint8_t* DrawContext::Lock() {
  if (!surface_) return nullptr;
  pixels_ = surface_->Lock();
  return pixels_;
}

void DrawContext::Unlock() {
  if (surface_) surface_->Unlock();
}

int DrawContext::Begin() {
  const bool wasLocked = pixels_ != nullptr;
  Lock();
  FillRect(0, 0, clip_.right - clip_.left, clip_.bottom - clip_.top, background_, 0);
  if (!wasLocked) Unlock();
  return pixels_ ? 1 : 0;
}
