#pragma once
// Small makers of sprites, sprite files and pictures for the cutter's tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/path_text.h"
#include "cutter/batch_cut.h"
#include "cutter/picture.h"
#include "picture_writers.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"
#include "support/scratch_folder.h"
#include "support/sprite_file_bytes.h"

namespace edtest {

inline void Fill(SpriteSet& set, int count, int firstValue = 1) {
  for (int i = 0; i < count; ++i)
    set.Append(MakeSprite(2 + i % 5, 3 + i % 4, static_cast<uint8_t>(firstValue + i)));
  set.SetCurrent(0);
}

inline std::vector<uint8_t> SpriteFile(int count, int firstValue = 1) {
  SpriteSet set;
  Fill(set, count, firstValue);
  return SpriteFileBytes(set);
}

// A one-frame PCX of w x h in the built-in palette whose pixels come from `pixel`.
inline std::vector<uint8_t> PcxPicture(int w, int h, const std::function<uint8_t(int, int)>& pixel) {
  testpic::Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.at(x, y) = pixel(x, y);
  testpic::Palette palette;
  std::copy_n(BuiltinPaletteBlock().palette(), palette.size(), palette.begin());
  return testpic::WritePcx(img, palette);
}

// `count` connected figures of assorted sizes, each touching the four edges of its
// box: solid, rings (holes), crosses and staircases, every seventh up to 90 wide;
// the first selected.
inline SpriteSet Figures(int count, uint32_t seed) {
  SpriteSet set;
  for (int i = 0; i < count; ++i) {
    seed = seed * 1664525u + 1013904223u;
    const int w = 1 + int(seed >> 8) % (i % 7 == 0 ? 90 : 40), h = 1 + int(seed >> 16) % 30;
    const auto colour = static_cast<uint8_t>(1 + (seed >> 24) % 250);
    const auto step = [&](int x) { return std::min(h - 1, x * (h - 1) / std::max(w - 1, 1)); };
    auto s = MakeSprite(w, h, 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
        const bool on = i % 4 == 0 || (i % 4 == 1 && edge) || (i % 4 == 2 && (x == w / 2 || y == h / 2)) ||
                        (i % 4 == 3 && (x == 0 || x == w - 1 || (y >= step(x) && y <= step(x + 1))));
        if (on) s->pixels[size_t(y) * w + x] = static_cast<uint8_t>(colour + (x + y) % 3);
      }
    set.Append(std::move(s));
  }
  set.SetCurrent(0);
  return set;
}

// Cutting a sheet picture (a file Picture reads) outward on index 0 gives the set back,
// in order; the rectangles found, or none when the picture cannot be read.
inline std::vector<CutRect> ExpectCutsBack(const std::vector<uint8_t>& file, const SpriteSet& set) {
  Picture picture;
  if (!picture.loadFromMemory(file.data(), file.size())) {
    ADD_FAILURE() << "the sheet does not load";
    return {};
  }
  CutSource source;
  source.refresh(picture);
  source.transparentIndex = 0;
  const std::vector<CutRect> rects = findAllFigures(source);
  EXPECT_EQ(rects.size(), size_t(set.Count()));
  for (int i = 0; i < set.Count() && size_t(i) < rects.size(); ++i) {
    const std::unique_ptr<Sprite> cut = source.makeSprite(rects[size_t(i)]);
    EXPECT_TRUE(cut && Equal(*cut, *set.Get(i))) << "sprite " << i;
  }
  return rects;
}

}  // namespace edtest
