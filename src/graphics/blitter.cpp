// Sprite blits. Each orientation and colour mode has its own loop (template
// instances) with no per-pixel test but transparency; rows advance by pointer steps.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "graphics/draw_context.h"
#include "sprites/sprite.h"

namespace {

enum BlitMode { kOwnColours, kSilhouette, kMixed, kMixedSilhouette };

// The destination span of a blit: columns [x0, x1) and rows [y0, y1).
struct Span {
  int x0, x1, y0, y1;
};

// A blit never draws the clip rectangle's right column or bottom row.
bool ClipBlit(int64_t left, int64_t top, int64_t w, int64_t h, const DrawRectangle& clip, Span& span) {
  const int64_t x0 = std::max<int64_t>(left, clip.left), x1 = std::min<int64_t>(left + w, clip.right);
  const int64_t y0 = std::max<int64_t>(top, clip.top), y1 = std::min<int64_t>(top + h, clip.bottom);
  if (x0 >= x1 || y0 >= y1) return false;
  span = Span{static_cast<int>(x0), static_cast<int>(x1), static_cast<int>(y0), static_cast<int>(y1)};
  return true;
}

// Eight source bytes in destination order: s[0], s[Step], ... s[7 * Step].
template <int Step>
inline uint64_t LoadEight(const uint8_t* s) {
  uint64_t v;
  std::memcpy(&v, Step > 0 ? s : s - 7, 8);
  return Step > 0 ? v : __builtin_bswap64(v);
}

// 0xFF in every byte of v that is not 0 (transparent), 0x00 elsewhere.
inline uint64_t OpaqueBytes(uint64_t v) {
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const uint64_t top = (((v & kLow7) + kLow7) | v) & ~kLow7;
  return (top >> 7) * 0xFF;
}

template <BlitMode Mode, int Step>
inline void BlitRow(uint8_t* d, const uint8_t* s, int n, const uint8_t* mix, uint8_t colour) {
  int i = 0;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  if (Mode == kOwnColours || Mode == kSilhouette) {
    // Eight pixels at a time, transparent bytes keeping the destination.
    const uint64_t fill = 0x0101010101010101ULL * colour;
    for (; i + 8 <= n; i += 8) {
      const uint64_t v = LoadEight<Step>(s + i * Step);
      uint64_t old;
      std::memcpy(&old, d + i, 8);
      const uint64_t m = OpaqueBytes(v);
      const uint64_t out = ((Mode == kOwnColours ? v : fill) & m) | (old & ~m);
      std::memcpy(d + i, &out, 8);
    }
  }
#endif
  for (; i < n; ++i) {
    const uint8_t v = s[i * Step];
    if (!v) continue;
    if (Mode == kOwnColours) {
      d[i] = v;
    } else if (Mode == kSilhouette) {
      d[i] = colour;
    } else if (Mode == kMixed) {
      d[i] = mix[d[i] * 256 + v];
    } else {
      d[i] = mix[d[i] * 256 + colour];
    }
  }
}

template <BlitMode Mode, int Step>
void BlitRows(uint8_t* dst, int pitch, const uint8_t* src, ptrdiff_t rowStep, int w, int h,
              const uint8_t* mix, uint8_t colour) {
  for (int y = 0; y < h; ++y, dst += pitch, src += rowStep) BlitRow<Mode, Step>(dst, src, w, mix, colour);
}

// One orientation: picks the mode's loop.
template <bool FlipX, bool FlipY>
void BlitOriented(uint8_t* dst, int pitch, const Sprite& sprite, int64_t left, int64_t top, const Span& span,
                  BlitMode mode, const uint8_t* mix, uint8_t colour) {
  const int64_t col = FlipX ? sprite.width - 1 - (span.x0 - left) : span.x0 - left;
  const int64_t row = FlipY ? sprite.height - 1 - (span.y0 - top) : span.y0 - top;
  const uint8_t* src = sprite.pixels.data() + row * sprite.width + col;
  const ptrdiff_t rowStep = FlipY ? -static_cast<ptrdiff_t>(sprite.width) : sprite.width;
  const int w = span.x1 - span.x0, h = span.y1 - span.y0;
  constexpr int kStep = FlipX ? -1 : 1;
  switch (mode) {
    case kOwnColours:
      BlitRows<kOwnColours, kStep>(dst, pitch, src, rowStep, w, h, mix, colour);
      break;
    case kSilhouette:
      BlitRows<kSilhouette, kStep>(dst, pitch, src, rowStep, w, h, mix, colour);
      break;
    case kMixed:
      BlitRows<kMixed, kStep>(dst, pitch, src, rowStep, w, h, mix, colour);
      break;
    case kMixedSilhouette:
      BlitRows<kMixedSilhouette, kStep>(dst, pitch, src, rowStep, w, h, mix, colour);
      break;
  }
}

BlitMode ModeOf(bool translucent, int colour) {
  if (translucent) return colour < 0 ? kMixed : kMixedSilhouette;
  return colour < 0 ? kOwnColours : kSilhouette;
}

// A row of the scaled blit: the source column is the 16.16 accumulator's integer part.
template <BlitMode Mode>
void ScaledRow(uint8_t* d, const uint8_t* s, int n, int64_t acc, int64_t step, const uint8_t* mix,
               uint8_t colour) {
  for (int i = 0; i < n; ++i, ++d, acc += step) {
    const uint8_t v = s[acc >> 16];
    if (!v) continue;
    if (Mode == kOwnColours) {
      *d = v;
    } else if (Mode == kSilhouette) {
      *d = colour;
    } else if (Mode == kMixed) {
      *d = mix[*d * 256 + v];
    } else {
      *d = mix[*d * 256 + colour];
    }
  }
}

}  // namespace

int DrawContext::DrawSprite(int x, int y, const Sprite* sprite, int flags, int colour) {
  if (!pixels_ || !sprite || !HasPixels(*sprite)) return 0;
  const int64_t left = int64_t(x) + originX_, top = int64_t(y) + originY_;
  Span span;
  if (!ClipBlit(left, top, sprite->width, sprite->height, clip_, span)) return 0;
  uint8_t* dst = PixelAddress(span.x0, span.y0);
  const BlitMode mode = ModeOf(flags & kTranslucent, colour);
  const uint8_t c = static_cast<uint8_t>(colour);
  switch (flags & (kFlipHorizontal | kFlipVertical)) {
    case 0:
      BlitOriented<false, false>(dst, pitch_, *sprite, left, top, span, mode, mixTable_, c);
      break;
    case kFlipHorizontal:
      BlitOriented<true, false>(dst, pitch_, *sprite, left, top, span, mode, mixTable_, c);
      break;
    case kFlipVertical:
      BlitOriented<false, true>(dst, pitch_, *sprite, left, top, span, mode, mixTable_, c);
      break;
    default:
      BlitOriented<true, true>(dst, pitch_, *sprite, left, top, span, mode, mixTable_, c);
      break;
  }
  return 1;
}

int DrawContext::DrawSpriteScaled(int x, int y, const Sprite* sprite, float scale, int translucent,
                                  int colour) {
  if (!pixels_ || !sprite || !HasPixels(*sprite) || !(scale > 0.0f) || !std::isfinite(scale)) return 0;
  // Sizes beyond any surface are cut down before they can overflow.
  constexpr double kLimit = 1e9;
  const double fw = std::trunc(static_cast<double>(scale * static_cast<float>(sprite->width)));
  const double fh = std::trunc(static_cast<double>(scale * static_cast<float>(sprite->height)));
  int64_t w = static_cast<int64_t>(std::min(fw, kLimit)), h = static_cast<int64_t>(std::min(fh, kLimit));
  const double fstep = std::trunc(static_cast<double>(65536.0f / scale));
  const int64_t step = static_cast<int64_t>(std::min(fstep, kLimit * 65536.0));
  // Rounding of the size in single precision must not carry the last column past
  // the sprite's right edge.
  if (step > 0) w = std::min<int64_t>(w, ((int64_t(sprite->width) << 16) - 1) / step + 1);

  const int64_t left = int64_t(x) + originX_, top = int64_t(y) + originY_;
  Span span;
  if (!ClipBlit(left, top, w, h, clip_, span)) return 0;
  const BlitMode mode = ModeOf(translucent != 0, colour);
  const uint8_t c = static_cast<uint8_t>(colour);
  const int n = span.x1 - span.x0;
  const int64_t acc0 = (span.x0 - left) * step;
  uint8_t* dst = PixelAddress(span.x0, span.y0);
  for (int yy = span.y0; yy < span.y1; ++yy, dst += pitch_) {
    int64_t row = static_cast<int64_t>(static_cast<float>(yy - top) / scale);
    row = std::clamp<int64_t>(row, 0, sprite->height - 1);
    const uint8_t* src = sprite->pixels.data() + row * sprite->width;
    switch (mode) {
      case kOwnColours:
        ScaledRow<kOwnColours>(dst, src, n, acc0, step, mixTable_, c);
        break;
      case kSilhouette:
        ScaledRow<kSilhouette>(dst, src, n, acc0, step, mixTable_, c);
        break;
      case kMixed:
        ScaledRow<kMixed>(dst, src, n, acc0, step, mixTable_, c);
        break;
      case kMixedSilhouette:
        ScaledRow<kMixedSilhouette>(dst, src, n, acc0, step, mixTable_, c);
        break;
    }
  }
  return 1;
}

int DrawContext::DrawMask(int x, int y, const Sprite* sprite, int colour1, int colour2) {
  if (!pixels_ || !sprite || !HasPixels(*sprite)) return 0;
  const int64_t left = int64_t(x) + originX_, top = int64_t(y) + originY_;
  Span span;
  if (!ClipBlit(left, top, sprite->width, sprite->height, clip_, span)) return 0;
  const uint8_t c1 = static_cast<uint8_t>(colour1), c2 = static_cast<uint8_t>(colour2);
  const int w = span.x1 - span.x0;
  uint8_t* dst = PixelAddress(span.x0, span.y0);
  const uint8_t* src = sprite->pixels.data() + (span.y0 - top) * sprite->width + (span.x0 - left);
  for (int yy = span.y0; yy < span.y1; ++yy, dst += pitch_, src += sprite->width) {
    for (int i = 0; i < w; ++i) {
      if (src[i] == 255) {
        dst[i] = c1;
      } else if (src[i] == 254) {
        dst[i] = c2;
      }
    }
  }
  return 1;
}

int DrawContext::CopyBlock(int x, int y, const uint8_t* pixels, int width, int height) {
  if (!pixels_ || !pixels) return 0;
  const int64_t left = int64_t(x) + originX_, top = int64_t(y) + originY_;
  // Unlike the blits, the copy reaches the clip rectangle's right column and bottom row.
  // A block without width or height ends before it starts and is refused below.
  const int64_t x0 = std::max<int64_t>(left, clip_.left),
                x1 = std::min<int64_t>(left + width - 1, clip_.right);
  const int64_t y0 = std::max<int64_t>(top, clip_.top),
                y1 = std::min<int64_t>(top + height - 1, clip_.bottom);
  if (x0 > x1 || y0 > y1) return 0;
  const size_t n = static_cast<size_t>(x1 - x0 + 1);
  const uint8_t* src = pixels + (y0 - top) * width + (x0 - left);
  uint8_t* dst = PixelAddress(static_cast<int>(x0), static_cast<int>(y0));
  for (int64_t yy = y0; yy <= y1; ++yy, src += width, dst += pitch_) std::memcpy(dst, src, n);
  return 1;
}
