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

}  // namespace edtest
