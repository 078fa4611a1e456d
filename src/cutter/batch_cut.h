#pragma once
// Cutting every figure of a frame at once ("plyktool cut"): the outward rule applied
// in scan order, or every cell of a grid, with duplicate sprites dropped as when a
// sprite file is read.

#include <cstdint>
#include <memory>
#include <vector>

#include "cutter/cut.h"
#include "cutter/cut_tools.h"
#include "sprites/equal_sprites.h"

// Scans the frame row by row; each opaque pixel that no rectangle found so far
// covers starts an outward cut. Returns the rectangles in the order found. Runs in
// one pass over the frame plus the work of the cuts themselves.
std::vector<CutRect> findAllFigures(const CutSource& source);

// Every cell of the grid anchored at the top-left pixel, row by row; cells at the
// right and bottom edges may reach past the frame.
std::vector<CutRect> gridCells(const CutSource& source, const CutSize& size);

// Adds sprites to a set at its end, skipping any sprite equal to one already there,
// in constant time per sprite.
class DuplicateFreeAppender {
 public:
  explicit DuplicateFreeAppender(SpriteSet& set);
  // Appends sprite unless an equal one is in the set; returns whether it was added.
  bool append(std::unique_ptr<Sprite> sprite);

 private:
  SpriteSet& set_;
  EqualSprites equal_;
};

// Makes the sprite of each rectangle and appends the new ones; returns how many
// were added.
int appendCutSprites(const CutSource& source, const std::vector<CutRect>& rects, DuplicateFreeAppender& out);
