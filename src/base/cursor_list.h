#pragma once
// An owned, ordered list with a cursor: the sprites of a sprite set, the bundles of a
// motion file and the motions of a bundle. The current index runs from 0 to count;
// count is the empty place after the last element, where new elements are appended,
// and a negative index names no element either. Insertion goes in front of the
// current element and deletion takes it, so the current element stays the same
// object across an insertion and its follower becomes current after a deletion.
// Elements never move in memory, so pointers to them stay valid until they are taken.

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

template <typename T>
class CursorList {
 public:
  int32_t count() const { return static_cast<int32_t>(items_.size()); }
  int32_t currentIndex() const { return currentIndex_; }
  // Null when the current index names no element.
  T* current() const { return get(currentIndex_); }
  // Null when index < 0 or index >= count.
  T* get(int32_t index) const {
    return index >= 0 && index < count() ? items_[static_cast<size_t>(index)].get() : nullptr;
  }
  const std::vector<std::unique_ptr<T>>& items() const { return items_; }

  // Makes index current. An index >= count puts the cursor at count and gives false;
  // otherwise true (a negative index leaves no current element).
  bool select(int32_t index) {
    currentIndex_ = index < count() ? index : count();
    return index < count();
  }

  // Links item in front of the current element, or at the end when there is none;
  // the current index grows by one so the current element stays the same.
  T* insertBeforeCurrent(std::unique_ptr<T> item) {
    T* raw = item.get();
    if (!raw) return nullptr;
    items_.insert(items_.begin() + (current() ? currentIndex_ : count()), std::move(item));
    ++currentIndex_;
    return raw;
  }

  // Unlinks the current element and hands it over; its follower becomes current
  // (none after the last). Null when there is no current element.
  std::unique_ptr<T> takeCurrent() {
    if (!current()) return nullptr;
    std::unique_ptr<T> item = std::move(items_[static_cast<size_t>(currentIndex_)]);
    items_.erase(items_.begin() + currentIndex_);
    return item;
  }
  bool deleteCurrent() { return takeCurrent() != nullptr; }
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
    if (!get(index)) return nullptr;
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
  // Destroys every element; the cursor goes back to 0.
  void removeAll() {
    items_.clear();
    currentIndex_ = 0;
  }

 private:
  std::vector<std::unique_ptr<T>> items_;
  int32_t currentIndex_ = 0;
};
