#include "sprites/sprite_file.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "base/byte_reader.h"
#include "sprites/equal_sprites.h"

namespace {

constexpr char kMagic[4] = {'P', 'L', 'Y', 'K'};

// A record's three words must describe a real image: no negative sizes and a pixel
// count that is exactly width * height, so that every later blit stays inside the
// pixel buffer.
bool ValidRecord(int32_t count, int32_t width, int32_t height) {
  return width >= 0 && height >= 0 && int64_t(width) * height == count;
}

// The pixel count a record is written with: width * height, whatever count holds.
int32_t PixelCount(const Sprite& s) {
  return static_cast<int32_t>(int64_t(s.width) * s.height);
}

// Adds the sprites of one file to a set, dropping those equal to a sprite already
// there when asked to.
class SpriteAdder {
 public:
  SpriteAdder(SpriteSet& set, bool skipDuplicates, SpriteIndexMap* map)
      : set_(set), skip_(skipDuplicates), map_(map), equal_(skip_ ? EqualSprites(set) : EqualSprites()) {}

  void add(std::unique_ptr<Sprite> sprite) {
    const Sprite* kept = skip_ ? equal_.findOrAdd(*sprite) : nullptr;
    if (!kept) {
      kept = sprite.get();
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
  SpriteSet& set_;
  bool skip_;
  SpriteIndexMap* map_;
  EqualSprites equal_;
  std::vector<const Sprite*> records_;
};

constexpr char kKind[] = "sprite file";

// The data a field announced ran out. When the header's total length promises more
// than the data holds, the file was cut short; otherwise the field claims too much.
template <class Reader>
ReadResult ShortClaim(const Reader& r, uint32_t totalLength, FilePart part, int64_t recordStart,
                      int64_t dataStart, uint64_t claimed, int64_t index = -1, int64_t count = 0) {
  const int64_t end = static_cast<int64_t>(r.endOfData());
  if (totalLength > end) return ReadResult::Truncated(end, part, index, count);
  return ReadResult::Overrun(part, recordStart, static_cast<int64_t>(claimed), end - dataStart, index, count);
}

// The one sprite file parser, over a ByteReader or a StreamReader.
template <class Reader>
ReadResult ParseSprites(Reader& r, SpriteSet& set, bool skipDuplicates, SpriteIndexMap* map) {
  if (map) map->clear();
  uint8_t header[kSpriteFileHeaderSize];
  // The magic byte by byte, so that a short file that starts otherwise is still
  // told apart from a cut-off sprite file.
  size_t got = 0;
  while (got < 4 && (header[got] = r.u8(), r.ok())) ++got;
  if (std::memcmp(header, kMagic, got) != 0) return ReadResult::NotThisKind(kKind);
  if (got < 4 || !r.bytes(header + 4, sizeof header - 4))
    return ReadResult::Truncated(static_cast<int64_t>(r.endOfData()), FilePart::Header);
  const int32_t count = static_cast<int32_t>(LoadU32(header + 28));
  const uint32_t totalLength = LoadU32(header + 32);
  if (count < 0) return ReadResult::Damaged(FilePart::Header, 28);
  if (!r.skip(uint64_t(count) * 4))
    return ShortClaim(r, totalLength, FilePart::OffsetTable, kSpriteFileHeaderSize, kSpriteFileHeaderSize,
                      uint64_t(count) * 4);

  SpriteAdder adder(set, skipDuplicates, map);
  ReadResult result;
  for (int32_t i = 0; i < count; ++i) {
    const int64_t recordStart = static_cast<int64_t>(r.pos());
    auto sprite = std::make_unique<Sprite>();
    sprite->count = r.s32();
    sprite->width = r.s32();
    sprite->height = r.s32();
    if (!r.ok()) {
      result = ReadResult::Truncated(static_cast<int64_t>(r.endOfData()), FilePart::Sprite, i, count);
      break;
    }
    if (!ValidRecord(sprite->count, sprite->width, sprite->height)) {
      result = ReadResult::Damaged(FilePart::Sprite, recordStart, i, count);
      break;
    }
    if (!r.readVector(sprite->pixels, static_cast<size_t>(sprite->count))) {
      result = ShortClaim(r, totalLength, FilePart::Sprite, recordStart, recordStart + 12,
                          uint64_t(sprite->count), i, count);
      break;
    }
    adder.add(std::move(sprite));
  }
  adder.finish();
  return result;
}

}  // namespace

ReadResult ReadSpritesWithReason(SpriteSet& set, std::istream& in, bool skipDuplicates, SpriteIndexMap* map) {
  StreamReader r(in);
  return ParseSprites(r, set, skipDuplicates, map);
}

ReadResult ReadSpritesWithReason(SpriteSet& set, const uint8_t* data, size_t size, bool skipDuplicates,
                                 SpriteIndexMap* map) {
  ByteReader r(data, size);
  return ParseSprites(r, set, skipDuplicates, map);
}

ReadResult LoadSpritesWithReason(SpriteSet& set, std::istream& in) {
  set.Clear();
  ReadResult result = ReadSpritesWithReason(set, in, true);
  set.SetCurrent(0);
  return result;
}

ReadResult LoadSpritesWithReason(SpriteSet& set, const uint8_t* data, size_t size) {
  set.Clear();
  ReadResult result = ReadSpritesWithReason(set, data, size, true);
  set.SetCurrent(0);
  return result;
}

int ReadSprites(SpriteSet& set, std::istream& in, bool skipDuplicates, SpriteIndexMap* map) {
  return ReadSpritesWithReason(set, in, skipDuplicates, map) ? 1 : 0;
}

int ReadSpritesFromMemory(SpriteSet& set, const uint8_t* data, size_t size, bool skipDuplicates,
                          SpriteIndexMap* map) {
  return ReadSpritesWithReason(set, data, size, skipDuplicates, map) ? 1 : 0;
}

// The result of the read or'ed with that of SetCurrent(0).
int LoadSprites(SpriteSet& set, std::istream& in) {
  return LoadSpritesWithReason(set, in) ? 1 : 0;
}

int LoadSpritesFromMemory(SpriteSet& set, const uint8_t* data, size_t size) {
  return LoadSpritesWithReason(set, data, size) ? 1 : 0;
}

int64_t SpriteFileLength(const SpriteSet& set) {
  int64_t size = kSpriteFileHeaderSize + 4 * int64_t(set.Count());
  for (int32_t i = 0; i < set.Count(); ++i) size += 12 + int64_t(set.Get(i)->width) * set.Get(i)->height;
  return size;
}

std::vector<uint8_t> SpriteFileBytes(const SpriteSet& set) {
  std::vector<uint8_t> out;
  if (!set.First()) return out;
  const int32_t count = set.Count();
  out.assign(kMagic, kMagic + 4);
  PutS32(out, kSpriteFileVersion);
  for (int i = 0; i < 5; ++i) PutS32(out, 0);
  PutS32(out, count);
  // The length word wraps rather than overflows, as SpriteSet::FileSize does.
  PutU32(out, static_cast<uint32_t>(SpriteFileLength(set)));
  // The offset table: 0, then each entry the previous one plus that sprite's pixel
  // count plus 24. No reader interprets it; these are the values sprite files have
  // always carried.
  uint32_t offset = 0;
  for (int32_t i = 0; i < count; ++i) {
    PutU32(out, offset);
    offset += static_cast<uint32_t>(PixelCount(*set.Get(i))) + 24;
  }
  for (int32_t i = 0; i < count; ++i) {
    const Sprite& s = *set.Get(i);
    const int32_t pixels = PixelCount(s);
    PutS32(out, pixels);
    PutS32(out, s.width);
    PutS32(out, s.height);
    // A sprite whose buffer is shorter than its size is padded with transparent
    // pixels so the record stays consistent with its header.
    size_t n = static_cast<size_t>(pixels > 0 ? pixels : 0);
    size_t have = std::min(n, s.pixels.size());
    out.insert(out.end(), s.pixels.begin(), s.pixels.begin() + static_cast<long>(have));
    out.resize(out.size() + (n - have), 0);
  }
  return out;
}

int WriteSprites(const SpriteSet& set, std::ostream& out) {
  std::vector<uint8_t> bytes = SpriteFileBytes(set);
  if (bytes.empty()) return 0;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return out.good() ? 1 : 0;
}
