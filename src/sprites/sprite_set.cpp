#include "sprites/sprite_set.h"

int SpriteSet::Delete(int32_t index) {
  return Take(index) ? 1 : 0;
}

std::unique_ptr<Sprite> SpriteSet::Take(int32_t index) {
  if (index >= 0 && !select(index)) return nullptr;
  return takeCurrent();
}

void SpriteSet::Clear() {
  removeAll();
}

int SpriteSet::Insert(std::unique_ptr<Sprite> sprite, int32_t index) {
  if (!sprite) return 0;
  if (index >= 0) select(index);
  insertBeforeCurrent(std::move(sprite));
  return 1;
}

void SpriteSet::Append(std::unique_ptr<Sprite> sprite) {
  select(count());
  Insert(std::move(sprite), -1);
}

int32_t SpriteSet::FindEqual(const Sprite& sprite) const {
  for (size_t i = 0; i < items().size(); ++i)
    if (Equal(sprite, *items()[i])) return static_cast<int32_t>(i);
  return -1;
}

int32_t SpriteSet::FileSize() {
  // Unsigned arithmetic: the file format's length word wraps rather than overflows.
  uint32_t size = 36 + 4 * static_cast<uint32_t>(Count());
  for (auto& s : items()) size += static_cast<uint32_t>(RecordSize(*s));
  return static_cast<int32_t>(size);
}
