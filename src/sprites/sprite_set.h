#pragma once
// An ordered list of sprites with a cursor, under the names and integer results the
// sprite tools use; the cursor rules are CursorList's. An index of -1 given to Delete
// or Insert means the cursor's place.

#include <cstdint>
#include <memory>
#include <vector>

#include "base/cursor_list.h"
#include "sprites/sprite.h"

class SpriteSet : private CursorList<Sprite> {
 public:
  SpriteSet() = default;
  SpriteSet(const SpriteSet&) = delete;
  SpriteSet& operator=(const SpriteSet&) = delete;
  SpriteSet(SpriteSet&&) = default;
  SpriteSet& operator=(SpriteSet&&) = default;

  int32_t Count() const { return count(); }
  int32_t CurrentIndex() const { return currentIndex(); }
  // The current sprite, or null when the current index is not a valid position.
  Sprite* Current() const { return current(); }
  Sprite* First() const { return get(0); }

  // Null when index < 0 or index >= count.
  Sprite* Get(int32_t index) const { return get(index); }
  // Makes index current. An index >= count puts the cursor at count and gives 0;
  // otherwise 1 (a negative index leaves no current sprite).
  int SetCurrent(int32_t index) { return select(index) ? 1 : 0; }
  // Deletes sprite index (-1: the current one) and makes its follower current.
  // Fails (0) when there is no such sprite.
  int Delete(int32_t index);
  // Removes every sprite; afterwards the current index is 0.
  void Clear();
  // Takes ownership of sprite and links it in front of sprite index (-1: in front of
  // the current sprite, or at the end when the cursor is past the last sprite).
  // The current index moves up by one so it still names the same sprite.
  int Insert(std::unique_ptr<Sprite> sprite, int32_t index);
  // Index of that very record, or -1.
  int32_t IndexOf(const Sprite* sprite) const { return indexOf(sprite); }
  // Index of the first sprite Equal to sprite, or -1.
  int32_t FindEqual(const Sprite& sprite) const;
  // 36 + 4 * count + the sum of RecordSize over all sprites (counts recomputed):
  // the exact length of the sprite file written for this set.
  int32_t FileSize();

  // Appends at the end: SetCurrent(count) then Insert(sprite, -1), so the cursor
  // ends one past the new last sprite.
  void Append(std::unique_ptr<Sprite> sprite);
  // Removes and returns sprite index, keeping the cursor rules of Delete.
  std::unique_ptr<Sprite> Take(int32_t index);
};
