#include "cutter/cut.h"

#include <algorithm>
#include <cstring>

#include "cutter/picture.h"

namespace {
// A rectangle this large comes from a bad coordinate, not from a user.
constexpr int64_t kMaxCutSide = 32768;
}  // namespace

bool CutRect::usable() const {
  return !empty() && left != kUnset && top != kUnset && right != kUnset && bottom != kUnset;
}

CutRect normaliseRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

void CutSource::refresh(const Picture& picture) {
  frame_ = picture.current();
}

bool CutSource::hasFrame() const {
  return frame_ && frame_->width > 0 && frame_->height > 0 &&
         frame_->pixels.size() >= static_cast<size_t>(frame_->width) * static_cast<size_t>(frame_->height);
}

int CutSource::pixelAt(int32_t x, int32_t y) const {
  if (!hasFrame() || x < 0 || y < 0 || x >= frame_->width || y >= frame_->height) return -1;
  return frame_->pixels[static_cast<size_t>(y) * static_cast<size_t>(frame_->width) + static_cast<size_t>(x)];
}

bool CutSource::isOpaque(int32_t x, int32_t y) const {
  const int index = pixelAt(x, y);
  return index >= 0 && index != transparentIndex;
}

CutRect CutSource::findOutwardBounds(int32_t x, int32_t y) const {
  if (!hasFrame()) return {};
  if (ignoreTransparent) return {0, 0, frame_->width - 1, frame_->height - 1};
  if (!isOpaque(x, y)) return {};
  int32_t l = x, r = x, t = y, b = y;
  for (;;) {
    bool top = false, bottom = false, left = false, right = false;
    // A scan may stop once both of its lines have shown an opaque pixel.
    for (int32_t i = l; i <= r && !(top && bottom); ++i) {
      top = top || isOpaque(i, t);
      bottom = bottom || isOpaque(i, b);
    }
    for (int32_t j = t; j <= b && !(left && right); ++j) {
      left = left || isOpaque(l, j);
      right = right || isOpaque(r, j);
    }
    if (!top && !bottom && !left && !right) break;
    if (top) --t;
    if (bottom) ++b;
    if (left) --l;
    if (right) ++r;
  }
  return {l + 1, t + 1, r - 1, b - 1};
}

CutRect CutSource::findInwardBounds(CutRect rect) const {
  if (!hasFrame()) return {};
  rect = normaliseRect(rect.left, rect.top, rect.right, rect.bottom);
  if (ignoreTransparent) return rect;
  // Lines outside the frame hold nothing opaque, so start from the part inside it.
  int32_t l = std::max(rect.left, 0), t = std::max(rect.top, 0);
  int32_t r = std::min(rect.right, frame_->width - 1), b = std::min(rect.bottom, frame_->height - 1);
  auto rowEmpty = [&](int32_t j) {
    for (int32_t i = l; i <= r; ++i)
      if (isOpaque(i, j)) return false;
    return true;
  };
  auto columnEmpty = [&](int32_t i) {
    for (int32_t j = t; j <= b; ++j)
      if (isOpaque(i, j)) return false;
    return true;
  };
  while (l <= r && t <= b) {
    const bool top = rowEmpty(t), bottom = rowEmpty(b), left = columnEmpty(l), right = columnEmpty(r);
    if (!top && !bottom && !left && !right) break;
    if (top) ++t;
    if (bottom) --b;
    if (left) ++l;
    if (right) --r;
  }
  if (l > r || t > b) return {};
  return {l, t, r, b};
}

void CutSource::copyCutPixels(const CutRect& r, uint8_t* dest) const {
  const size_t w = static_cast<size_t>(r.width());
  const size_t h = static_cast<size_t>(r.height());
  std::memset(dest, 0, w * h);
  if (!hasFrame()) return;
  const bool map = transparentIndex != 0 && !ignoreTransparent;
  const int64_t x0 = std::max<int64_t>(r.left, 0), x1 = std::min<int64_t>(r.right, frame_->width - 1);
  const int64_t y0 = std::max<int64_t>(r.top, 0), y1 = std::min<int64_t>(r.bottom, frame_->height - 1);
  if (x0 > x1 || y0 > y1) return;
  const size_t span = static_cast<size_t>(x1 - x0 + 1);
  for (int64_t y = y0; y <= y1; ++y) {
    const uint8_t* src = frame_->pixels.data() + y * frame_->width + x0;
    uint8_t* out = dest + static_cast<size_t>(y - r.top) * w + static_cast<size_t>(x0 - r.left);
    if (!map) {
      std::memcpy(out, src, span);
      continue;
    }
    const uint8_t transparent = static_cast<uint8_t>(transparentIndex);
    for (size_t i = 0; i < span; ++i) out[i] = src[i] == transparent ? 0 : src[i];
  }
}

std::unique_ptr<Sprite> CutSource::makeSprite(const CutRect& r) const {
  if (!hasFrame() || !r.usable()) return nullptr;
  if (r.width() > kMaxCutSide || r.height() > kMaxCutSide) return nullptr;
  if (!CutSizeAllowed(r.width(), r.height())) return nullptr;
  std::vector<uint8_t> buffer(static_cast<size_t>(r.width() * r.height()));
  copyCutPixels(r, buffer.data());
  return std::make_unique<Sprite>(static_cast<int32_t>(r.width()), static_cast<int32_t>(r.height()),
                                  std::move(buffer));
}

int cutToSprite(const CutSource& source, const CutRect& r, SpriteSet& set) {
  std::unique_ptr<Sprite> sprite = source.makeSprite(r);
  if (!sprite) return 0;
  return set.Insert(std::move(sprite), -1);
}
