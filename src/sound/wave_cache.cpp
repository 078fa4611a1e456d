#include "sound/wave_cache.h"

#include <cstring>
#include <utility>

WaveCache::WaveCache() : buffer_(new uint8_t[kCapacity]) {}

int WaveCache::find(const std::string& name) const {
  for (int i = 0; i < count_; ++i) {
    if (entries_[i].name == name) return i;
  }
  return -1;
}

size_t WaveCache::usedBytes() const {
  if (count_ == 0) return 0;
  const Entry& last = entries_[count_ - 1];
  return last.offset + last.size;
}

void WaveCache::dropOldest() {
  const size_t dropped = entries_[0].size;
  const size_t keep = usedBytes() - dropped;
  if (keep) std::memmove(buffer_.get(), buffer_.get() + dropped, keep);
  for (int i = 1; i < count_; ++i) {
    entries_[i - 1] = std::move(entries_[i]);
    entries_[i - 1].offset -= dropped;
  }
  entries_[count_ - 1] = Entry{};
  --count_;
}

int WaveCache::add(const std::string& name, const uint8_t* bytes, size_t size) {
  if (size > kCapacity) return -1;
  while (count_ > 0 && (kCapacity - usedBytes() < size || count_ == kMaxEntries)) dropOldest();
  Entry& entry = entries_[count_];
  entry.name = name;
  entry.offset = usedBytes();
  entry.size = static_cast<uint32_t>(size);
  if (size) std::memcpy(buffer_.get() + entry.offset, bytes, size);
  return count_++;
}

void WaveCache::clear() {
  for (int i = 0; i < count_; ++i) entries_[i] = Entry{};
  count_ = 0;
}
