#include "sprites/sprite_set.h"

Sprite* SpriteSet::Get(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return sprites_[static_cast<size_t>(index)].get();
}

int SpriteSet::SetCurrent(int32_t index) {
  if (index >= Count()) {
    current_ = Count();
    return 0;
  }
  current_ = index;
  return 1;
}

int SpriteSet::Delete(int32_t index) { return Take(index) ? 1 : 0; }

std::unique_ptr<Sprite> SpriteSet::Take(int32_t index) {
  if (index >= 0 && !SetCurrent(index)) return nullptr;
  if (!Current()) return nullptr;
  auto it = sprites_.begin() + current_;
  std::unique_ptr<Sprite> taken = std::move(*it);
  // The current index stays and now names the follower (or the end).
  sprites_.erase(it);
  return taken;
}

void SpriteSet::Clear() {
  sprites_.clear();
  current_ = 0;
}

int SpriteSet::Insert(std::unique_ptr<Sprite> sprite, int32_t index) {
  if (!sprite) return 0;
  if (index >= 0) SetCurrent(index);
  if (Current())
    sprites_.insert(sprites_.begin() + current_, std::move(sprite));
  else
    sprites_.push_back(std::move(sprite));
  ++current_;
  return 1;
}

void SpriteSet::Append(std::unique_ptr<Sprite> sprite) {
  SetCurrent(Count());
  Insert(std::move(sprite), -1);
}

int32_t SpriteSet::IndexOf(const Sprite* sprite) const {
  for (size_t i = 0; i < sprites_.size(); ++i)
    if (sprites_[i].get() == sprite) return static_cast<int32_t>(i);
  return -1;
}

int32_t SpriteSet::FindEqual(const Sprite& sprite) const {
  for (size_t i = 0; i < sprites_.size(); ++i)
    if (Equal(sprite, *sprites_[i])) return static_cast<int32_t>(i);
  return -1;
}

int32_t SpriteSet::FileSize() {
  // Unsigned arithmetic: the file format's length word wraps rather than overflows.
  uint32_t size = 36 + 4 * static_cast<uint32_t>(Count());
  for (auto& s : sprites_) size += static_cast<uint32_t>(RecordSize(*s));
  return static_cast<int32_t>(size);
}
