#include "sprites/equal_sprites.h"

#include <functional>
#include <string_view>

EqualSprites::EqualSprites(const SpriteSet& set) {
  for (int32_t i = 0; i < set.Count(); ++i) findOrAdd(*set.Get(i));
}

const Sprite* EqualSprites::findOrAdd(const Sprite& sprite) {
  // Sprites of equal pixel bytes but different sizes share a list: rare, and Equal
  // tells them apart.
  const std::string_view pixels(reinterpret_cast<const char*>(sprite.pixels.data()), sprite.pixels.size());
  std::vector<const Sprite*>& same = byHash_[std::hash<std::string_view>{}(pixels)];
  for (const Sprite* s : same) {
    if (Equal(sprite, *s)) return s;
  }
  same.push_back(&sprite);
  return nullptr;
}
