// The motion file: layout, round trips and hostile input.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/byte_reader.h"
#include "motion/motion_document.h"
#include "motion/motion_file_io.h"
#include "motion_test_util.h"

namespace {

using Bytes = std::vector<uint8_t>;

// An independent writer of the layout, field by field, for building test files.
Bytes RawRecord(int32_t spriteIndex, int32_t relX, const std::string& sound = "") {
  Bytes r;
  PutS32(r, spriteIndex);
  PutS32(r, relX);
  PutS32(r, 0);  // relY
  PutS32(r, 2);  // delay
  PutS32(r, 0);  // effects
  for (int i = 0; i < 24 + 12; ++i) PutS32(r, -19775);
  for (int i = 0; i < 10; ++i) PutS32(r, 0);
  for (int i = 0; i < 8; ++i) r.push_back(0);
  Bytes name(32, 0);
  std::memcpy(name.data(), sound.data(), std::min<size_t>(sound.size(), 32));
  r.insert(r.end(), name.begin(), name.end());
  return r;
}

struct RawBundle {
  Bytes name;  // exactly 32 bytes
  std::vector<Bytes> records;
};

Bytes Name32(const std::string& text) {
  Bytes n(32, 0);
  std::memcpy(n.data(), text.data(), std::min<size_t>(text.size(), 32));
  return n;
}

struct RawSprite {
  int32_t w, h;
  uint8_t value;
};

Bytes RawSprites(const std::vector<RawSprite>& sprites) {
  Bytes s = {'P', 'L', 'Y', 'K'};
  PutS32(s, 100);
  for (int i = 0; i < 5; ++i) PutS32(s, 0);
  PutS32(s, static_cast<int32_t>(sprites.size()));
  int32_t total = 36 + 4 * static_cast<int32_t>(sprites.size());
  for (const RawSprite& sp : sprites) total += 12 + sp.w * sp.h;
  PutS32(s, total);
  for (size_t i = 0; i < sprites.size(); ++i) PutS32(s, 0);
  for (const RawSprite& sp : sprites) {
    PutS32(s, sp.w * sp.h);
    PutS32(s, sp.w);
    PutS32(s, sp.h);
    s.insert(s.end(), static_cast<size_t>(sp.w * sp.h), sp.value);
  }
  return s;
}

Bytes RawFile(const std::vector<RawBundle>& bundles, const Bytes& spriteSection, int32_t version = 100,
              const char* magic = "ZORV") {
  Bytes body;
  Bytes offsets;
  int32_t offset = 0;
  for (const RawBundle& b : bundles) {
    PutS32(offsets, offset);
    body.insert(body.end(), b.name.begin(), b.name.end());
    PutS32(body, static_cast<int32_t>(b.records.size()));
    for (const Bytes& r : b.records) body.insert(body.end(), r.begin(), r.end());
    offset += 36 + 244 * static_cast<int32_t>(b.records.size());
  }
  Bytes f(magic, magic + 4);
  PutS32(f, version);
  for (int i = 0; i < 4; ++i) PutS32(f, 0);
  PutS32(f, static_cast<int32_t>(bundles.size()));
  PutS32(f, static_cast<int32_t>(32 + offsets.size() + body.size() + spriteSection.size()));
  f.insert(f.end(), offsets.begin(), offsets.end());
  f.insert(f.end(), body.begin(), body.end());
  f.insert(f.end(), spriteSection.begin(), spriteSection.end());
  return f;
}

int Read(MotionFile& file, const Bytes& bytes) {
  return ReadMotionFileFromMemory(file, bytes.data(), bytes.size());
}

int32_t WordAt(const Bytes& bytes, size_t offset) {
  return static_cast<int32_t>(LoadU32(bytes.data() + offset));
}

// A document with every kind of content: Korean and ASCII names, motions with all
// fields set, motions without a sprite, an empty bundle, several sprite sizes.
void BuildRichDocument(MotionFile& file) {
  file.sprites.Append(MakeSprite(12, 20, 1));
  file.sprites.Append(MakeSprite(29, 28, 2));
  file.sprites.Append(MakeSprite(1, 1, 3));
  file.sprites.Append(MakeSprite(3, 2, 4));
  const char* names[] = {"걷기", "run", "공격 1", "empty"};
  int seed = 0;
  for (int b = 0; b < 4; ++b) {
    file.append(std::make_unique<MotionBundle>(names[b]));
    MotionBundle* bundle = file.current();
    int n = b == 3 ? 0 : 3 + b;
    for (int i = 0; i < n; ++i) {
      auto m = std::make_unique<Motion>(DistinctMotion(++seed));
      m->sprite = (seed % 5 == 0) ? nullptr : file.sprites.Get(seed % 4);
      bundle->select(bundle->count());
      bundle->insertBeforeCurrent(std::move(m));
    }
  }
}

// Sprite positions of every motion of every bundle, in order (-1 for none).
std::vector<int32_t> SpritePositions(const MotionFile& file) {
  std::vector<int32_t> out;
  for (const auto& b : file.bundles())
    for (const auto& m : b->items()) out.push_back(m->sprite ? file.sprites.IndexOf(m->sprite) : -1);
  return out;
}

}  // namespace

TEST(MotionFileWrite, MatchesIndependentLayout) {
  MotionFile file;
  file.sprites.Append(MakeSprite(3, 2, 9));
  file.sprites.Append(MakeSprite(1, 1, 8));
  file.append(std::make_unique<MotionBundle>("a"));
  file.current()->insertBeforeCurrent(MakeMotion(5, file.sprites.Get(1)));
  file.append(std::make_unique<MotionBundle>("bc"));
  file.current()->insertBeforeCurrent(MakeMotion(-6, nullptr));
  file.current()->insertBeforeCurrent(MakeMotion(7, file.sprites.Get(0)));
  file.current()->get(1)->sound.assign("x.wav");

  Bytes written = MotionFileBytes(file);
  Bytes expected = RawFile(
      {{Name32("a"), {RawRecord(1, 5)}}, {Name32("bc"), {RawRecord(-1, -6), RawRecord(0, 7, "x.wav")}}},
      RawSprites({{3, 2, 9}, {1, 1, 8}}));
  ASSERT_EQ(written.size(), expected.size());
  // Everything but the sprite section's offset table, whose values no reader uses.
  size_t spriteStart = 32 + 8 + (36 + 244) + (36 + 2 * 244);
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + spriteStart + 36, expected.begin()));
  EXPECT_TRUE(
      std::equal(written.begin() + spriteStart + 44, written.end(), expected.begin() + spriteStart + 44));
  EXPECT_EQ(WordAt(written, 24), 2);
  EXPECT_EQ(WordAt(written, 28), static_cast<int32_t>(written.size()));
  EXPECT_EQ(WordAt(written, 32), 0);
  EXPECT_EQ(WordAt(written, 36), 36 + 244);
  EXPECT_EQ(std::string(written.begin() + spriteStart, written.begin() + spriteStart + 4), "PLYK");
  EXPECT_EQ(WordAt(written, spriteStart + 32), 36 + 8 + 18 + 13);
  // The in-memory motions learn their indices too.
  EXPECT_EQ(file.bundles()[1]->get(0)->spriteIndex, -1);
  EXPECT_EQ(file.bundles()[1]->get(1)->spriteIndex, 0);
}

TEST(MotionFileWrite, RecordHoldsEveryFieldAtItsOffset) {
  Motion m = DistinctMotion(3);
  m.spriteIndex = 17;
  uint8_t record[kMotionRecordSize];
  EncodeMotionRecord(m, record);
  Bytes r(record, record + kMotionRecordSize);
  EXPECT_EQ(WordAt(r, 0), 17);
  EXPECT_EQ(WordAt(r, 4), m.relX);
  EXPECT_EQ(WordAt(r, 8), m.relY);
  EXPECT_EQ(WordAt(r, 12), m.delay);
  EXPECT_EQ(WordAt(r, 16), m.effects);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(WordAt(r, 20 + 16 * k), m.boxes[k].x1);
    EXPECT_EQ(WordAt(r, 32 + 16 * k), m.boxes[k].y2);
    EXPECT_EQ(WordAt(r, 116 + 8 * k), m.points[k].x);
    EXPECT_EQ(WordAt(r, 120 + 8 * k), m.points[k].y);
  }
  for (int k = 0; k < 10; ++k) EXPECT_EQ(WordAt(r, 164 + 4 * k), m.flags[k]);
  EXPECT_EQ(0, std::memcmp(record + 204, m.reserved.data(), 8));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(record + 212)), "hit3.wav");
  Motion back;
  DecodeMotionRecord(record, back);
  EXPECT_TRUE(back.sameInfo(m));
  EXPECT_EQ(back.reserved, m.reserved);
  EXPECT_EQ(back.spriteIndex, 17);
}

TEST(MotionFileRoundTrip, WriteReadWriteGivesSameBytesAndFields) {
  MotionFile file;
  BuildRichDocument(file);
  Bytes first = MotionFileBytes(file);
  ASSERT_FALSE(first.empty());
  MotionFile back;
  ASSERT_EQ(Read(back, first), 1);
  EXPECT_EQ(MotionFileBytes(back), first);

  EXPECT_EQ(BundleNames(back), BundleNames(file));
  EXPECT_EQ(SpritePositions(back), SpritePositions(file));
  ASSERT_EQ(back.sprites.Count(), file.sprites.Count());
  for (int32_t i = 0; i < file.sprites.Count(); ++i) {
    EXPECT_EQ(back.sprites.Get(i)->width, file.sprites.Get(i)->width);
    EXPECT_EQ(back.sprites.Get(i)->pixels, file.sprites.Get(i)->pixels);
  }
  for (int32_t b = 0; b < file.count(); ++b) {
    ASSERT_EQ(back.get(b)->count(), file.get(b)->count());
    for (int32_t i = 0; i < file.get(b)->count(); ++i) {
      uint8_t want[kMotionRecordSize], got[kMotionRecordSize];
      EncodeMotionRecord(*file.get(b)->get(i), want);
      EncodeMotionRecord(*back.get(b)->get(i), got);
      EXPECT_EQ(0, std::memcmp(want, got, kMotionRecordSize)) << "bundle " << b << " motion " << i;
    }
  }
}

TEST(MotionFileRoundTrip, ReadSelectsFirstBundleMotionAndSprite) {
  MotionFile file;
  BuildRichDocument(file);
  file.sprites.SetCurrent(2);
  MotionFile back;
  ASSERT_EQ(Read(back, MotionFileBytes(file)), 1);
  EXPECT_EQ(back.currentIndex(), 0);
  for (const auto& b : back.bundles()) EXPECT_EQ(b->currentIndex(), 0);
  EXPECT_EQ(back.sprites.CurrentIndex(), 0);
}

TEST(MotionFileRoundTrip, NameBytesAfterTerminatorSurvive) {
  Bytes name = Name32("walk");
  for (size_t i = 5; i < 32; ++i) name[i] = static_cast<uint8_t>(0xC0 + i);
  Bytes record = RawRecord(0, 3);
  for (size_t i = 212 + 4; i < 244; ++i) record[i] = 0x55;  // "" then junk in the sound field
  record[212] = 'a';
  record[213] = 0;
  Bytes raw = RawFile({{name, {record}}}, RawSprites({{2, 2, 1}}));
  MotionFile file;
  ASSERT_EQ(Read(file, raw), 1);
  EXPECT_EQ(file.get(0)->name.str(), "walk");
  EXPECT_EQ(file.get(0)->get(0)->sound.str(), "a");
  Bytes again = MotionFileBytes(file);
  ASSERT_EQ(again.size(), raw.size());
  size_t spriteStart = raw.size() - (36 + 4 + 12 + 4);
  EXPECT_TRUE(std::equal(raw.begin(), raw.begin() + spriteStart, again.begin()));
}

TEST(MotionFileRoundTrip, BundlesWithoutSpritesWriteEmptySection) {
  MotionFile file;
  file.append(std::make_unique<MotionBundle>("a"));
  FillBundle(*file.current(), 3);
  Bytes bytes = MotionFileBytes(file);
  ASSERT_EQ(bytes.size(), 32u + 4 + 36 + 3 * 244 + 36);
  size_t section = bytes.size() - 36;
  EXPECT_EQ(Bytes(bytes.begin() + section, bytes.end()), RawSprites({}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(WordAt(bytes, 32 + 4 + 36 + 244 * i), -1);
  MotionFile back;
  ASSERT_EQ(Read(back, bytes), 1);
  EXPECT_EQ(back.sprites.Count(), 0);
  EXPECT_EQ(RelXs(*back.get(0)), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(MotionFileBytes(back), bytes);
}

TEST(MotionFileRoundTrip, SpritesWithoutBundles) {
  MotionFile file;
  AddSprites(file, 3);
  Bytes bytes = MotionFileBytes(file);
  EXPECT_EQ(WordAt(bytes, 24), 0);
  EXPECT_EQ(std::string(bytes.begin() + 32, bytes.begin() + 36), "PLYK");
  MotionFile back;
  ASSERT_EQ(Read(back, bytes), 1);
  EXPECT_EQ(back.count(), 0);
  EXPECT_EQ(back.sprites.Count(), 3);
  EXPECT_EQ(back.current(), nullptr);
}

TEST(MotionFileRoundTrip, MotionWithSpriteOutsideSetWritesMinusOne) {
  MotionFile file;
  AddSprites(file, 1);
  Sprite stray(2, 2, Bytes(4, 1));
  file.append(std::make_unique<MotionBundle>("a"));
  file.current()->insertBeforeCurrent(MakeMotion(0, &stray));
  Bytes bytes = MotionFileBytes(file);
  EXPECT_EQ(WordAt(bytes, 32 + 4 + 36), -1);
  MotionFile back;
  ASSERT_EQ(Read(back, bytes), 1);
  EXPECT_EQ(back.get(0)->get(0)->sprite, nullptr);
}

TEST(MotionFileRoundTrip, CleanSpritesRenumbersNextSave) {
  MotionDocument doc;
  auto s = AddSprites(doc.file, 3);
  doc.newBundle("a");
  doc.file.current()->insertBeforeCurrent(MakeMotion(0, s[0]));
  doc.file.current()->insertBeforeCurrent(MakeMotion(1, s[2]));
  Bytes before = MotionFileBytes(doc.file);
  EXPECT_EQ(WordAt(before, 32 + 4 + 36 + 244), 2);
  doc.cleanSprites();
  Bytes after = MotionFileBytes(doc.file);
  EXPECT_EQ(WordAt(after, 32 + 4 + 36), 0);
  EXPECT_EQ(WordAt(after, 32 + 4 + 36 + 244), 1);
  MotionFile back;
  ASSERT_EQ(Read(back, after), 1);
  EXPECT_EQ(back.sprites.Count(), 2);
  EXPECT_EQ(back.get(0)->get(1)->sprite->pixels, s[2]->pixels);
}

TEST(MotionFileRead, DuplicateSpritesKeepEveryMotionsPicture) {
  // Records: A, B, A, C. The second A is dropped; motions keep their pictures.
  Bytes raw = RawFile({{Name32("a"), {RawRecord(0, 0), RawRecord(1, 1), RawRecord(2, 2), RawRecord(3, 3)}}},
                      RawSprites({{2, 2, 10}, {2, 2, 11}, {2, 2, 10}, {1, 3, 12}}));
  MotionFile file;
  ASSERT_EQ(Read(file, raw), 1);
  ASSERT_EQ(file.sprites.Count(), 3);
  const uint8_t want[] = {10, 11, 10, 12};
  MotionBundle* b = file.get(0);
  for (int i = 0; i < 4; ++i) {
    ASSERT_NE(b->get(i)->sprite, nullptr);
    EXPECT_EQ(b->get(i)->sprite->pixels[0], want[i]) << "motion " << i;
  }
  EXPECT_EQ(b->get(2)->sprite, b->get(0)->sprite);
  EXPECT_EQ(b->get(3)->spriteIndex, 2);
  Bytes again = MotionFileBytes(file);
  EXPECT_EQ(WordAt(again, 32 + 4 + 36 + 3 * 244), 2);
}

TEST(MotionFileRead, EmptyOrRepeatedBundleNamesAreDropped) {
  Bytes raw = RawFile({{Name32("a"), {RawRecord(-1, 1)}},
                       {Name32(""), {RawRecord(-1, 2)}},
                       {Name32("a"), {RawRecord(-1, 3), RawRecord(-1, 4)}},
                       {Name32("b"), {RawRecord(-1, 5)}}},
                      RawSprites({}));
  MotionFile file;
  ASSERT_EQ(Read(file, raw), 1);
  EXPECT_EQ(BundleNames(file), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(RelXs(*file.get(0)), (std::vector<int32_t>{1}));
  EXPECT_EQ(RelXs(*file.get(1)), (std::vector<int32_t>{5}));
}

TEST(MotionFileRead, RejectsWrongVersionAndForeignMagic) {
  Bytes good = RawFile({{Name32("a"), {RawRecord(0, 1)}}}, RawSprites({{1, 1, 1}}));
  MotionFile file;
  EXPECT_EQ(Read(file, good), 1);
  EXPECT_EQ(Read(file, RawFile({{Name32("z"), {}}}, RawSprites({}), 101)), 0);
  EXPECT_EQ(Read(file, RawFile({{Name32("z"), {}}}, RawSprites({}), 99)), 0);
  EXPECT_EQ(Read(file, RawFile({{Name32("z"), {}}}, RawSprites({}), 100, "ZORW")), 0);
  EXPECT_EQ(Read(file, RawSprites({{1, 1, 1}})), 0);  // a sprite file
  EXPECT_EQ(BundleNames(file), (std::vector<std::string>{"a"}));
}

TEST(MotionFileRead, EveryTruncationFails) {
  MotionFile rich;
  BuildRichDocument(rich);
  Bytes full = MotionFileBytes(rich);
  MotionFile file;
  for (size_t n = 0; n < full.size(); n += (n < 2000 ? 1 : 97)) {
    EXPECT_EQ(ReadMotionFileFromMemory(file, full.data(), n), 0) << "length " << n;
  }
  EXPECT_EQ(file.count(), 0);
  EXPECT_EQ(Read(file, full), 1);
}

TEST(MotionFileRead, RejectsImpossibleCounts) {
  Bytes base = RawFile({{Name32("a"), {RawRecord(-1, 1)}}}, RawSprites({}));
  MotionFile file;
  for (int32_t count : {INT32_MAX, -1, 2}) {
    Bytes bad = base;
    std::memcpy(bad.data() + 24, &count, 4);  // the test machine is little-endian like the format
    EXPECT_EQ(Read(file, bad), 0) << count;
  }
  for (int32_t count : {INT32_MAX, -5, 2}) {
    Bytes bad = base;
    std::memcpy(bad.data() + 36 + 32, &count, 4);
    EXPECT_EQ(Read(file, bad), 0) << count;
  }
  EXPECT_EQ(file.count(), 0);
}

TEST(MotionFileRead, RejectsUnterminatedNames) {
  MotionFile file;
  Bytes fullName(32, 'n');
  EXPECT_EQ(Read(file, RawFile({{fullName, {}}}, RawSprites({}))), 0);
  Bytes record = RawRecord(-1, 0);
  std::fill(record.begin() + 212, record.end(), 's');
  EXPECT_EQ(Read(file, RawFile({{Name32("a"), {record}}}, RawSprites({}))), 0);
  // 31 bytes and the terminator are fine.
  EXPECT_EQ(Read(file, RawFile({{Name32(std::string(31, 'n')), {RawRecord(-1, 0, std::string(31, 's'))}}},
                               RawSprites({}))),
            1);
}

TEST(MotionFileRead, RejectsSpriteIndexOutsideSection) {
  MotionFile file;
  auto one = [](int32_t index) {
    return RawFile({{Name32("a"), {RawRecord(index, 0)}}}, RawSprites({{1, 1, 1}, {1, 1, 1}}));
  };
  EXPECT_EQ(Read(file, one(-1)), 1);
  EXPECT_EQ(Read(file, one(1)), 1);  // the duplicate record still counts
  EXPECT_EQ(file.get(0)->get(0)->sprite, file.sprites.Get(0));
  file.clear();
  EXPECT_EQ(Read(file, one(2)), 0);
  EXPECT_EQ(Read(file, one(-2)), 0);
  EXPECT_EQ(Read(file, one(INT32_MIN)), 0);
  EXPECT_EQ(file.count(), 0);
}

TEST(MotionFileRead, RejectsDamagedSpriteSection) {
  MotionFile file;
  Bytes section = RawSprites({{2, 2, 1}});
  section[36 + 4] = 5;  // pixel count 4 but width 5
  EXPECT_EQ(Read(file, RawFile({{Name32("a"), {}}}, section)), 0);
  Bytes foreign = RawSprites({});
  foreign[0] = 'X';
  EXPECT_EQ(Read(file, RawFile({{Name32("a"), {}}}, foreign)), 0);
  EXPECT_EQ(Read(file, RawFile({{Name32("a"), {}}}, {})), 0);  // no section at all
  EXPECT_EQ(file.count(), 0);
}

TEST(MotionDocumentOpen, FailedOpenLeavesDocumentAndEditorState) {
  MotionDocument doc;
  BuildRichDocument(doc.file);
  doc.file.select(1);
  doc.file.current()->select(1);
  doc.mark(ClipboardMode::Cut);
  doc.setShadow();
  doc.modified = true;
  Bytes before = MotionFileBytes(doc.file);
  Motion* marked = doc.clipboard.motion;

  // Valid bundles followed by a damaged sprite section, then a foreign version.
  Bytes section = RawSprites({{2, 2, 1}});
  section.resize(section.size() - 1);
  for (const Bytes& bad : {RawFile({{Name32("new"), {RawRecord(0, 1)}}}, section),
                           RawFile({{Name32("new"), {}}}, RawSprites({}), 101)}) {
    std::istringstream in(std::string(bad.begin(), bad.end()));
    EXPECT_FALSE(doc.open(in));
  }
  EXPECT_EQ(MotionFileBytes(doc.file), before);
  EXPECT_EQ(doc.file.currentIndex(), 1);
  EXPECT_EQ(doc.clipboard.motion, marked);
  EXPECT_EQ(doc.clipboard.mode, ClipboardMode::Cut);
  EXPECT_EQ(doc.shadow.motion, marked);
  EXPECT_FALSE(doc.autoShadow);
  EXPECT_TRUE(doc.modified);
  EXPECT_TRUE(doc.paste());  // the clipboard still points at a live motion
}

TEST(MotionDocumentOpen, SaveAndOpenThroughFiles) {
  namespace fs = std::filesystem;
  fs::path dir =
      fs::temp_directory_path() /
      ("motion_io_test_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  MotionDocument doc;
  BuildRichDocument(doc.file);
  doc.modified = true;
  ASSERT_TRUE(doc.saveFile(dir / "a.zrv"));
  EXPECT_FALSE(doc.modified);

  MotionDocument other;
  other.newBundle("old");
  other.mark(ClipboardMode::Copy);
  other.setShadow();
  EXPECT_FALSE(other.openFile(dir / "missing.zrv"));
  EXPECT_EQ(BundleNames(other.file), (std::vector<std::string>{"old"}));
  ASSERT_TRUE(other.openFile(dir / "a.zrv"));
  EXPECT_EQ(BundleNames(other.file), BundleNames(doc.file));
  EXPECT_FALSE(other.modified);
  EXPECT_TRUE(other.clipboard.empty());
  EXPECT_FALSE(other.shadow.isSet());
  EXPECT_TRUE(other.autoShadow);
  EXPECT_EQ(MotionFileBytes(other.file), MotionFileBytes(doc.file));
  fs::remove_all(dir);
}
