// The motion file: layout, round trips and hostile input.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "base/byte_reader.h"
#include "editor_test_support.h"
#include "motion/motion_document.h"
#include "motion/motion_file_io.h"
#include "support/file_words.h"
#include "support/palette_test_support.h"
#include "support/sprite_file_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Name32(const std::string& text) {
  Bytes n(32, 0);
  std::memcpy(n.data(), text.data(), std::min<size_t>(text.size(), 32));
  return n;
}

// An independent writer of the 244-byte record, field by field in file order.
Bytes RawRecord(int32_t spriteIndex, const Motion& m) {
  Bytes r;
  for (int32_t v : {spriteIndex, m.relX, m.relY, m.delay, m.effects}) PutS32(r, v);
  for (const MotionBox& b : m.boxes)
    for (int32_t v : {b.x1, b.y1, b.x2, b.y2}) PutS32(r, v);
  for (const MotionPoint& p : m.points)
    for (int32_t v : {p.x, p.y}) PutS32(r, v);
  for (int32_t f : m.flags) PutS32(r, f);
  r.insert(r.end(), m.reserved.begin(), m.reserved.end());
  r.insert(r.end(), m.sound.bytes.begin(), m.sound.bytes.end());
  return r;
}

Bytes RawRecord(int32_t spriteIndex, int32_t relX, const std::string& sound = "") {
  Motion m;
  m.relX = relX;
  m.sound.assign(sound);
  return RawRecord(spriteIndex, m);
}

struct RawBundle {
  Bytes name;  // exactly 32 bytes
  std::vector<Bytes> records;
};

Bytes RawFile(const std::vector<RawBundle>& bundles, const Bytes& spriteSection, int32_t version = 100,
              const char* magic = "ZORV") {
  Bytes body, offsets;
  for (const RawBundle& b : bundles) {
    PutS32(offsets, static_cast<int32_t>(body.size()));
    body.insert(body.end(), b.name.begin(), b.name.end());
    PutS32(body, static_cast<int32_t>(b.records.size()));
    for (const Bytes& r : b.records) body.insert(body.end(), r.begin(), r.end());
  }
  Bytes f(magic, magic + 4);
  for (int32_t v : {version, 0, 0, 0, 0, static_cast<int32_t>(bundles.size()),
                    static_cast<int32_t>(32 + offsets.size() + body.size() + spriteSection.size())})
    PutS32(f, v);
  for (const Bytes* part : std::initializer_list<const Bytes*>{&offsets, &body, &spriteSection})
    f.insert(f.end(), part->begin(), part->end());
  return f;
}

int Read(MotionFile& file, const Bytes& bytes) {
  return ReadMotionFileFromMemory(file, bytes.data(), bytes.size());
}

constexpr size_t kFirstRecord = 32 + 4 + 36;  // in a file with one bundle

// Korean and ASCII names, motions with every field set, motions without a sprite,
// an empty bundle, several sprite sizes.
void BuildRichDocument(MotionFile& file) {
  for (auto [w, h] : {std::pair{12, 20}, {29, 28}, {1, 1}, {3, 2}})
    file.sprites.Append(MakeSprite(w, h, static_cast<uint8_t>(w)));
  const char* names[] = {"걷기", "run", "공격 1", "empty"};
  int seed = 0;
  for (int b = 0; b < 4; ++b) {
    file.append(std::make_unique<MotionBundle>(names[b]));
    MotionBundle* bundle = file.current();
    for (int i = 0; i < (b == 3 ? 0 : 3 + b); ++i) {
      auto m = std::make_unique<Motion>(DistinctMotion(++seed));
      m->sprite = (seed % 5 == 0) ? nullptr : file.sprites.Get(seed % 4);
      bundle->insertBeforeCurrent(std::move(m));
    }
  }
}

}  // namespace

TEST(MotionFileWrite, MatchesIndependentLayout) {
  MotionFile file;
  file.sprites.Append(MakeSprite(3, 2, 9));
  file.sprites.Append(MakeSprite(1, 1, 8));
  file.append(std::make_unique<MotionBundle>("a"));
  file.current()->insertBeforeCurrent(MakeMotion(5, file.sprites.Get(1)));
  file.append(std::make_unique<MotionBundle>("bc"));
  Motion rich[2] = {DistinctMotion(1), DistinctMotion(2)};
  for (int i = 0; i < 2; ++i) {
    file.current()->insertBeforeCurrent(std::make_unique<Motion>(rich[i]));
    file.current()->get(i)->sprite = i ? file.sprites.Get(0) : nullptr;
  }
  file.current()->get(0)->spriteIndex = 77;  // stale; the writer neither uses nor changes it
  Bytes written = MotionFileBytes(file);
  Bytes expected = RawFile(
      {{Name32("a"), {RawRecord(1, 5)}}, {Name32("bc"), {RawRecord(-1, rich[0]), RawRecord(0, rich[1])}}},
      RawSpriteFile({SolidRaw(3, 2, 9), SolidRaw(1, 1, 8)}));
  ASSERT_EQ(written.size(), expected.size());
  // Everything but the sprite section's offset table, whose values no reader uses.
  size_t spriteStart = 32 + 8 + (36 + 244) + (36 + 2 * 244);
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + spriteStart + 36, expected.begin()));
  EXPECT_TRUE(
      std::equal(written.begin() + spriteStart + 44, written.end(), expected.begin() + spriteStart + 44));
  EXPECT_EQ(file.current()->get(0)->spriteIndex, 77);
  // Sprites past the file's 32-bit length word are refused.
  auto huge = std::make_unique<Sprite>();
  huge->width = huge->height = 65536;
  file.sprites.Append(std::move(huge));
  std::ostringstream out;
  EXPECT_EQ(WriteMotionFile(file, out), 0);
}

TEST(MotionFileRoundTrip, WriteReadWriteGivesSameBytes) {
  // The writer matches the independent layout above, so equal bytes mean every field
  // and every motion's sprite came back.
  MotionFile file;
  BuildRichDocument(file);
  file.sprites.SetCurrent(2);
  const Bytes first = MotionFileBytes(file);
  MotionFile back;
  ASSERT_EQ(Read(back, first), 1);
  EXPECT_EQ(MotionFileBytes(back), first);
  EXPECT_EQ(BundleNames(back), BundleNames(file));
  // Reading selects the first bundle, motion and sprite.
  EXPECT_EQ(back.currentIndex(), 0);
  EXPECT_EQ(back.get(1)->currentIndex(), 0);
  EXPECT_EQ(back.sprites.CurrentIndex(), 0);
  // Every truncation fails and leaves what was read before.
  for (size_t n = 0; n < first.size(); n += (n < 2000 ? 1 : 97))
    EXPECT_EQ(ReadMotionFileFromMemory(back, first.data(), n), 0) << "length " << n;
  EXPECT_EQ(MotionFileBytes(back), first);
}

TEST(MotionFileRoundTrip, NoSpritesWriteTheEmptySection) {
  MotionFile file;
  file.append(std::make_unique<MotionBundle>("a"));
  FillBundle(*file.current(), 3);
  Sprite stray(2, 2, Bytes(4, 1));  // not in the set: written as no sprite
  file.current()->get(2)->sprite = &stray;
  const Bytes bytes = MotionFileBytes(file);
  ASSERT_EQ(bytes.size(), kFirstRecord + 3 * 244 + 36);
  EXPECT_EQ(Bytes(bytes.end() - 36, bytes.end()), RawSpriteFile({}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(WordAt(bytes, kFirstRecord + 244 * i), -1);
  MotionFile back;
  ASSERT_EQ(Read(back, bytes), 1);
  EXPECT_EQ(MotionFileBytes(back), bytes);
  // A disk that fills up before the last byte is reported.
  for (size_t room : {bytes.size() - 1, bytes.size()}) {
    FillingBuffer disk(room);
    std::ostream out(&disk);
    EXPECT_EQ(WriteMotionFile(file, out), room == bytes.size() ? 1 : 0) << room;
  }
}

TEST(MotionFileRead, DuplicateSpritesAndBundleNamesAreDropped) {
  // Sprites A, B, A, C: the second A is dropped; motions keep their pictures. Bundles
  // with an empty or repeated name are left out.
  Bytes raw = RawFile(
      {{Name32("a"), {RawRecord(0, 0), RawRecord(1, 1), RawRecord(2, 2), RawRecord(3, 3)}},
       {Name32(""), {RawRecord(-1, 2)}},
       {Name32("a"), {RawRecord(-1, 3)}},
       {Name32("b"), {RawRecord(-1, 5)}}},
      RawSpriteFile({SolidRaw(2, 2, 10), SolidRaw(2, 2, 11), SolidRaw(2, 2, 10), SolidRaw(1, 3, 12)}));
  MotionFile file;
  ASSERT_EQ(Read(file, raw), 1);
  EXPECT_EQ(BundleNames(file), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(RelXs(*file.get(1)), (std::vector<int32_t>{5}));
  ASSERT_EQ(file.sprites.Count(), 3);
  const uint8_t want[] = {10, 11, 10, 12};
  MotionBundle* b = file.get(0);
  for (int i = 0; i < 4; ++i) {
    ASSERT_NE(b->get(i)->sprite, nullptr);
    EXPECT_EQ(b->get(i)->sprite->pixels[0], want[i]) << "motion " << i;
  }
  EXPECT_EQ(b->get(2)->sprite, b->get(0)->sprite);
  EXPECT_EQ(WordAt(MotionFileBytes(file), 32 + 8 + 36 + 3 * 244), 2);
}

// Each broken copy is refused with its own reason, and the open document stays with its
// selection, clipboard and shadow.
// `one` has its bundle at 36, its motion record at 72 and its sprite section at 316.
TEST(MotionFileRead, HostileFilesFailWithTheirReasonAndLeaveTheDocument) {
  const Bytes one = RawFile({{Name32("a"), {RawRecord(-1, 1)}}}, RawSpriteFile({}));
  auto withWord = [&](size_t at, int32_t v) { return WithWord(one, at, v); };
  auto spriteIndex = [](int32_t index) {
    return RawFile({{Name32("a"), {RawRecord(index, 0)}}},
                   RawSpriteFile({SolidRaw(1, 1, 1), SolidRaw(1, 1, 1)}));
  };
  Bytes badSprite = RawSpriteFile({SolidRaw(2, 2, 1)});
  badSprite[36 + 4] = 5;  // pixel count 4 but width 5
  Bytes foreignSection = RawSpriteFile({});
  foreignSection[0] = 'X';
  const ReadProblem kVersion = ReadProblem::Unsupported, kOther = ReadProblem::NotThisKind,
                    kCut = ReadProblem::Truncated, kOver = ReadProblem::Overrun, kBad = ReadProblem::Damaged;
  const FilePart kNone = FilePart::None, kBundle = FilePart::Bundle, kSection = FilePart::SpriteSection;
  const struct {
    const char* name;
    Bytes bytes;
    ReadProblem problem;
    FilePart part;
    int64_t offset;
    const char* text = "";  // how the reason starts, where it matters
  } cases[] = {
      {"version 101", RawFile({{Name32("z"), {}}}, RawSpriteFile({}), 101), kVersion, kNone, 4},
      {"version 99", RawFile({{Name32("z"), {}}}, RawSpriteFile({}), 99), kVersion, kNone, 4},
      {"foreign magic", RawFile({{Name32("z"), {}}}, RawSpriteFile({}), 100, "ZORW"), kOther, kNone, 0},
      {"sprite file", RawSpriteFile({SolidRaw(1, 1, 1)}), kOther, kNone, 0},
      {"cut in a motion", Bytes(one.begin(), one.begin() + 200), kCut, kBundle, 200},
      {"cut in the header", Bytes(one.begin(), one.begin() + 30), kCut, FilePart::Header, 30},
      {"bundle count huge", withWord(24, INT32_MAX), kOver, FilePart::OffsetTable, 32, "offset table at"},
      {"bundle count negative", withWord(24, -1), kBad, FilePart::Header, 24},
      {"bundle count too big", withWord(24, 2), kBad, kBundle, 40},
      {"motion count huge", withWord(36 + 32, INT32_MAX), kOver, kBundle, 36},
      {"motion count negative", withWord(36 + 32, -5), kBad, kBundle, 36},
      {"motion count too big", withWord(36 + 32, 2), kOver, kBundle, 36},
      {"sprite index -2", spriteIndex(-2), kBad, FilePart::Motion, 72},
      {"sprite index minimum", spriteIndex(INT32_MIN), kBad, FilePart::Motion, 72},
      {"damaged sprite", RawFile({{Name32("a"), {}}}, badSprite), kBad, FilePart::Sprite, 72 + 40},
      {"foreign sprite section", RawFile({{Name32("a"), {}}}, foreignSection), kBad, kSection, 72},
      {"no sprite section", RawFile({{Name32("a"), {}}}, {}), kCut, kSection, 72},
  };
  MotionDocument doc;
  BuildRichDocument(doc.file);
  doc.file.select(1);
  doc.file.current()->select(1);
  doc.mark(ClipboardMode::Cut);
  doc.setShadow();
  doc.modified = true;
  Motion* const marked = doc.clipboard.motion;
  const Bytes before = MotionFileBytes(doc.file);
  for (const auto& c : cases) {
    std::istringstream in(std::string(c.bytes.begin(), c.bytes.end()));
    const ReadResult result = doc.open(in);
    EXPECT_EQ(std::tie(result.problem, result.part, result.offset), std::tie(c.problem, c.part, c.offset))
        << "case " << c.name << ": " << ReasonText(result);
    EXPECT_EQ(ReasonText(result).rfind(c.text, 0), 0u) << "case " << c.name << ": " << ReasonText(result);
    EXPECT_EQ(MotionFileBytes(doc.file), before) << "case " << c.name;
    EXPECT_EQ(std::make_tuple(doc.file.currentIndex(), doc.clipboard.motion, doc.shadow.motion, doc.modified),
              std::make_tuple(1, marked, marked, true))
        << "case " << c.name;
  }
  EXPECT_FALSE(doc.autoShadow);
  EXPECT_TRUE(doc.paste());  // the clipboard still points at a live motion
  MotionFile& file = doc.file;
  // The edges that are fine: -1, the index of a dropped duplicate, 31-byte names.
  EXPECT_EQ(Read(file, spriteIndex(-1)), 1);
  EXPECT_EQ(Read(file, spriteIndex(1)), 1);
  EXPECT_EQ(file.get(0)->get(0)->sprite, file.sprites.Get(0));
  EXPECT_EQ(Read(file, RawFile({{Name32(std::string(31, 'n')), {RawRecord(-1, 0, std::string(31, 's'))}}},
                               RawSpriteFile({}))),
            1);
}

TEST(MotionFileRead, FilesFromElsewhereLoadAndWriteBackUnchanged) {
  // Full 32-byte names and sounds without a terminator, bytes after a terminator,
  // sprite indices past the sprite section (one sprite here, which a second file
  // record duplicates).
  Bytes longSound = RawRecord(5, 0);
  std::fill(longSound.begin() + 212, longSound.end(), 's');
  Bytes name = Name32("walk");
  for (size_t i = 5; i < 32; ++i) name[i] = static_cast<uint8_t>(0xC0 + i);
  Bytes afterSound = RawRecord(0, 3, "a");
  std::fill(afterSound.begin() + 212 + 4, afterSound.end(), 0x55);
  const Bytes raw =
      RawFile({{Bytes(32, 'n'), {longSound, RawRecord(1, 1), RawRecord(2, 2)}}, {name, {afterSound}}},
              RawSpriteFile({SolidRaw(1, 1, 1), SolidRaw(1, 1, 1)}));
  MotionFile file;
  ASSERT_EQ(Read(file, raw), 1);
  const MotionBundle& bundle = *file.get(0);
  EXPECT_EQ(bundle.name.str(), std::string(32, 'n'));
  EXPECT_EQ(bundle.get(0)->sound.str(), std::string(32, 's'));
  EXPECT_EQ(file.get(1)->name.str(), "walk");
  EXPECT_EQ(file.get(1)->get(0)->sound.str(), "a");
  EXPECT_EQ(bundle.get(0)->sprite, nullptr);
  EXPECT_EQ(bundle.get(1)->sprite, file.sprites.Get(0));  // the duplicate's picture
  EXPECT_EQ(bundle.get(2)->sprite, nullptr);
  // The bundles come back byte for byte but for the sprite indices.
  const size_t records = 32 + 8 + 36, end = records + 4 * 244 + 36;
  Bytes want = WithWord(WithWord(WithWord(raw, records, -1), records + 244, 0), records + 488, -1);
  const Bytes written = MotionFileBytes(file);
  ASSERT_GT(written.size(), end);
  EXPECT_TRUE(std::equal(want.begin() + 32, want.begin() + end, written.begin() + 32));
  MotionFile again;
  ASSERT_EQ(Read(again, written), 1);
  EXPECT_EQ(MotionFileBytes(again), written);
}
