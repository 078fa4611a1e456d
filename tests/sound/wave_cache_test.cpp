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

TEST(WaveCache, EntriesLiePackedInOrder) {
  WaveCache cache;
  EXPECT_EQ(Add(cache, "a.wav", Samples(100, 1)), 0);
  EXPECT_EQ(Add(cache, "b.wav", Samples(7, 2)), 1);
  EXPECT_EQ(Add(cache, "c.wav", Samples(0, 3)), 2);
  EXPECT_EQ(Add(cache, "d.wav", Samples(50, 4)), 3);
  ASSERT_EQ(cache.count(), 4);
  EXPECT_EQ(cache.offset(0), 0u);
  EXPECT_EQ(cache.offset(1), 100u);
  EXPECT_EQ(cache.offset(2), 107u);
  EXPECT_EQ(cache.offset(3), 107u);
  EXPECT_EQ(Entry(cache, 1), Samples(7, 2));
  EXPECT_EQ(Entry(cache, 3), Samples(50, 4));
  EXPECT_EQ(cache.find("d.wav"), 3);
  EXPECT_EQ(cache.find("e.wav"), -1);
}

TEST(WaveCache, FortyFirstEntryDropsOldestAndMovesTheRestDown) {
  WaveCache cache;
  for (int i = 0; i < 40; ++i) Add(cache, "s" + std::to_string(i), Samples(10 + i, uint8_t(i)));
  ASSERT_EQ(cache.count(), 40);
  EXPECT_EQ(Add(cache, "s40", Samples(50, 40)), 39);
  EXPECT_EQ(cache.count(), 40);
  EXPECT_EQ(cache.find("s0"), -1);
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(cache.name(i), "s" + std::to_string(i + 1));
    EXPECT_EQ(Entry(cache, i), Samples(10 + i + 1, uint8_t(i + 1))) << i;
  }
  EXPECT_EQ(cache.offset(0), 0u);
}

TEST(WaveCache, DropsOldestUntilTheNewEntryFits) {
  WaveCache cache;
  Add(cache, "a", Samples(400000, 1));
  Add(cache, "b", Samples(400000, 2));
  Add(cache, "c", Samples(200000, 3));
  // 48,576 bytes free: 500,000 more needs "a" and "b" gone.
  EXPECT_EQ(Add(cache, "d", Samples(500000, 4)), 1);
  ASSERT_EQ(cache.count(), 2);
  EXPECT_EQ(cache.name(0), "c");
  EXPECT_EQ(cache.offset(0), 0u);
  EXPECT_EQ(Entry(cache, 0), Samples(200000, 3));
  EXPECT_EQ(cache.offset(1), 200000u);
  EXPECT_EQ(Entry(cache, 1), Samples(500000, 4));
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
}

TEST(WaveCache, NamesCompareByteForByte) {
  WaveCache cache;
  Add(cache, "Boom.wav", Samples(4, 1));
  Add(cache, "boom.wav", Samples(4, 2));
  EXPECT_EQ(cache.find("Boom.wav"), 0);
  EXPECT_EQ(cache.find("boom.wav"), 1);
  EXPECT_EQ(cache.find("BOOM.WAV"), -1);
}

TEST(WaveCache, FindReturnsLowestOfEqualNames) {
  WaveCache cache;
  Add(cache, "x", Samples(4, 1));
  Add(cache, "x", Samples(4, 2));
  EXPECT_EQ(cache.find("x"), 0);
}

TEST(WaveCache, AgreesWithASimpleFifoModel) {
  // A plain queue of whole copies, trimmed by the same two rules, must give the
  // same names and bytes after every addition.
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
}

TEST(WaveCache, ClearForgetsEverything) {
  WaveCache cache;
  Add(cache, "a", Samples(10));
  cache.clear();
  EXPECT_EQ(cache.count(), 0);
  EXPECT_EQ(cache.find("a"), -1);
  EXPECT_EQ(Add(cache, "b", Samples(3)), 0);
  EXPECT_EQ(cache.offset(0), 0u);
}
