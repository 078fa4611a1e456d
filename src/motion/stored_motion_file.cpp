#include "motion/stored_motion_file.h"

#include <cstring>

#include "base/byte_reader.h"
#include "motion/motion_file_io.h"
#include "sprites/sprite.h"
#include "sprites/sprite_file.h"

namespace {

bool Fail(std::string& reason, const std::string& text) {
  reason = text;
  return false;
}

}  // namespace

int32_t StoredMotionFile::computedFileSize() const {
  uint32_t size = kMotionFileHeaderSize + 4 * uint32_t(bundles.size());
  for (const StoredBundle& b : bundles)
    size += kBundleRecordHeaderSize + kMotionRecordSize * uint32_t(b.motions.size());
  return static_cast<int32_t>(size + static_cast<uint32_t>(computedSpriteTotalLength()));
}

std::vector<int32_t> StoredMotionFile::computedBundleOffsets() const {
  std::vector<int32_t> offsets;
  uint32_t at = 0;
  for (const StoredBundle& b : bundles) {
    offsets.push_back(static_cast<int32_t>(at));
    at += kBundleRecordHeaderSize + kMotionRecordSize * uint32_t(b.motions.size());
  }
  return offsets;
}

int32_t StoredMotionFile::computedSpriteTotalLength() const {
  uint32_t size = kSpriteFileHeaderSize + 4 * uint32_t(sprites.Count());
  for (int32_t i = 0; i < sprites.Count(); ++i) size += 12 + uint32_t(sprites.Get(i)->count);
  return static_cast<int32_t>(size);
}

std::vector<int32_t> StoredMotionFile::computedSpriteOffsets() const {
  std::vector<int32_t> offsets;
  uint32_t at = 0;
  for (int32_t i = 0; i < sprites.Count(); ++i) {
    offsets.push_back(static_cast<int32_t>(at));
    at += uint32_t(sprites.Get(i)->count) + 24;
  }
  return offsets;
}

void StoredMotionFile::recompute() {
  fileSize = computedFileSize();
  bundleOffsets = computedBundleOffsets();
  spriteTotalLength = computedSpriteTotalLength();
  spriteOffsets = computedSpriteOffsets();
}

bool ReadStoredMotionFile(const uint8_t* data, size_t size, StoredMotionFile& out, std::string& reason) {
  ByteReader in(data, size);
  StoredMotionFile file;
  char magic[4] = {};
  in.bytes(magic, 4);
  if (!in.ok() || std::memcmp(magic, "ZORV", 4) != 0) return Fail(reason, "not a motion file");
  const int32_t version = in.s32();
  if (version != kMotionFileVersion)
    return Fail(reason, "motion file version " + std::to_string(version) + " is not supported");
  in.bytes(file.headerReserved.data(), file.headerReserved.size());
  const int32_t bundleCount = in.s32();
  file.fileSize = in.s32();
  if (!in.ok() || bundleCount < 0 || size_t(bundleCount) > in.remaining() / 4)
    return Fail(reason, "damaged header");
  file.bundleOffsets.resize(size_t(bundleCount));
  for (int32_t& offset : file.bundleOffsets) offset = in.s32();
  file.bundles.reserve(size_t(bundleCount));
  uint8_t record[kMotionRecordSize];
  for (int32_t b = 0; b < bundleCount; ++b) {
    StoredBundle bundle;
    in.bytes(bundle.name.bytes.data(), kNameFieldSize);
    const int32_t motionCount = in.s32();
    if (!in.ok() || motionCount < 0 || size_t(motionCount) > in.remaining() / kMotionRecordSize)
      return Fail(reason, "bundle " + std::to_string(b) + " is cut short");
    bundle.motions.resize(size_t(motionCount));
    for (Motion& m : bundle.motions) {
      in.bytes(record, sizeof record);
      DecodeMotionRecord(record, m);
    }
    file.bundles.push_back(std::move(bundle));
  }

  const size_t spriteAt = in.pos();
  in.bytes(magic, 4);
  if (!in.ok() || std::memcmp(magic, "PLYK", 4) != 0)
    return Fail(reason, "no sprite section at byte " + std::to_string(spriteAt));
  file.spriteVersion = in.s32();
  in.bytes(file.spriteReserved.data(), file.spriteReserved.size());
  const int32_t spriteCount = in.s32();
  file.spriteTotalLength = in.s32();
  if (!in.ok() || spriteCount < 0 || size_t(spriteCount) > in.remaining() / 4)
    return Fail(reason, "damaged sprite section header");
  file.spriteOffsets.resize(size_t(spriteCount));
  for (int32_t& offset : file.spriteOffsets) offset = in.s32();
  for (int32_t i = 0; i < spriteCount; ++i) {
    const int32_t count = in.s32(), width = in.s32(), height = in.s32();
    if (!in.ok() || width < 0 || height < 0 || int64_t(width) * height != count ||
        size_t(count) > in.remaining())
      return Fail(reason, "sprite " + std::to_string(i) + " is damaged");
    std::vector<uint8_t> pixels(static_cast<size_t>(count));
    in.bytes(pixels.data(), pixels.size());
    file.sprites.Append(std::make_unique<Sprite>(width, height, std::move(pixels)));
  }
  file.trailing.assign(data + in.pos(), data + size);
  out = std::move(file);
  return true;
}

std::vector<uint8_t> StoredMotionFileBytes(const StoredMotionFile& file) {
  std::vector<uint8_t> out;
  out.insert(out.end(), {'Z', 'O', 'R', 'V'});
  PutS32(out, kMotionFileVersion);
  out.insert(out.end(), file.headerReserved.begin(), file.headerReserved.end());
  PutS32(out, static_cast<int32_t>(file.bundles.size()));
  PutS32(out, file.fileSize);
  for (size_t b = 0; b < file.bundles.size(); ++b)
    PutS32(out, b < file.bundleOffsets.size() ? file.bundleOffsets[b] : 0);
  uint8_t record[kMotionRecordSize];
  for (const StoredBundle& bundle : file.bundles) {
    out.insert(out.end(), bundle.name.bytes.begin(), bundle.name.bytes.end());
    PutS32(out, static_cast<int32_t>(bundle.motions.size()));
    for (const Motion& m : bundle.motions) {
      EncodeMotionRecord(m, record);
      out.insert(out.end(), record, record + sizeof record);
    }
  }
  out.insert(out.end(), {'P', 'L', 'Y', 'K'});
  PutS32(out, file.spriteVersion);
  out.insert(out.end(), file.spriteReserved.begin(), file.spriteReserved.end());
  PutS32(out, file.sprites.Count());
  PutS32(out, file.spriteTotalLength);
  for (int32_t i = 0; i < file.sprites.Count(); ++i)
    PutS32(out, size_t(i) < file.spriteOffsets.size() ? file.spriteOffsets[size_t(i)] : 0);
  for (int32_t i = 0; i < file.sprites.Count(); ++i) {
    const Sprite& s = *file.sprites.Get(i);
    PutS32(out, s.count);
    PutS32(out, s.width);
    PutS32(out, s.height);
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  }
  out.insert(out.end(), file.trailing.begin(), file.trailing.end());
  return out;
}
