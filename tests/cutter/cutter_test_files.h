#pragma once
// Small makers of sprites, sprite files and pictures for the cutter's tests.

#include <gtest/gtest.h>

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
