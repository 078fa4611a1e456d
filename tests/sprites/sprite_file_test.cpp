#include "sprites/sprite_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/byte_reader.h"
#include "support/palette_test_support.h"
#include "support/sprite_file_bytes.h"

namespace {

RawSprite Raw(int w, int h, int seed) {
  RawSprite s{w * h, w, h, {}};
  for (int i = 0; i < w * h; ++i) s.pixels.push_back(uint8_t((i * 7 + seed * 13) % 251 + 1));
  return s;
}

SpriteSet SetOf(const std::vector<RawSprite>& raws) {
  SpriteSet set;
  for (const RawSprite& r : raws) set.Append(std::make_unique<Sprite>(r.width, r.height, r.pixels));
  return set;
}

void ExpectSameSprites(const SpriteSet& set, const std::vector<RawSprite>& want) {
  ASSERT_EQ(set.Count(), int(want.size()));
  for (size_t i = 0; i < want.size(); ++i) {
    const Sprite* s = set.Get(int(i));
    EXPECT_EQ(std::tie(s->width, s->height, s->pixels),
              std::tie(want[i].width, want[i].height, want[i].pixels))
        << " at sprite " << i;
  }
}

int ReadFromStream(SpriteSet& set, const std::vector<uint8_t>& bytes, bool skip = true,
                   SpriteIndexMap* map = nullptr) {
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  return ReadSprites(set, in, skip, map);
}

// Both readers refuse the file and keep exactly the sprites wanted.
void ExpectReadFails(const std::vector<uint8_t>& file, const std::vector<RawSprite>& want,
                     const std::string& what) {
  SCOPED_TRACE(what);
  SpriteSet m, s;
  EXPECT_EQ(ReadSpritesFromMemory(m, file.data(), file.size(), true), 0);
  EXPECT_EQ(ReadFromStream(s, file), 0);
  ExpectSameSprites(m, want);
  ExpectSameSprites(s, want);
}

// Written inside a larger stream: byte-identical to the independent layout with the
// offset table (0, then previous + pixel count + 24) filled in, and read back from there.
TEST(SpriteFile, WritesTheKnownLayoutInsideALargerStream) {
  const std::vector<RawSprite> raws = {Raw(12, 20, 1), Raw(29, 28, 2), Raw(26, 24, 3)};
  SpriteSet set = SetOf(raws);
  std::stringstream io;
  io << "prefix";
  ASSERT_EQ(WriteSprites(set, io), 1);
  io << "suffix";
  std::vector<uint8_t> expected = RawSpriteFile(raws);
  for (uint32_t i = 0, v[] = {0, 264, 1100}; i < 3; ++i)
    for (int b = 0; b < 4; ++b) expected[36 + 4 * i + b] = uint8_t(v[i] >> (8 * b));
  const std::string s = io.str();
  EXPECT_EQ(std::vector<uint8_t>(s.begin() + 6, s.end() - 6), expected);
  io.seekg(6);
  SpriteSet back;
  ASSERT_EQ(ReadSprites(back, io, true), 1);
  ExpectSameSprites(back, raws);
  char rest[7] = {};
  io.read(rest, 6);
  EXPECT_STREQ(rest, "suffix");
  SpriteSet loaded;
  ASSERT_EQ(LoadSpritesFromMemory(loaded, expected.data(), expected.size()), 1);
  ExpectSameSprites(loaded, raws);
  EXPECT_EQ(loaded.CurrentIndex(), 0);
  EXPECT_EQ(loaded.Current(), loaded.First());
}

TEST(SpriteFile, ReadsMergeInFrontOfTheCurrentSpriteSkippingDuplicates) {
  RawSprite a = Raw(3, 2, 1), b = Raw(3, 2, 2), c = Raw(2, 3, 1);
  std::vector<uint8_t> file = RawSpriteFile({a, b, a, c, b});
  for (bool memory : {false, true}) {
    SpriteSet set = SetOf({c});  // already present before the read
    SpriteIndexMap map;
    ASSERT_EQ(memory ? ReadSpritesFromMemory(set, file.data(), file.size(), true, &map)
                     : ReadFromStream(set, file, true, &map),
              1);
    ExpectSameSprites(set, {c, a, b});
    EXPECT_EQ(map, (SpriteIndexMap{1, 2, 1, 0, 2})) << (memory ? "memory" : "stream");
  }
  SpriteSet all;
  ASSERT_EQ(ReadFromStream(all, file, false), 1);
  EXPECT_EQ(all.Count(), 5);
  // A set holding a sprite twice already: the copy read maps to the first of them.
  SpriteSet twice = SetOf({c, a, a});
  SpriteIndexMap map;
  ASSERT_EQ(ReadFromStream(twice, RawSpriteFile({a}), true, &map), 1);
  EXPECT_EQ(twice.Count(), 3);
  EXPECT_EQ(map, SpriteIndexMap{1});
  // Read sprites land in front of the current one, which stays current.
  SpriteSet set = SetOf({Raw(1, 1, 1), Raw(1, 1, 2)});
  set.SetCurrent(1);
  Sprite* current = set.Current();
  const std::vector<RawSprite> extra = {Raw(2, 1, 5), Raw(2, 1, 6)};
  file = RawSpriteFile(extra);
  ASSERT_EQ(ReadSpritesFromMemory(set, file.data(), file.size(), true, &map), 1);
  ExpectSameSprites(set, {Raw(1, 1, 1), extra[0], extra[1], Raw(1, 1, 2)});
  EXPECT_EQ(set.Current(), current);
  EXPECT_EQ(map, (SpriteIndexMap{1, 2}));
}

TEST(SpriteFile, UncheckedHeaderFieldsDoNotMatterAndShortBuffersArePadded) {
  std::vector<RawSprite> raws = {Raw(4, 4, 1), Raw(5, 1, 2)};
  SpriteSet a, b;
  auto f1 = RawSpriteFile(raws, {}, 0xDEADBEEF, 0x12345678);
  ASSERT_EQ(LoadSpritesFromMemory(a, f1.data(), f1.size()), 1);
  ASSERT_EQ(ReadFromStream(b, RawSpriteFile(raws, {}, 36 + 8 + 16 + 5)), 1);  // built-in resources' rule
  ExpectSameSprites(a, raws);
  ExpectSameSprites(b, raws);
  // A short pixel buffer is written padded.
  const std::vector<uint8_t> bytes = SpriteFileBytes(SetOf({{6, 3, 2, {7, 8, 9}}}));
  ASSERT_EQ(LoadSpritesFromMemory(a, bytes.data(), bytes.size()), 1);
  ExpectSameSprites(a, {{6, 3, 2, {7, 8, 9, 0, 0, 0}}});
}

TEST(SpriteFile, EmptyFilesFailedWritesAndWrongMagic) {
  auto empty = RawSpriteFile({});
  SpriteSet set = SetOf({Raw(1, 1, 1)});
  EXPECT_EQ(LoadSpritesFromMemory(set, empty.data(), empty.size()), 1);
  EXPECT_EQ(set.Count(), 0);
  // Writing an empty set, or to a full disk or a broken stream, fails.
  std::ostringstream out, broken;
  EXPECT_EQ(WriteSprites(set, out), 0);
  EXPECT_TRUE(out.str().empty());
  const SpriteSet one = SetOf({Raw(2, 2, 1)});
  FillingBuffer disk(0);
  std::ostream full(&disk);
  EXPECT_EQ(WriteSprites(one, full), 0);
  broken.setstate(std::ios::badbit);
  EXPECT_EQ(WriteSprites(one, broken), 0);
  // A wrong magic clears the set on a load but not on a read.
  auto file = RawSpriteFile({Raw(2, 2, 1)});
  std::istringstream good(std::string(file.begin(), file.end()));
  EXPECT_EQ(LoadSprites(set, good), 1);
  file[3] = 'X';
  set = SetOf({Raw(1, 1, 1)});
  EXPECT_EQ(ReadFromStream(set, file), 0);
  EXPECT_EQ(set.Count(), 1);
  std::istringstream in(std::string(file.begin(), file.end()));
  EXPECT_EQ(LoadSprites(set, in), 0);
  EXPECT_EQ(set.Count(), 0);
}

// Damaged files: the read fails, nothing outside the data is read (the sanitizer
// build checks that), and exactly the sprites complete before the damage remain.
TEST(SpriteFile, DamagedFilesKeepOnlyWholeSprites) {
  std::vector<RawSprite> raws = {Raw(3, 2, 1), Raw(4, 4, 2), Raw(1, 5, 3)};
  auto file = RawSpriteFile(raws);
  std::vector<size_t> ends;  // file length at which each record is complete
  size_t pos = 36 + 12;
  for (auto& r : raws) ends.push_back(pos += 12 + r.pixels.size());
  for (size_t len = 0; len < file.size(); ++len) {
    size_t whole = 0;
    while (whole < ends.size() && ends[whole] <= len) ++whole;
    ExpectReadFails({file.begin(), file.begin() + long(len)}, {raws.begin(), raws.begin() + long(whole)},
                    "length " + std::to_string(len));
  }
  // A bad record after a good one, then sprite counts past the data.
  const std::vector<RawSprite> bad = {
      {-4, 2, 2, {1, 2, 3, 4}},         // negative count
      {5, 2, 2, {1, 2, 3, 4, 5}},       // count differs from width * height
      {3, 2, 2, {1, 2, 3}},             // fewer pixels than width * height
      {4, -2, -2, {1, 2, 3, 4}},        // negative sizes
      {0x7FFFFFFF, 1, 0x7FFFFFFF, {}},  // huge, far past the data
      {65536, 256, 256, {9, 9}},        // larger than the bytes that remain
  };
  for (const RawSprite& r : bad)
    ExpectReadFails(RawSpriteFile({Raw(2, 2, 1), r}), {Raw(2, 2, 1)}, "record of " + std::to_string(r.count));
  for (int32_t count : {0x7FFFFFFF, -2, 0x40000000})
    ExpectReadFails(RawSpriteFile({Raw(2, 2, 1)}, count), {}, "count " + std::to_string(count));
  uint8_t shortBlock[20] = {'P', 'L', 'Y', 'K'};
  SpriteSet m;
  EXPECT_EQ(ReadSpritesFromMemory(m, shortBlock, sizeof shortBlock, true), 0);
  EXPECT_EQ(ReadSpritesFromMemory(m, nullptr, 0, true), 0);
}

// Each kind of damage gives its own reason, the same from the stream and from memory.
// The sample: sprites 3x2, 4x4, 1x5 with records at 48, 66 and 94; 111 bytes.
TEST(SpriteFile, BrokenCopiesSayWhyAndWhere) {
  const std::vector<RawSprite> raws = {Raw(3, 2, 1), Raw(4, 4, 2), Raw(1, 5, 3)};
  const std::vector<uint8_t> good = RawSpriteFile(raws);
  ASSERT_EQ(good.size(), 111u);
  // The good file with words from `at` on replaced.
  auto with = [&](size_t at, std::vector<uint32_t> words) {
    std::vector<uint8_t> f = good;
    for (uint32_t w : words)
      for (int b = 0; b < 4; ++b) f[at++] = uint8_t(w >> (8 * b));
    return f;
  };
  auto cut = [&](size_t n) { return std::vector<uint8_t>(good.begin(), good.begin() + long(n)); };
  std::vector<uint8_t> fiveOfThree = with(28, {5, 119});  // with a table of five
  fiveOfThree.insert(fiveOfThree.begin() + 48, 8, 0);
  const ReadProblem kCut = ReadProblem::Truncated, kOver = ReadProblem::Overrun, kBad = ReadProblem::Damaged;
  const struct {
    const char* name;
    std::vector<uint8_t> file;
    ReadProblem problem;
    FilePart part;
    int64_t offset, index, value;
  } cases[] = {
      {"cut in the header", cut(20), kCut, FilePart::Header, 20, -1, 0},
      {"cut in sprite 3", cut(100), kCut, FilePart::Sprite, 100, 2, 0},
      {"cut before a record", cut(66), kCut, FilePart::Sprite, 66, 1, 0},
      {"wrong magic", with(0, {0x4B594C51}), ReadProblem::NotThisKind, FilePart::None, 0, -1, 0},
      {"another short file", {'R', 'I'}, ReadProblem::NotThisKind, FilePart::None, 0, -1, 0},
      {"pixels past the end", with(66, {65536, 256, 256}), kOver, FilePart::Sprite, 66, 1, 65536},
      {"table past the end", with(28, {0x40000000}), kOver, FilePart::OffsetTable, 36, -1, int64_t(1) << 32},
      {"count not width x height", with(66, {15}), kBad, FilePart::Sprite, 66, 1, 0},
      {"negative sprite count", with(28, {uint32_t(-1)}), kBad, FilePart::Header, 28, -1, 0},
      {"more sprites than records", fiveOfThree, kCut, FilePart::Sprite, 119, 3, 0},
  };
  for (const auto& c : cases) {
    SpriteSet m, s;
    std::istringstream in(std::string(c.file.begin(), c.file.end()));
    const ReadResult fromMemory = ReadSpritesWithReason(m, c.file.data(), c.file.size(), true);
    const ReadResult fromStream = ReadSpritesWithReason(s, in, true);
    EXPECT_EQ(
        std::tie(fromMemory.problem, fromMemory.part, fromMemory.offset, fromMemory.index, fromMemory.value),
        std::tie(c.problem, c.part, c.offset, c.index, c.value))
        << c.name;
    EXPECT_EQ(ReasonText(fromStream), ReasonText(fromMemory)) << c.name;
    EXPECT_TRUE(c.index >= 0 || fromMemory.count == 0) << c.name;  // no record, no count
  }
  SpriteSet set;
  EXPECT_EQ(ReasonText(ReadSpritesWithReason(set, good.data(), 100, true)),
            "truncated at byte 100 (sprite 3 of 3)");
}

}  // namespace
