#include "sprites/equal_sprites.h"

#include <functional>
#include <string_view>

namespace {

uint64_t SpriteHash(const Sprite& sprite) {
  std::string_view bytes(reinterpret_cast<const char*>(sprite.pixels.data()), sprite.pixels.size());
  uint64_t h = std::hash<std::string_view>{}(bytes);
  h ^= (uint64_t(uint32_t(sprite.width)) << 32 | uint32_t(sprite.height)) * 0x9E3779B97F4A7C15ull;
  return h;
}

}  // namespace

EqualSprites::EqualSprites(const SpriteSet& set) {
  for (int32_t i = 0; i < set.Count(); ++i) findOrAdd(*set.Get(i));
}

const Sprite* EqualSprites::findOrAdd(const Sprite& sprite) {
  std::vector<const Sprite*>& same = byHash_[SpriteHash(sprite)];
  for (const Sprite* s : same) {
    if (Equal(sprite, *s)) return s;
  }
  same.push_back(&sprite);
  return nullptr;
}
