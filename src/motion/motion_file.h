#pragma once
// The motion editor's document: an ordered list of uniquely named bundles with a
// current bundle, and the sprite set every motion's picture comes from.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>

#include "base/cursor_list.h"
#include "motion/motion_bundle.h"
#include "sprites/sprite_set.h"

class MotionFile : private CursorList<MotionBundle> {
 public:
  using List = CursorList<MotionBundle>;
  using List::count;
  using List::current;
  using List::currentIndex;
  using List::get;
  using List::indexOf;
  using List::select;
  const std::vector<std::unique_ptr<MotionBundle>>& bundles() const { return items(); }

  // Links bundle after the last one and makes it current. Refused (false, the bundle
  // is destroyed) when its name is empty or already taken.
  bool append(std::unique_ptr<MotionBundle> bundle);
  // Destroys the current bundle with its motions; its follower becomes current.
  bool deleteCurrent();
  bool deleteAt(int32_t index) { return select(index) && deleteCurrent(); }
  // Undo and redo put bundles back where they were: by position, with their names
  // kept unique. The current bundle stays current.
  MotionBundle* insertAt(int32_t index, std::unique_ptr<MotionBundle> bundle);
  std::unique_ptr<MotionBundle> takeAt(int32_t index);
  // Index of the bundle with exactly that name, or -1.
  int32_t findBundle(std::string_view name) const;
  // Deletes every bundle with its motions and empties the sprite set.
  void clear();
  // True when the document has neither bundles nor sprites.
  bool empty() const { return count() == 0 && sprites.Count() == 0; }

  SpriteSet sprites;

 private:
  // The names in use, so that appending stays cheap for documents with many bundles.
  // Bundles are not renamed while they belong to a document.
  std::unordered_set<std::string> names_;
};
