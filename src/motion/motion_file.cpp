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

MotionBundle* MotionFile::insertAt(int32_t index, std::unique_ptr<MotionBundle> bundle) {
  if (!bundle || bundle->name.empty() || names_.count(bundle->name.str())) return nullptr;
  const std::string name = bundle->name.str();
  MotionBundle* raw = List::insertAt(index, std::move(bundle));
  if (raw) names_.insert(name);
  return raw;
}

std::unique_ptr<MotionBundle> MotionFile::takeAt(int32_t index) {
  std::unique_ptr<MotionBundle> bundle = List::takeAt(index);
  if (bundle) names_.erase(bundle->name.str());
  return bundle;
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
