#pragma once
// An owned, ordered list with a current position, the common rules of the bundles
// of a motion file and the motions of a bundle. The current index runs from 0 to
// count; count means no current element. Insertion goes in front of the current
// element and deletion takes it, so the current element stays the same object across
// an insertion and its follower becomes current after a deletion. Elements never
// move in memory, so pointers to them stay valid until they are deleted.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

template <typename T>
class CursorList {
 public:
  int32_t count() const { return static_cast<int32_t>(items_.size()); }
  int32_t currentIndex() const { return currentIndex_; }
  T* current() const { return get(currentIndex_); }
  // Null when index < 0 or index >= count.
  T* get(int32_t index) const {
    return index >= 0 && index < count() ? items_[static_cast<size_t>(index)].get() : nullptr;
  }
  const std::vector<std::unique_ptr<T>>& items() const { return items_; }

  // Makes index current. An index >= count leaves no current element (current index
  // = count) and gives false. A negative index changes nothing and gives false.
  bool select(int32_t index) {
    if (index < 0) return false;
    if (index >= count()) {
      currentIndex_ = count();
      return false;
    }
    currentIndex_ = index;
    return true;
  }

  // Links item in front of the current element, or at the end when there is none;
  // the current index grows by one so the current element stays the same.
  T* insertBeforeCurrent(std::unique_ptr<T> item) {
    T* raw = item.get();
    if (!raw) return nullptr;
    size_t at = std::min(static_cast<size_t>(currentIndex_), items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    ++currentIndex_;
    return raw;
  }

  // Destroys the current element; its follower becomes current (none after the last).
  bool deleteCurrent() {
    if (!current()) return false;
    items_.erase(items_.begin() + currentIndex_);
    return true;
  }

  bool deleteAt(int32_t index) { return select(index) && deleteCurrent(); }

  // Links item at position index (0 ... count); the current element stays current.
  T* insertAt(int32_t index, std::unique_ptr<T> item) {
    T* raw = item.get();
    if (!raw || index < 0 || index > count()) return nullptr;
    items_.insert(items_.begin() + index, std::move(item));
    if (index <= currentIndex_) ++currentIndex_;
    return raw;
  }
  // Unlinks the element at index and hands it over; the current element stays
  // current, and when it was the one taken its follower becomes current.
  std::unique_ptr<T> takeAt(int32_t index) {
    if (index < 0 || index >= count()) return nullptr;
    std::unique_ptr<T> item = std::move(items_[static_cast<size_t>(index)]);
    items_.erase(items_.begin() + index);
    if (index < currentIndex_) --currentIndex_;
    return item;
  }

  // Position of that very element, or -1.
  int32_t indexOf(const T* item) const {
    for (size_t i = 0; i < items_.size(); ++i) {
      if (items_[i].get() == item) return static_cast<int32_t>(i);
    }
    return -1;
  }

 protected:
  // Adds item after the last element; the current index keeps its value.
  T* pushBack(std::unique_ptr<T> item) {
    T* raw = item.get();
    if (raw) items_.push_back(std::move(item));
    return raw;
  }
  void removeAll() {
    items_.clear();
    currentIndex_ = 0;
  }

 private:
  std::vector<std::unique_ptr<T>> items_;
  int32_t currentIndex_ = 0;
};
