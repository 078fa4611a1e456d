#pragma once
// Cutting sprites out of the current picture frame: the rectangle type, the two
// automatic sizing rules (outward from a clicked pixel, inward from a dragged
// rectangle), the pixel copy with the transparent colour mapped to index 0, and the
// insertion of the new sprite at the sprite set's cursor.

#include <cstdint>
#include <memory>

#include "base/unset.h"
#include "sprites/sprite.h"
#include "sprites/sprite_set.h"

// The most pixels one cut may cover, as many as the largest picture frame holds: a
// larger cut would ask for a buffer that no picture can fill (and that a 32-bit
// program may not get).
constexpr int64_t kMaxCutPixels = int64_t(64) << 20;
// Whether a cut of this size may be made.
inline bool CutSizeAllowed(int64_t width, int64_t height) {
  return width >= 1 && height >= 1 && width * height <= kMaxCutPixels;
}

class Picture;
struct PictureFrame;

// Inclusive on all four sides; empty when right < left or bottom < top.
struct CutRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = -1;
  int32_t bottom = -1;

  bool empty() const { return right < left || bottom < top; }
  // Not empty and holding no unset coordinate: a rectangle a sprite can be made of.
  bool usable() const;
  int64_t width() const { return int64_t(right) - left + 1; }
  int64_t height() const { return int64_t(bottom) - top + 1; }
  bool contains(int32_t x, int32_t y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  bool operator==(const CutRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

CutRect normaliseRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1);

// What every cut reads: the current frame, "투명색 무시" and the transparent colour.
class CutSource {
 public:
  // Points at the picture's current frame (none when it has no frames).
  void refresh(const Picture& picture);
  void setFrame(const PictureFrame* frame) { frame_ = frame; }
  const PictureFrame* frame() const { return frame_; }
  bool hasFrame() const;

  int ignoreTransparent = 0;
  int transparentIndex = 0;

  // Inside the frame and not the transparent colour.
  bool isOpaque(int32_t x, int32_t y) const;
  // The index at (x, y), or -1 outside the frame.
  int pixelAt(int32_t x, int32_t y) const;

  // The smallest rectangle holding (x, y) whose one-pixel margin is transparent;
  // empty when (x, y) is not opaque. With ignoreTransparent, the whole frame.
  CutRect findOutwardBounds(int32_t x, int32_t y) const;
  // The bounding box of the opaque pixels inside r (normalised). With
  // ignoreTransparent, r unchanged.
  CutRect findInwardBounds(CutRect r) const;
  // Fills r.width() * r.height() bytes, row by row. The transparent colour becomes 0
  // unless ignoreTransparent is set. Parts of r outside the frame come out as 0; no
  // pixel outside the frame is read.
  void copyCutPixels(const CutRect& r, uint8_t* dest) const;
  // A sprite of r's size and pixels, or null when r is not usable or there is no
  // frame.
  std::unique_ptr<Sprite> makeSprite(const CutRect& r) const;

 private:
  const PictureFrame* frame_ = nullptr;
};

// Makes the sprite of r and inserts it in front of the set's current sprite (or at
// the end when the cursor is on the empty place after the last one). The cursor then
// still names the same sprite, so successive cuts come out in the order made.
// Returns 1 when a sprite was added, 0 when nothing was cut. The caller marks the
// document modified and refreshes its windows.
int cutToSprite(const CutSource& source, const CutRect& r, SpriteSet& set);
