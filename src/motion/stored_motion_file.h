#pragma once
// A motion file exactly as it is stored, byte for byte: every header word, the offset
// tables, bundles with empty or repeated names, sprite indices past the sprites,
// duplicate sprites and bytes after the end are kept as they are, where the editor's
// reader drops or recomputes them. What the JSON export reads and the JSON import
// writes, so that a file survives the trip unchanged.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "motion/motion.h"
#include "sprites/sprite_set.h"

struct StoredBundle {
  FixedName name;
  std::vector<Motion> motions;  // sprite pointers unused: spriteIndex says it
};

struct StoredMotionFile {
  std::array<uint8_t, 16> headerReserved{};
  int32_t fileSize = 0;
  std::vector<int32_t> bundleOffsets;  // one per bundle
  std::vector<StoredBundle> bundles;
  int32_t spriteVersion = 100;
  std::array<uint8_t, 20> spriteReserved{};
  int32_t spriteTotalLength = 0;
  std::vector<int32_t> spriteOffsets;  // one per sprite
  SpriteSet sprites;                   // in file order, duplicates kept
  std::vector<uint8_t> trailing;       // bytes after the sprite section

  // The values our writer puts in the size words and offset tables.
  int32_t computedFileSize() const;
  std::vector<int32_t> computedBundleOffsets() const;
  int32_t computedSpriteTotalLength() const;
  std::vector<int32_t> computedSpriteOffsets() const;
  // Sets the size words and offset tables to those values.
  void recompute();
};

// False with a short English reason for anything that is not a whole motion file of
// version 100 (a short read, a negative count, a sprite record whose pixel count is
// not its width times its height).
bool ReadStoredMotionFile(const uint8_t* data, size_t size, StoredMotionFile& out, std::string& reason);
std::vector<uint8_t> StoredMotionFileBytes(const StoredMotionFile& file);
