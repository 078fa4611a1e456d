#include "sprites/sprite_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/byte_reader.h"
#include "sprite_file_bytes.h"

namespace {

RawSprite Raw(int w, int h, int seed) {
  RawSprite s{w * h, w, h, {}};
  for (int i = 0; i < w * h; ++i) s.pixels.push_back(uint8_t((i * 7 + seed * 13) % 251 + 1));
  return s;
}

std::unique_ptr<Sprite> ToSprite(const RawSprite& r) {
  return std::make_unique<Sprite>(r.width, r.height, r.pixels);
}

void ExpectSameSprites(const SpriteSet& set, const std::vector<RawSprite>& want) {
  ASSERT_EQ(set.Count(), int(want.size()));
  for (size_t i = 0; i < want.size(); ++i) {
    const Sprite* s = set.Get(int(i));
    EXPECT_EQ(s->width, want[i].width) << " at sprite " << i;
    EXPECT_EQ(s->height, want[i].height) << " at sprite " << i;
    EXPECT_EQ(s->pixels, want[i].pixels) << " at sprite " << i;
  }
}

int ReadFromStream(SpriteSet& set, const std::vector<uint8_t>& bytes, bool skip = true) {
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  return ReadSprites(set, in, skip);
}

TEST(SpriteFile, WritesTheKnownLayout) {
  const std::vector<RawSprite> raws = {Raw(12, 20, 1), Raw(29, 28, 2), Raw(26, 24, 3)};
  SpriteSet set;
  for (auto& r : raws) set.Append(ToSprite(r));
  std::ostringstream out;
  ASSERT_EQ(WriteSprites(set, out), 1);
  std::string s = out.str();
  std::vector<uint8_t> bytes(s.begin(), s.end());
  ASSERT_EQ(bytes.size(), 1760u);
  EXPECT_EQ(LoadU32(&bytes[28]), 3u);
  EXPECT_EQ(LoadU32(&bytes[32]), 1760u);
  EXPECT_EQ(LoadU32(&bytes[4]), 100u);
  // Offset table: 0, then previous + pixel count + 24.
  EXPECT_EQ(LoadU32(&bytes[36]), 0u);
  EXPECT_EQ(LoadU32(&bytes[40]), 264u);
  EXPECT_EQ(LoadU32(&bytes[44]), 1100u);
  EXPECT_EQ(LoadU32(&bytes[48]), 240u);  // first record
  // Byte-identical to the independent layout with the same table values.
  std::vector<uint8_t> expected = RawSpriteFile(raws);
  for (int i = 0; i < 3; ++i) {
    uint32_t v[] = {0, 264, 1100};
    for (int b = 0; b < 4; ++b) expected[36 + 4 * i + b] = uint8_t(v[i] >> (8 * b));
  }
  EXPECT_EQ(bytes, expected);

  SpriteSet back;
  ASSERT_EQ(LoadSpritesFromMemory(back, bytes.data(), bytes.size()), 1);
  ExpectSameSprites(back, raws);
  EXPECT_EQ(back.CurrentIndex(), 0);
  EXPECT_EQ(back.Current(), back.First());
}

TEST(SpriteFile, DuplicatesAreSkippedAndTheIndexMapFollowsThem) {
  RawSprite a = Raw(3, 2, 1), b = Raw(3, 2, 2), c = Raw(2, 3, 1);
  std::vector<uint8_t> file = RawSpriteFile({a, b, a, c, b});
  for (bool memory : {false, true}) {
    SpriteSet set;
    set.Append(ToSprite(c));  // already present before the read
    SpriteIndexMap map;
    int ok = memory ? ReadSpritesFromMemory(set, file.data(), file.size(), true, &map) : [&] {
      std::istringstream in(std::string(file.begin(), file.end()));
      return ReadSprites(set, in, true, &map);
    }();
    ASSERT_EQ(ok, 1);
    ExpectSameSprites(set, {c, a, b});
    EXPECT_EQ(map, (SpriteIndexMap{1, 2, 1, 0, 2})) << (memory ? "memory" : "stream");
  }
  SpriteSet all;
  ASSERT_EQ(ReadFromStream(all, file, false), 1);
  EXPECT_EQ(all.Count(), 5);
  // A set holding a sprite twice already: the copy read maps to the first of them.
  SpriteSet twice;
  for (const RawSprite& r : {c, a, a}) twice.Append(ToSprite(r));
  SpriteIndexMap map;
  const auto one = RawSpriteFile({a});
  ASSERT_EQ(ReadSpritesFromMemory(twice, one.data(), one.size(), true, &map), 1);
  EXPECT_EQ(twice.Count(), 3);
  EXPECT_EQ(map, SpriteIndexMap{1});
}

TEST(SpriteFile, ReadingMergesInFrontOfTheCurrentSprite) {
  SpriteSet set;
  set.Append(ToSprite(Raw(1, 1, 1)));
  set.Append(ToSprite(Raw(1, 1, 2)));
  set.SetCurrent(1);
  Sprite* current = set.Current();
  std::vector<RawSprite> extra = {Raw(2, 1, 5), Raw(2, 1, 6)};
  SpriteIndexMap map;
  std::vector<uint8_t> file = RawSpriteFile(extra);
  ASSERT_EQ(ReadSpritesFromMemory(set, file.data(), file.size(), true, &map), 1);
  ExpectSameSprites(set, {Raw(1, 1, 1), extra[0], extra[1], Raw(1, 1, 2)});
  EXPECT_EQ(set.Current(), current);
  EXPECT_EQ(map, (SpriteIndexMap{1, 2}));
}

TEST(SpriteFile, UncheckedHeaderFieldsDoNotMatter) {
  std::vector<RawSprite> raws = {Raw(4, 4, 1), Raw(5, 1, 2)};
  SpriteSet a, b;
  auto f1 = RawSpriteFile(raws, {}, 0xDEADBEEF, 0x12345678);
  auto f2 = RawSpriteFile(raws, {}, 36 + 8 + 16 + 5);  // built-in resources' length rule
  ASSERT_EQ(LoadSpritesFromMemory(a, f1.data(), f1.size()), 1);
  ASSERT_EQ(ReadFromStream(b, f2), 1);
  ExpectSameSprites(a, raws);
  ExpectSameSprites(b, raws);
}

TEST(SpriteFile, AShortPixelBufferIsWrittenPadded) {
  SpriteSet set;
  set.Append(std::make_unique<Sprite>(3, 2, std::vector<uint8_t>{7, 8, 9}));
  const std::vector<uint8_t> bytes = SpriteFileBytes(set);
  SpriteSet back;
  ASSERT_EQ(LoadSpritesFromMemory(back, bytes.data(), bytes.size()), 1);
  ExpectSameSprites(back, {{6, 3, 2, {7, 8, 9, 0, 0, 0}}});
}

TEST(SpriteFile, EmptyFilesAndEmptySets) {
  auto empty = RawSpriteFile({});
  SpriteSet set;
  set.Append(ToSprite(Raw(1, 1, 1)));
  EXPECT_EQ(LoadSpritesFromMemory(set, empty.data(), empty.size()), 1);
  EXPECT_EQ(set.Count(), 0);

  std::ostringstream out;
  EXPECT_EQ(WriteSprites(set, out), 0);
  EXPECT_TRUE(out.str().empty());
}

TEST(SpriteFile, WrongMagicClearsOnLoadButNotOnRead) {
  auto file = RawSpriteFile({Raw(2, 2, 1)});
  file[3] = 'X';
  SpriteSet set;
  set.Append(ToSprite(Raw(1, 1, 1)));
  EXPECT_EQ(ReadFromStream(set, file), 0);
  EXPECT_EQ(set.Count(), 1);
  std::istringstream in(std::string(file.begin(), file.end()));
  EXPECT_EQ(LoadSprites(set, in), 0);
  EXPECT_EQ(set.Count(), 0);
}

TEST(SpriteFile, SitsInsideALargerStream) {
  SpriteSet set;
  set.Append(ToSprite(Raw(3, 3, 1)));
  std::stringstream io;
  io << "prefix";
  ASSERT_EQ(WriteSprites(set, io), 1);
  io << "suffix";
  io.seekg(6);
  SpriteSet back;
  ASSERT_EQ(ReadSprites(back, io, true), 1);
  ExpectSameSprites(back, {Raw(3, 3, 1)});
  char rest[7] = {};
  io.read(rest, 6);
  EXPECT_STREQ(rest, "suffix");
}

// Damaged files: the read fails, nothing outside the data is read (the sanitizer
// build checks that), and exactly the sprites complete before the damage remain.
TEST(SpriteFile, TruncatedFilesKeepOnlyWholeSprites) {
  std::vector<RawSprite> raws = {Raw(3, 2, 1), Raw(4, 4, 2), Raw(1, 5, 3)};
  auto file = RawSpriteFile(raws);
  std::vector<size_t> ends;  // file length at which each record is complete
  size_t pos = 36 + 12;
  for (auto& r : raws) ends.push_back(pos += 12 + r.pixels.size());
  for (size_t len = 0; len < file.size(); ++len) {
    std::vector<uint8_t> cut(file.begin(), file.begin() + long(len));
    size_t whole = 0;
    while (whole < ends.size() && ends[whole] <= len) ++whole;
    std::vector<RawSprite> want(raws.begin(), raws.begin() + long(whole));
    SpriteSet m, s;
    EXPECT_EQ(ReadSpritesFromMemory(m, cut.data(), cut.size(), true), 0) << " at length " << len;
    EXPECT_EQ(ReadFromStream(s, cut), 0) << " at length " << len;
    ExpectSameSprites(m, want);
    ExpectSameSprites(s, want);
  }
}

TEST(SpriteFile, ImpossibleRecordsAreRefused) {
  const std::vector<RawSprite> bad = {
      {-4, 2, 2, {1, 2, 3, 4}},         // negative count
      {5, 2, 2, {1, 2, 3, 4, 5}},       // count differs from width * height
      {3, 2, 2, {1, 2, 3}},             // fewer pixels than width * height
      {4, -2, -2, {1, 2, 3, 4}},        // negative sizes
      {0x7FFFFFFF, 1, 0x7FFFFFFF, {}},  // huge, far past the data
      {65536, 256, 256, {9, 9}},        // larger than the bytes that remain
  };
  for (size_t i = 0; i < bad.size(); ++i) {
    auto file = RawSpriteFile({Raw(2, 2, 1), bad[i]});
    SpriteSet m, s;
    EXPECT_EQ(ReadSpritesFromMemory(m, file.data(), file.size(), true), 0) << " case " << i;
    EXPECT_EQ(ReadFromStream(s, file), 0) << " case " << i;
    ExpectSameSprites(m, {Raw(2, 2, 1)});
    ExpectSameSprites(s, {Raw(2, 2, 1)});
  }
  for (int32_t count : {0x7FFFFFFF, -2, 0x40000000}) {
    auto file = RawSpriteFile({Raw(2, 2, 1)}, count);
    SpriteSet m, s;
    EXPECT_EQ(ReadSpritesFromMemory(m, file.data(), file.size(), true), 0) << " count " << count;
    EXPECT_EQ(ReadFromStream(s, file), 0) << " count " << count;
    EXPECT_EQ(m.Count(), 0);
    EXPECT_EQ(s.Count(), 0);
  }
  uint8_t shortBlock[20] = {'P', 'L', 'Y', 'K'};
  SpriteSet m;
  EXPECT_EQ(ReadSpritesFromMemory(m, shortBlock, sizeof shortBlock, true), 0);
  EXPECT_EQ(ReadSpritesFromMemory(m, nullptr, 0, true), 0);
}

// A stream that refuses every write, as a full disk does.
class FullDisk : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(SpriteFile, FailedWriteIsReported) {
  SpriteSet set;
  set.Append(ToSprite(Raw(2, 2, 1)));
  FullDisk disk;
  std::ostream out(&disk);
  EXPECT_EQ(WriteSprites(set, out), 0);
  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  EXPECT_EQ(WriteSprites(set, broken), 0);
}

}  // namespace
