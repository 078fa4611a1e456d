#pragma once
// A whole sprite set on one picture: every sprite in rows, in set order, top edges
// aligned within a row, on index 0 with one transparent pixel between sprites, between
// rows and around the sheet. No two sprites touch, not even diagonally, so an outward
// cut of the sheet (transparent colour 0, the top-left pixel's) takes back each
// sprite that is one connected figure touching its four edges, and scanning the
// sheet row by row meets them in set order.

#include <cstdint>
#include <vector>

#include "sprites/sprite_set.h"

struct SheetPlace {
  int32_t x = 0;
  int32_t y = 0;
};

struct SpriteSheet {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;     // width * height indices
  std::vector<SheetPlace> places;  // top-left pixel of each sprite, in set order
};

// False for an empty set and for a sheet that would exceed `maxSide` either way.
// The width is even, so a PCX of the sheet needs no padding column.
bool MakeSpriteSheet(const SpriteSet& set, SpriteSheet& sheet, int32_t maxSide);
// One sprite alone, exactly its size; false for a sprite without pixels or one
// beyond `maxSide`.
bool MakeSingleSpriteSheet(const Sprite& sprite, SpriteSheet& sheet, int32_t maxSide);
