#include "sprites/sprite.h"

#include <cstring>
#include <functional>
#include <string_view>

bool Equal(const Sprite& a, const Sprite& b) {
  if (a.width != b.width || a.height != b.height) return false;
  if (a.count <= 0) return true;
  size_t n = static_cast<size_t>(a.count);
  // A buffer shorter than the count (never so for sprites read from a file) is
  // compared whole rather than read past its end.
  if (n > a.pixels.size() || n > b.pixels.size()) return a.pixels == b.pixels;
  return std::memcmp(a.pixels.data(), b.pixels.data(), n) == 0;
}

bool HasPixels(const Sprite& sprite) {
  return sprite.width > 0 && sprite.height > 0 &&
         sprite.pixels.size() >= size_t(sprite.width) * size_t(sprite.height);
}

int32_t RecordSize(Sprite& sprite, bool keep) {
  if (!keep) sprite.count = static_cast<int32_t>(int64_t(sprite.width) * sprite.height);
  return sprite.count + 12;
}

uint64_t SpriteHash(const Sprite& sprite) {
  // Only a bucket key: every user confirms a match with Equal, which compares the size.
  std::string_view bytes(reinterpret_cast<const char*>(sprite.pixels.data()), sprite.pixels.size());
  return std::hash<std::string_view>{}(bytes);
}
