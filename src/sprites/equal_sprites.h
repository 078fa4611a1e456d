#pragma once
// Finding a sprite equal to another (same size, same pixels) among many without
// comparing all pairs: sprites are grouped by a hash of their pixels, so adding n
// sprites without duplicates costs O(n) comparisons, not O(n^2).

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "sprites/sprite.h"
#include "sprites/sprite_set.h"

class EqualSprites {
 public:
  EqualSprites() = default;
  // Starts with every sprite of set, in index order.
  explicit EqualSprites(const SpriteSet& set);

  // The sprite equal to sprite, the first one added when several are; if there is
  // none, sprite itself is added and nullptr returned. The sprites must outlive this.
  const Sprite* findOrAdd(const Sprite& sprite);

 private:
  std::unordered_map<size_t, std::vector<const Sprite*>> byHash_;
};
