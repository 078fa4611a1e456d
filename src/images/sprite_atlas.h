#pragma once
// Sprites packed tightly on one picture for game engines: each sprite keeps its own
// pixels, one transparent pixel apart from every other, and a JSON atlas in the
// widely used packer layout tells where each one lies.

#include <cstdint>
#include <string>
#include <vector>

#include "images/image.h"
#include "sprites/palette.h"
#include "sprites/sprite_set.h"

struct AtlasPlace {
  int32_t x = 0, y = 0, w = 0, h = 0;
};

struct SpriteAtlas {
  int32_t width = 0, height = 0;
  std::vector<AtlasPlace> places;  // places[i]: sprite i
};

// Packs the sprites 1 pixel apart, larger ones first along a skyline, trying a few
// widths and keeping the smallest picture (both sides powers of two when asked).
// A sprite without pixels gets an empty place at (0, 0); an empty set a 0 x 0 atlas.
SpriteAtlas PackSprites(const SpriteSet& sprites, bool powerOfTwo);
// The atlas picture: index 0 everywhere but where the sprites lie, and the
// palette's colours.
IndexedImage DrawAtlas(const SpriteSet& sprites, const SpriteAtlas& atlas, const PaletteBlock& palette);
// The widely used packer layout: {"frames":[{"filename":"0","frame":{"x":..,"y":..,"w":..,"h":..}}, ...],
//  "meta":{"image":"OUT.png","size":{"w":..,"h":..}}}
std::string AtlasJson(const SpriteAtlas& atlas, const std::string& imageName);
