#pragma once
// What a window last showed, kept so that the next present hands over only the
// parts that changed: under Wine a present costs by its area, and a mouse move over
// a canvas usually changes a few small spots of it.

#include <cstdint>
#include <vector>

#include "graphics/draw_context.h"

class ShownFrame {
 public:
  // More separate areas than this are handed over as their bounding box.
  static constexpr int kMaxAreas = 8;
  // Changed rows this close together go into one area.
  static constexpr int kRowGap = 8;

  // Compares the top-left width x height pixels of `pixels` (`pitch` bytes a row)
  // with what was shown, takes them as shown, and answers the rectangles that differ
  // (right and bottom exclusive, top to bottom). The whole frame when nothing was
  // shown yet, after forget(), or when the size or the 1,024-byte colour table
  // changed.
  std::vector<DrawRectangle> changes(const uint8_t* pixels, int pitch, int width, int height,
                                     const uint8_t* colourTable);
  // The next changes() answers the whole frame.
  void forget() { width_ = height_ = 0; }

 private:
  std::vector<uint8_t> pixels_;  // width_ bytes a row
  std::vector<uint8_t> colours_;
  int width_ = 0;
  int height_ = 0;
};
