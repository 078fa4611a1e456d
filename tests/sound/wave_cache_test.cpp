#include "sound/wave_cache.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "wave_bytes.h"

namespace {

int Add(WaveCache& cache, const std::string& name, const std::vector<uint8_t>& bytes) {
  return cache.add(name, bytes.data(), bytes.size());
}

std::vector<uint8_t> Entry(const WaveCache& cache, int i) {
  return {cache.data(i), cache.data(i) + cache.size(i)};
}

}  // namespace

// A plain queue of whole copies, trimmed by the same two rules (at most 40 entries,
// at most 1,048,576 bytes, oldest first), must give the same names, bytes and packed
// offsets after every addition.
TEST(WaveCache, AgreesWithASimpleFifoModel) {
  std::mt19937 random(1234);
  WaveCache cache;
  std::deque<std::pair<std::string, std::vector<uint8_t>>> model;
  for (int step = 0; step < 400; ++step) {
    const size_t size = random() % 4 == 0 ? random() % 300000 : random() % 3000;
    const std::string name = "f" + std::to_string(step);
    const std::vector<uint8_t> bytes = Samples(size, uint8_t(step));
    size_t used = 0;
    for (const auto& e : model) used += e.second.size();
    while (!model.empty() && (used + size > WaveCache::kCapacity || model.size() == 40)) {
      used -= model.front().second.size();
      model.pop_front();
    }
    model.emplace_back(name, bytes);
    ASSERT_EQ(Add(cache, name, bytes), static_cast<int>(model.size()) - 1);
    ASSERT_EQ(cache.count(), static_cast<int>(model.size()));
    size_t offset = 0;
    for (int i = 0; i < cache.count(); ++i) {
      ASSERT_EQ(cache.name(i), model[i].first);
      ASSERT_EQ(cache.offset(i), offset);
      ASSERT_EQ(Entry(cache, i), model[i].second);
      offset += model[i].second.size();
    }
  }
  cache.clear();
  EXPECT_EQ(cache.count(), 0);
  EXPECT_EQ(cache.find("f399"), -1);
}

TEST(WaveCache, HoldsExactlyOneMegabyte) {
  WaveCache cache;
  Add(cache, "small", Samples(10));
  EXPECT_EQ(Add(cache, "full", Samples(WaveCache::kCapacity, 9)), 0);
  EXPECT_EQ(cache.count(), 1);
  EXPECT_EQ(Entry(cache, 0), Samples(WaveCache::kCapacity, 9));
  // One byte more is refused and leaves the cache alone.
  EXPECT_EQ(Add(cache, "over", Samples(WaveCache::kCapacity + 1)), -1);
  EXPECT_EQ(cache.count(), 1);
  EXPECT_EQ(cache.name(0), "full");
  // Two entries that fill it exactly both stay.
  WaveCache halves;
  Add(halves, "a", Samples(WaveCache::kCapacity / 2, 1));
  EXPECT_EQ(Add(halves, "b", Samples(WaveCache::kCapacity / 2, 2)), 1);
  EXPECT_EQ(halves.name(0), "a");
}

TEST(WaveCache, FindComparesByteForByteAndGivesTheLowest) {
  WaveCache cache;
  for (const char* name : {"Boom.wav", "boom.wav", "Boom.wav"}) Add(cache, name, Samples(4));
  EXPECT_EQ(cache.find("Boom.wav"), 0);
  EXPECT_EQ(cache.find("boom.wav"), 1);
  EXPECT_EQ(cache.find("BOOM.WAV"), -1);
  EXPECT_EQ(cache.find(""), -1);  // nor is a name never added
}
