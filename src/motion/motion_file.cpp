#include "motion/motion_file.h"

#include <utility>

bool MotionFile::append(std::unique_ptr<MotionBundle> bundle) {
  if (!bundle || bundle->name.empty() || !names_.insert(bundle->name.str()).second) return false;
  pushBack(std::move(bundle));
  select(count() - 1);
  return true;
}

bool MotionFile::deleteCurrent() {
  MotionBundle* bundle = current();
  if (!bundle) return false;
  names_.erase(bundle->name.str());
  return List::deleteCurrent();
}

int32_t MotionFile::findBundle(std::string_view name) const {
  const auto& all = items();
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i]->name.str() == name) return static_cast<int32_t>(i);
  }
  return -1;
}

void MotionFile::clear() {
  removeAll();
  names_.clear();
  sprites.Clear();
}
