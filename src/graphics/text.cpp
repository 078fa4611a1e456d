// Text from the two bitmap fonts: bytes below 0x80 are ASCII glyphs, every other
// byte is the lead byte of a two-byte EUC-KR code.
#include <algorithm>

#include "graphics/draw_context.h"

void DrawContext::drawGlyph(const BitmapFont& font, int index, int x, int y, int colour, int background,
                            int gradient) {
  const DrawRectangle& clip = text_.clip;
  const int w = font.bytesPerRow * 8, h = font.height;
  if (x > clip.right || y > clip.bottom || int64_t(x) + w < clip.left || int64_t(y) + h < clip.top) return;
  const uint8_t* bits = font.glyph(index);
  const int c0 = std::max(0, clip.left - x), c1 = std::min(w - 1, clip.right - x);
  int c = colour;
  for (int r = 0; r < h; ++r, bits += font.bytesPerRow) {
    const int sy = y + r;
    if (sy >= clip.top && sy <= clip.bottom) {
      // The row's bits with column 0 in the top bit of a w-bit number.
      uint64_t rowBits = 0;
      for (int b = 0; b < font.bytesPerRow; ++b) rowBits = rowBits << 8 | bits[b];
      if (rowBits || background) {
        uint8_t* row = PixelAddress(x, sy);
        for (int col = c0; col <= c1; ++col) {
          if ((rowBits >> (w - 1 - col)) & 1) {
            row[col] = static_cast<uint8_t>(c);
          } else if (background) {
            row[col] = static_cast<uint8_t>(background);
          }
        }
      }
    }
    // The gradient counts surface rows, drawn or clipped, so clipping never shifts it.
    if (gradient && (sy & 1)) ++c;
  }
}

void DrawContext::drawGlyphWithEffects(const BitmapFont& font, int index, int x, int y) {
  int background = textBackground_;
  if (textFlags_ & kTextOutline) {
    drawGlyph(font, index, x - 1, y, textOutlineColour_, 0, 0);
    drawGlyph(font, index, x + 1, y, textOutlineColour_, background, 0);
    drawGlyph(font, index, x, y - 1, textOutlineColour_, 0, 0);
    drawGlyph(font, index, x, y + 1, textOutlineColour_, 0, 0);
    background = 0;
  }
  if (textFlags_ & kTextShadow) {
    drawGlyph(font, index, x + 1, y + 1, textOutlineColour_, background, 0);
    background = 0;
  }
  drawGlyph(font, index, x, y, textColour_, background, textFlags_ & kTextGradient);
}

int DrawContext::DrawText(int x, int y, const char* text) {
  if (!pixels_ || !text_.fontsReady || !text) return 0;
  const BitmapFont& ascii = text_.ascii;
  const BitmapFont& hangul = text_.hangul;
  // Glyphs this far out cannot touch any surface; skipping them keeps the sums
  // below from overflowing.
  constexpr int kFar = 1 << 24;
  const int64_t top = int64_t(text_.clip.top) + y;
  int64_t cx = int64_t(text_.clip.left) + x;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (*p) {
    if (cx > text_.clip.right + 1) break;  // every later glyph lies right of the clip
    const unsigned f = *p++;
    const BitmapFont* font;
    int index;
    if (f < 0x80) {
      font = &ascii;
      index = static_cast<int>(f);
    } else {
      const unsigned t = *p;
      if (t) ++p;  // a lead byte right before the terminator stands alone
      font = &hangul;
      if (f < kHangulFirstLead || f > kHangulLastLead || t < 0xA0) {
        index = kReplacementGlyph;
      } else {
        index = static_cast<int>((f - kHangulFirstLead) * kHangulCellsPerLead + (t - 0xA0));
      }
    }
    if (index < font->glyphCount && cx > -kFar && top > -kFar && top < kFar) {
      drawGlyphWithEffects(*font, index, static_cast<int>(cx), static_cast<int>(top));
    }
    cx += font->width;
  }
  return 1;
}
