#pragma once
// The sprite file (.plk): a 36-byte header ("PLYK", version 100, five zero words,
// count, total length), an offset table of count words, then one record per sprite
// (pixel count, width, height, pixels). All integers 32-bit little-endian.
// The same layout sits inside motion files and the built-in pointer resources.
//
// Readers treat the data as hostile. A damaged file (short data, a negative pixel
// count, a pixel count that disagrees with width * height or reaches past the data)
// makes the read fail with its reason; the complete sprites read before the damage
// stay in the set, and no half-read sprite is ever added. Stream and memory go through
// one parser. Offsets in a reason count from where the read began.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <vector>

#include "base/read_result.h"
#include "sprites/sprite_set.h"

constexpr int32_t kSpriteFileHeaderSize = 36;
constexpr int32_t kSpriteFileVersion = 100;

// For each record of the file in order, the index in the set of the sprite it became,
// or of the equal sprite that was already there when it was skipped as a duplicate.
using SpriteIndexMap = std::vector<int32_t>;

// Appends the sprites of a sprite file read from the stream's current position.
ReadResult ReadSpritesWithReason(SpriteSet& set, std::istream& in, bool skipDuplicates,
                                 SpriteIndexMap* map = nullptr);
// The same from a block of memory holding a whole sprite file.
ReadResult ReadSpritesWithReason(SpriteSet& set, const uint8_t* data, size_t size, bool skipDuplicates,
                                 SpriteIndexMap* map = nullptr);
// Clear the set, read with duplicates skipped, then SetCurrent(0). The set is
// emptied even when the data is not a sprite file.
ReadResult LoadSpritesWithReason(SpriteSet& set, std::istream& in);
ReadResult LoadSpritesWithReason(SpriteSet& set, const uint8_t* data, size_t size);

// The same answering 1 or 0.
int ReadSprites(SpriteSet& set, std::istream& in, bool skipDuplicates, SpriteIndexMap* map = nullptr);
int ReadSpritesFromMemory(SpriteSet& set, const uint8_t* data, size_t size, bool skipDuplicates,
                          SpriteIndexMap* map = nullptr);
int LoadSprites(SpriteSet& set, std::istream& in);
int LoadSpritesFromMemory(SpriteSet& set, const uint8_t* data, size_t size);

// Writes the set at the stream's current position, each record with its pixel count
// as width * height (the set itself is not touched). Returns 0 for an empty set
// (nothing written) and when the stream reports a write error.
int WriteSprites(const SpriteSet& set, std::ostream& out);
// The same into memory: the bytes WriteSprites would write.
std::vector<uint8_t> SpriteFileBytes(const SpriteSet& set);
// The length of that file: 36 + 4 * count + the sum of 12 + width * height.
int64_t SpriteFileLength(const SpriteSet& set);
