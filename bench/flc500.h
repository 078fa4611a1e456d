#pragma once
// The FLC of the picture benchmarks: 500 frames (of 320 x 200 unless told), a
// background, then a figure moving a few pixels a frame, coded as word and byte deltas with a full
// frame and a palette change now and then.

#include <utility>
#include <vector>

#include "picture_writers.h"

inline testpic::Bytes Flc500Frames(int w = 320, int h = 200) {
  using namespace testpic;
  const int count = 500;
  Image prev = Pattern(w, h, 3);
  std::vector<Bytes> chunks{FrameChunk({Colour256Full(TestPalette()), ByteRunChunk(prev)})};
  for (int i = 1; i < count; ++i) {
    Image cur = prev;
    const int fx = (i * 3) % (w - 40), fy = (i * 2) % (h - 30);
    for (int y = fy; y < fy + 30; ++y)
      for (int x = fx; x < fx + 40; ++x) cur.at(x, y) = static_cast<uint8_t>(i + x);
    // A full byte-run frame every 25 frames, deltas between.
    std::vector<Bytes> subs{i % 25 == 0 ? ByteRunChunk(cur)
                            : i % 2     ? WordDeltaChunk(prev, cur)
                                        : ByteDeltaChunk(prev, cur)};
    if (i % 50 == 0) subs.push_back(Colour256Full(TestPalette(i)));
    chunks.push_back(FrameChunk(subs));
    prev = std::move(cur);
  }
  return WriteFlc(w, h, chunks);
}
