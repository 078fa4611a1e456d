#include "motion/motion_file_io.h"

#include <climits>
#include <cstring>
#include <sstream>
#include <string>
#include <unordered_map>

#include "base/byte_reader.h"
#include "sprites/sprite_file.h"

namespace {

constexpr char kMagic[4] = {'Z', 'O', 'R', 'V'};
constexpr char kSpriteMagic[4] = {'P', 'L', 'Y', 'K'};

void Store(uint8_t*& p, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) *p++ = static_cast<uint8_t>(v >> (8 * i));
}

int32_t Load(const uint8_t*& p) {
  int32_t v = static_cast<int32_t>(LoadU32(p));
  p += 4;
  return v;
}

// Bytes of the bundles part (header, offset table, bundle records).
int64_t MotionPartSize(const MotionFile& doc) {
  int64_t size = kMotionFileHeaderSize + 4 * int64_t(doc.count());
  for (const auto& bundle : doc.bundles())
    size += kBundleRecordHeaderSize + int64_t(kMotionRecordSize) * bundle->count();
  return size;
}

}  // namespace

void EncodeMotionRecord(const Motion& m, uint8_t* record) {
  uint8_t* p = record;
  Store(p, m.spriteIndex);
  Store(p, m.relX);
  Store(p, m.relY);
  Store(p, m.delay);
  Store(p, m.effects);
  for (const MotionBox& b : m.boxes) {
    Store(p, b.x1);
    Store(p, b.y1);
    Store(p, b.x2);
    Store(p, b.y2);
  }
  for (const MotionPoint& pt : m.points) {
    Store(p, pt.x);
    Store(p, pt.y);
  }
  for (int32_t flag : m.flags) Store(p, flag);
  std::memcpy(p, m.reserved.data(), m.reserved.size());
  p += m.reserved.size();
  std::memcpy(p, m.sound.bytes.data(), m.sound.bytes.size());
}

void DecodeMotionRecord(const uint8_t* record, Motion& m) {
  const uint8_t* p = record;
  m.spriteIndex = Load(p);
  m.relX = Load(p);
  m.relY = Load(p);
  m.delay = Load(p);
  m.effects = Load(p);
  for (MotionBox& b : m.boxes) {
    b.x1 = Load(p);
    b.y1 = Load(p);
    b.x2 = Load(p);
    b.y2 = Load(p);
  }
  for (MotionPoint& pt : m.points) {
    pt.x = Load(p);
    pt.y = Load(p);
  }
  for (int32_t& flag : m.flags) flag = Load(p);
  std::memcpy(m.reserved.data(), p, m.reserved.size());
  p += m.reserved.size();
  std::memcpy(m.sound.bytes.data(), p, m.sound.bytes.size());
}

ReadResult ReadMotionFileWithReason(MotionFile& doc, std::istream& in) {
  StreamReader reader(in);
  uint8_t header[kMotionFileHeaderSize];
  // The magic byte by byte, so that a short file of another kind is told apart
  // from a cut-off motion file.
  size_t got = 0;
  while (got < 4 && (header[got] = reader.u8(), reader.ok())) ++got;
  if (std::memcmp(header, kMagic, got) != 0) return ReadResult::NotThisKind("motion file");
  if (got < 4 || !reader.bytes(header + 4, sizeof header - 4))
    return ReadResult::Truncated(static_cast<int64_t>(reader.endOfData()), FilePart::Header);
  const int32_t version = static_cast<int32_t>(LoadU32(header + 4));
  if (version != kMotionFileVersion) return ReadResult::Unsupported(FileFeature::Version, version, 4);
  const int32_t bundleCount = static_cast<int32_t>(LoadU32(header + 24));
  const uint32_t fileSize = LoadU32(header + 28);
  if (bundleCount < 0) return ReadResult::Damaged(FilePart::Header, 24);
  // A short read of data a count announced: the file was cut short when its size
  // word promises more than it holds; otherwise the count claims too much.
  auto shortClaim = [&](FilePart part, int64_t start, int64_t dataStart, int64_t claimed, int64_t index,
                        int64_t count) {
    const int64_t end = static_cast<int64_t>(reader.endOfData());
    if (fileSize > end) return ReadResult::Truncated(end, part, index, count);
    return ReadResult::Overrun(part, start, claimed, end - dataStart, index, count);
  };
  const int64_t tableSize = 4 * int64_t(bundleCount);
  if (!reader.skip(static_cast<uint64_t>(tableSize)))
    return shortClaim(FilePart::OffsetTable, kMotionFileHeaderSize, kMotionFileHeaderSize, tableSize, -1, 0);

  // Everything is read into a fresh document; motions and bundles are created as
  // their records arrive, so a huge count in a short file fails at the short read
  // without allocating for it.
  MotionFile fresh;
  std::vector<Motion*> motions;  // every kept motion, to resolve its sprite at the end
  uint8_t record[kMotionRecordSize];
  for (int32_t b = 0; b < bundleCount; ++b) {
    const int64_t start = static_cast<int64_t>(reader.pos());
    auto bundle = std::make_unique<MotionBundle>();
    // A name without its terminator is kept as its 32 bytes and written back so.
    reader.bytes(bundle->name.bytes.data(), kNameFieldSize);
    const int32_t motionCount = reader.s32();
    if (!reader.ok())
      return ReadResult::Truncated(static_cast<int64_t>(reader.endOfData()), FilePart::Bundle, b,
                                   bundleCount);
    if (motionCount < 0) return ReadResult::Damaged(FilePart::Bundle, start, b, bundleCount);
    for (int32_t i = 0; i < motionCount; ++i) {
      const int64_t at = static_cast<int64_t>(reader.pos());
      if (!reader.bytes(record, sizeof record))
        return shortClaim(FilePart::Bundle, start, start + kBundleRecordHeaderSize,
                          int64_t(kMotionRecordSize) * motionCount, b, bundleCount);
      auto motion = std::make_unique<Motion>();
      DecodeMotionRecord(record, *motion);
      if (motion->spriteIndex < -1) return ReadResult::Damaged(FilePart::Motion, at, i, motionCount);
      bundle->select(bundle->count());
      bundle->insertBeforeCurrent(std::move(motion));
    }
    bundle->select(0);
    MotionBundle* kept = bundle.get();
    if (fresh.append(std::move(bundle))) {
      for (const auto& motion : kept->items()) motions.push_back(motion.get());
    }
  }

  const int64_t spritesStart = static_cast<int64_t>(reader.pos());
  SpriteIndexMap map;
  ReadResult sprites = ReadSpritesWithReason(fresh.sprites, in, true, &map);
  // The section's own magic and header are told as the section's.
  if (sprites.problem == ReadProblem::NotThisKind)
    return ReadResult::Damaged(FilePart::SpriteSection, spritesStart);
  if (sprites.part == FilePart::Header) sprites.part = FilePart::SpriteSection;
  if (!sprites) return sprites.shifted(spritesStart);
  for (Motion* motion : motions) {
    // Files from elsewhere may refer past their sprites: such a motion has no picture.
    const bool known = motion->spriteIndex >= 0 && motion->spriteIndex < static_cast<int64_t>(map.size());
    motion->sprite = known ? fresh.sprites.Get(map[static_cast<size_t>(motion->spriteIndex)]) : nullptr;
    motion->spriteIndex = motion->sprite ? map[static_cast<size_t>(motion->spriteIndex)] : -1;
  }
  fresh.sprites.SetCurrent(0);
  fresh.select(0);
  doc = std::move(fresh);
  return ReadResult::Ok();
}

int ReadMotionFile(MotionFile& doc, std::istream& in) {
  return ReadMotionFileWithReason(doc, in) ? 1 : 0;
}

int ReadMotionFileFromMemory(MotionFile& doc, const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size), std::ios::binary);
  return ReadMotionFile(doc, in);
}

int WriteMotionFile(const MotionFile& doc, std::ostream& out) {
  int64_t motionPart = MotionPartSize(doc);
  int64_t spritePart = SpriteFileLength(doc.sprites);
  if (motionPart + spritePart > INT32_MAX) return 0;

  // One pass over the set gives every sprite its position; looking each motion's
  // sprite up in it keeps the save linear.
  std::unordered_map<const Sprite*, int32_t> position;
  position.reserve(static_cast<size_t>(doc.sprites.Count()));
  for (int32_t i = 0; i < doc.sprites.Count(); ++i) position.emplace(doc.sprites.Get(i), i);

  std::vector<uint8_t> bytes(static_cast<size_t>(motionPart));
  uint8_t* p = bytes.data();
  std::memcpy(p, kMagic, 4);
  p += 4;
  Store(p, kMotionFileVersion);
  for (int i = 0; i < 4; ++i) Store(p, 0);
  Store(p, doc.count());
  Store(p, static_cast<int32_t>(motionPart + spritePart));
  int32_t offset = 0;
  for (const auto& bundle : doc.bundles()) {
    Store(p, offset);
    offset += kBundleRecordHeaderSize + kMotionRecordSize * bundle->count();
  }
  for (const auto& bundle : doc.bundles()) {
    std::memcpy(p, bundle->name.bytes.data(), kNameFieldSize);
    p += kNameFieldSize;
    Store(p, bundle->count());
    for (const auto& motion : bundle->items()) {
      // The record carries the sprite's position now; the motion itself is not touched.
      auto found = motion->sprite ? position.find(motion->sprite) : position.end();
      EncodeMotionRecord(*motion, p);
      Store(p, found != position.end() ? found->second : -1);
      p += kMotionRecordSize - 4;
    }
  }
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  if (doc.sprites.Count() > 0) {
    if (!WriteSprites(doc.sprites, out)) return 0;
  } else {
    // The sprite file writer refuses an empty set; the section is still needed so the
    // file matches its size and reads back.
    out.write(kSpriteMagic, 4);
    WriteS32(out, kSpriteFileVersion);
    for (int i = 0; i < 5; ++i) WriteS32(out, 0);
    WriteS32(out, 0);
    WriteS32(out, kSpriteFileHeaderSize);
  }
  return out.good() ? 1 : 0;
}

std::vector<uint8_t> MotionFileBytes(const MotionFile& doc) {
  std::ostringstream out(std::ios::binary);
  if (!WriteMotionFile(doc, out)) return {};
  std::string s = out.str();
  return std::vector<uint8_t>(s.begin(), s.end());
}
