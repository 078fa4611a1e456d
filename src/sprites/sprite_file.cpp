#include "sprites/sprite_file.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "base/byte_reader.h"

namespace {

constexpr char kMagic[4] = {'P', 'L', 'Y', 'K'};

// A record's three words must describe a real image: no negative sizes and a pixel
// count that is exactly width * height, so that every later blit stays inside the
// pixel buffer.
bool ValidRecord(int32_t count, int32_t width, int32_t height) {
  return width >= 0 && height >= 0 && int64_t(width) * height == count;
}

// Adds the sprites of one file to a set, dropping those equal to a sprite already
// there. Equal sprites are found through a hash of size and pixels, so reading n
// sprites costs O(n) comparisons, not O(n^2).
class SpriteAdder {
 public:
  SpriteAdder(SpriteSet& set, bool skipDuplicates, SpriteIndexMap* map)
      : set_(set), skip_(skipDuplicates), map_(map) {
    if (skip_) {
      for (int32_t i = 0; i < set.Count(); ++i) index_.emplace(SpriteHash(*set.Get(i)), set.Get(i));
    }
  }

  void add(std::unique_ptr<Sprite> sprite) {
    const uint64_t hash = skip_ ? SpriteHash(*sprite) : 0;
    const Sprite* kept = skip_ ? findEqual(*sprite, hash) : nullptr;
    if (!kept) {
      kept = sprite.get();
      if (skip_) index_.emplace(hash, sprite.get());
      set_.Insert(std::move(sprite), -1);
    }
    records_.push_back(kept);
  }

  // Turns the kept records into set indices once all insertions are done.
  void finish() {
    if (!map_) return;
    std::unordered_map<const Sprite*, int32_t> where;
    where.reserve(static_cast<size_t>(set_.Count()));
    for (int32_t i = 0; i < set_.Count(); ++i) where.emplace(set_.Get(i), i);
    map_->clear();
    map_->reserve(records_.size());
    for (const Sprite* s : records_) map_->push_back(where.at(s));
  }

 private:
  const Sprite* findEqual(const Sprite& sprite, uint64_t hash) const {
    auto range = index_.equal_range(hash);
    const Sprite* first = nullptr;
    for (auto it = range.first; it != range.second; ++it) {
      if (!Equal(sprite, *it->second)) continue;
      // Several equal candidates can only exist when the set already held
      // duplicates; the one with the lowest index wins, as a linear search would.
      if (!first || set_.IndexOf(it->second) < set_.IndexOf(first)) first = it->second;
    }
    return first;
  }

  SpriteSet& set_;
  bool skip_;
  SpriteIndexMap* map_;
  std::unordered_multimap<uint64_t, const Sprite*> index_;
  std::vector<const Sprite*> records_;
};

}  // namespace

int ReadSprites(SpriteSet& set, std::istream& in, bool skipDuplicates, SpriteIndexMap* map) {
  if (map) map->clear();
  StreamReader r(in);
  uint8_t header[kSpriteFileHeaderSize];
  if (!r.bytes(header, sizeof header) || std::memcmp(header, kMagic, 4) != 0) return 0;
  const int32_t count = static_cast<int32_t>(LoadU32(header + 28));
  if (count < 0 || !r.skip(size_t(count) * 4)) return 0;

  SpriteAdder adder(set, skipDuplicates, map);
  int result = 1;
  for (int32_t i = 0; i < count; ++i) {
    auto sprite = std::make_unique<Sprite>();
    sprite->count = r.s32();
    sprite->width = r.s32();
    sprite->height = r.s32();
    if (!r.ok() || !ValidRecord(sprite->count, sprite->width, sprite->height) ||
        !r.readVector(sprite->pixels, static_cast<size_t>(sprite->count))) {
      result = 0;
      break;
    }
    adder.add(std::move(sprite));
  }
  adder.finish();
  return result;
}

int ReadSpritesFromMemory(SpriteSet& set, const uint8_t* data, size_t size, bool skipDuplicates,
                          SpriteIndexMap* map) {
  if (map) map->clear();
  ByteReader r(data, size);
  const uint8_t* header = r.take(kSpriteFileHeaderSize);
  if (!header || std::memcmp(header, kMagic, 4) != 0) return 0;
  const int32_t count = static_cast<int32_t>(LoadU32(header + 28));
  if (count < 0 || !r.skip(size_t(count) * 4)) return 0;

  SpriteAdder adder(set, skipDuplicates, map);
  int result = 1;
  for (int32_t i = 0; i < count; ++i) {
    int32_t pixelCount = r.s32();
    int32_t width = r.s32();
    int32_t height = r.s32();
    const uint8_t* pixels = nullptr;
    if (r.ok() && ValidRecord(pixelCount, width, height)) pixels = r.take(static_cast<size_t>(pixelCount));
    if (!pixels) {
      result = 0;
      break;
    }
    adder.add(std::make_unique<Sprite>(width, height, std::vector<uint8_t>(pixels, pixels + pixelCount)));
  }
  adder.finish();
  return result;
}

int LoadSprites(SpriteSet& set, std::istream& in) {
  set.Clear();
  int result = ReadSprites(set, in, true);
  set.SetCurrent(0);
  return result;
}

int LoadSpritesFromMemory(SpriteSet& set, const uint8_t* data, size_t size) {
  set.Clear();
  int result = ReadSpritesFromMemory(set, data, size, true);
  set.SetCurrent(0);
  return result;
}

std::vector<uint8_t> SpriteFileBytes(SpriteSet& set) {
  std::vector<uint8_t> out;
  if (!set.First()) return out;
  const int32_t count = set.Count();
  out.insert(out.end(), kMagic, kMagic + 4);
  PutS32(out, kSpriteFileVersion);
  for (int i = 0; i < 5; ++i) PutS32(out, 0);
  PutS32(out, count);
  PutS32(out, set.FileSize());  // also recomputes every pixel count
  // The offset table: 0, then each entry the previous one plus that sprite's pixel
  // count plus 24. No reader interprets it; these are the values sprite files have
  // always carried.
  uint32_t offset = 0;
  for (int32_t i = 0; i < count; ++i) {
    PutU32(out, offset);
    offset += static_cast<uint32_t>(set.Get(i)->count) + 24;
  }
  for (int32_t i = 0; i < count; ++i) {
    const Sprite& s = *set.Get(i);
    PutS32(out, s.count);
    PutS32(out, s.width);
    PutS32(out, s.height);
    // A sprite whose buffer is shorter than its size is padded with transparent
    // pixels so the record stays consistent with its header.
    size_t n = static_cast<size_t>(s.count > 0 ? s.count : 0);
    size_t have = std::min(n, s.pixels.size());
    out.insert(out.end(), s.pixels.begin(), s.pixels.begin() + static_cast<long>(have));
    out.resize(out.size() + (n - have), 0);
  }
  return out;
}

int WriteSprites(SpriteSet& set, std::ostream& out) {
  std::vector<uint8_t> bytes = SpriteFileBytes(set);
  if (bytes.empty()) return 0;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return out.good() ? 1 : 0;
}
