#pragma once
// The bytes of recently played wave files, whole, packed in order in one fixed
// buffer. First in, first out: when a new file does not fit, or every entry is
// taken, the oldest entry is dropped and the rest move down to stay packed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class WaveCache {
 public:
  static constexpr size_t kCapacity = 1048576;
  static constexpr int kMaxEntries = 40;

  WaveCache();

  // The lowest entry whose name equals name byte for byte, or -1.
  int find(const std::string& name) const;
  // Stores a copy of the bytes as the newest entry and returns its index, or -1
  // (cache untouched) when size exceeds the capacity.
  int add(const std::string& name, const uint8_t* bytes, size_t size);
  void clear();

  int count() const { return count_; }
  const std::string& name(int index) const { return entries_[index].name; }
  uint32_t size(int index) const { return entries_[index].size; }
  size_t offset(int index) const { return entries_[index].offset; }
  const uint8_t* data(int index) const { return buffer_.get() + entries_[index].offset; }

 private:
  struct Entry {
    std::string name;
    size_t offset = 0;
    uint32_t size = 0;
  };

  size_t usedBytes() const;
  void dropOldest();

  std::unique_ptr<uint8_t[]> buffer_;
  std::array<Entry, kMaxEntries> entries_;
  int count_ = 0;
};
