#pragma once
// Loading a written file and comparing what was decoded with what was written.

#include <gtest/gtest.h>

#include <cstring>

#include "cutter/picture.h"
#include "picture_writers.h"

namespace testpic {

inline bool Load(Picture& pic, const Bytes& b) {
  return pic.loadFromMemory(b.data(), b.size());
}

inline void ExpectPalette(const Picture& pic, const Palette& pal) {
  EXPECT_EQ(0, std::memcmp(pic.palette().palette(), pal.data(), 768));
}

// The frame's left img.width columns equal img; the rest holds `padding` (-1: any).
inline void ExpectFrame(const PictureFrame& f, const Image& img, int padding = -1) {
  ASSERT_EQ(f.height, img.height);
  ASSERT_GE(f.width, img.width);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < f.width; ++x) {
      const uint8_t got = f.pixels[size_t(y) * f.width + x];
      if (x < img.width) {
        ASSERT_EQ(got, img.at(x, y)) << "at " << x << "," << y;
      } else if (padding >= 0) {
        ASSERT_EQ(got, padding) << "padding at " << x << "," << y;
      }
    }
}

inline void ExpectFrames(const Picture& pic, const std::vector<Image>& frames) {
  ASSERT_EQ(pic.frameCount(), static_cast<int>(frames.size()));
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(pic.frames()[i].width, frames[i].width);
    EXPECT_EQ(pic.frames()[i].pixels, frames[i].pixels) << "frame " << i;
  }
}

}  // namespace testpic
