#pragma once
// Shared helpers of the graphics tests: surfaces with the default palette and
// pixel snapshots.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/draw_context.h"
#include "graphics/surface.h"
#include "sprites/palette.h"
#include "sprites/sprite.h"

// The default palette with its mixing table, built once.
inline const PaletteBlock& TestPalette() {
  static const PaletteBlock block = [] {
    PaletteBlock b;
    std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), b.palette());
    BuildMixTable(b);
    return b;
  }();
  return block;
}

// A surface of w x h with the default palette and a context over all of it,
// cleared to `fill`.
struct Canvas {
  Surface surface;
  std::unique_ptr<DrawContext> dc;

  // Without a viewport the context covers the whole surface.
  Canvas(int w, int h, uint8_t fill = 255) : Canvas(w, h, nullptr, fill) {}
  Canvas(int w, int h, const DrawRectangle& viewport, uint8_t fill = 255) : Canvas(w, h, &viewport, fill) {}
  Canvas(int w, int h, const DrawRectangle* viewport, uint8_t fill) {
    surface.Create(SurfaceParams{nullptr, w, h});
    surface.SetPalette(0, 256, TestPalette().bytes.data(), 1);
    dc = viewport ? std::make_unique<DrawContext>(&surface, *viewport)
                  : std::make_unique<DrawContext>(&surface);
    std::fill(surface.Lock(), surface.Lock() + w * h, fill);
  }

  uint8_t at(int x, int y) const { return surface.pixels()[y * surface.pitch() + x]; }
  void set(int x, int y, uint8_t v) { surface.Lock()[y * surface.pitch() + x] = v; }
  std::vector<uint8_t> snapshot() const {
    return std::vector<uint8_t>(surface.pixels(), surface.pixels() + surface.width() * surface.height());
  }
  int width() const { return surface.width(); }
  int height() const { return surface.height(); }
  // Fills every pixel with a value depending on its position, so that a pixel
  // taken from the wrong place shows.
  void pattern() {
    for (int y = 0; y < height(); ++y)
      for (int x = 0; x < width(); ++x) set(x, y, static_cast<uint8_t>((x * 7 + y * 13) % 251 + 1));
  }
};

// Checks every pixel of the canvas against want(x, y), stopping at the first that differs.
template <typename Want>
void ExpectPixels(const Canvas& c, const Want& want, const std::string& what = "") {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) ASSERT_EQ(c.at(x, y), want(x, y)) << what << " at " << x << "," << y;
}

inline uint8_t Mix(uint8_t below, uint8_t over) {
  return TestPalette().mix(below, over);
}

// A sprite whose pixels are all distinct where possible, with some transparent ones.
inline Sprite PatternSprite(int w, int h, int seed = 0, bool holes = true) {
  std::vector<uint8_t> px(static_cast<size_t>(w * h));
  for (int i = 0; i < w * h; ++i) {
    int v = (i * 37 + seed * 11) % 255 + 1;
    if (holes && (i * 5 + seed) % 7 == 0) v = 0;
    px[static_cast<size_t>(i)] = static_cast<uint8_t>(v);
  }
  return Sprite(w, h, std::move(px));
}
