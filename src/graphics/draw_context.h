#pragma once
// Everything drawn on a Surface goes through a DrawContext: the viewport origin
// (added to the coordinates of primitives and blits), the inclusive clip rectangle,
// the background colour used by Begin, the text attributes and the fonts.
//
// Clipping differs between operations and is kept exactly:
// - DrawLine, DrawRect, FillRect and CopyBlock may write the clip rectangle's right
//   column and bottom row; DrawSprite, DrawSpriteScaled and DrawMask never do.
// - A line stops for good at its first point right of or below the clip rectangle.
// Every operation returns 0 without drawing when no pixel pointer is held.

#include <cstddef>
#include <cstdint>

#include "graphics/bitmap_font.h"
#include "graphics/surface.h"

struct Sprite;

struct DrawRectangle {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Effect bits of a sprite blit (and of a motion).
enum SpriteEffect : int { kFlipHorizontal = 1, kFlipVertical = 2, kTranslucent = 4 };
// Text flag bits.
enum TextFlag : int { kTextOutline = 1, kTextGradient = 2, kTextShadow = 4 };

// The text renderer's own state; it keeps the clip rectangle it was set up with.
struct TextRenderer {
  int fontsReady = 0;
  BitmapFont hangul;
  BitmapFont ascii;
  DrawRectangle clip;
};

class DrawContext {
 public:
  // The viewport is the whole surface when none is given.
  explicit DrawContext(Surface* surface);
  DrawContext(Surface* surface, const DrawRectangle& viewport);
  DrawContext(const DrawContext&) = delete;
  DrawContext& operator=(const DrawContext&) = delete;

  // Normalises the rectangle and clamps it to the surface; it becomes the clip.
  void SetViewport(const DrawRectangle& rect);
  // Keeps both fonts for the text renderer (either may be null: no text is drawn).
  int SetFonts(const BitmapFont* ascii, const BitmapFont* hangul);
  uint8_t* Lock();
  void Unlock();
  // The locked pointer, or the address of surface pixel (x, y) (no origin, no checks).
  uint8_t* PixelAddress() const { return pixels_; }
  uint8_t* PixelAddress(int x, int y) const { return pixels_ + static_cast<ptrdiff_t>(y) * pitch_ + x; }
  // Clears the viewport to the background colour; 1 when a pixel pointer is held.
  int Begin();

  // Primitives. c >= 0: solid (or mixed when t is set); c < 0: exclusive-or with -c.
  int DrawLine(int x1, int y1, int x2, int y2, int c, int t);
  int DrawRect(int x1, int y1, int x2, int y2, int c, int t);
  int FillRect(int x1, int y1, int x2, int y2, int c, int t);

  // Blits. colour < 0 (kOwnPixels) draws the sprite's own pixels, 0..255 a silhouette.
  static constexpr int kOwnPixels = -1;
  int DrawSprite(int x, int y, const Sprite* sprite, int flags, int colour);
  int DrawSpriteScaled(int x, int y, const Sprite* sprite, float scale, int translucent, int colour);
  int DrawMask(int x, int y, const Sprite* sprite, int colour1, int colour2);
  int CopyBlock(int x, int y, const uint8_t* pixels, int width, int height);

  // Text at (x, y) relative to the clip rectangle's top-left corner.
  int DrawText(int x, int y, const char* text);

  void setTextColour(int c) { textColour_ = c; }
  void setTextOutlineColour(int c) { textOutlineColour_ = c; }
  void setTextBackground(int c) { textBackground_ = c; }
  void setTextFlags(int flags) { textFlags_ = flags; }
  void setBackground(uint8_t c) { background_ = c; }
  int textColour() const { return textColour_; }
  int textOutlineColour() const { return textOutlineColour_; }
  int textBackground() const { return textBackground_; }
  int textFlags() const { return textFlags_; }
  uint8_t background() const { return background_; }

  Surface* surface() const { return surface_; }
  const DrawRectangle& clip() const { return clip_; }
  int originX() const { return originX_; }
  int originY() const { return originY_; }
  const TextRenderer& textRenderer() const { return text_; }

 private:
  void plot(int x, int y, int c, int t);
  void drawGlyph(const BitmapFont& font, int index, int x, int y, int colour, int background, int gradient);
  void drawGlyphWithEffects(const BitmapFont& font, int index, int x, int y);

  Surface* surface_ = nullptr;
  TextRenderer text_;
  int textFlags_ = 0;
  int textOutlineColour_ = 0;
  int textBackground_ = 0;
  int textColour_ = 145;
  const BitmapFont* hangulFont_ = nullptr;
  const BitmapFont* asciiFont_ = nullptr;
  const uint8_t* mixTable_ = nullptr;
  int originX_ = 0;
  int originY_ = 0;
  uint8_t* pixels_ = nullptr;
  DrawRectangle clip_;
  int width_ = 0;
  int height_ = 0;
  int pitch_ = 0;
  uint8_t background_ = 0;
};
