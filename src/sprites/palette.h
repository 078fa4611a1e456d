#pragma once
// A 256-colour palette and its mixing table, travelling together as one block:
// 768 bytes of red, green, blue triples, then 256 x 256 palette indices where entry
// [a][b] is the colour that shows the half blend of colour a (already on the
// surface) with colour b (drawn over it). The PALETTE resource is a bare block; a
// palette file (.pal) is "PAL*" followed by the block.

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>

#include "base/read_result.h"

constexpr size_t kPaletteSize = 768;
constexpr size_t kMixTableSize = 65536;
constexpr size_t kPaletteBlockSize = kPaletteSize + kMixTableSize;  // 66,304
constexpr size_t kPaletteFileSize = 4 + kPaletteBlockSize;          // 66,308

struct PaletteBlock {
  std::array<uint8_t, kPaletteBlockSize> bytes{};  // all zero when created

  uint8_t* palette() { return bytes.data(); }
  const uint8_t* palette() const { return bytes.data(); }
  uint8_t* mixTable() { return bytes.data() + kPaletteSize; }
  const uint8_t* mixTable() const { return bytes.data() + kPaletteSize; }
  uint8_t mix(uint8_t below, uint8_t over) const { return mixTable()[below * 256 + over]; }
};

struct Hsv {
  uint8_t hue = 0;
  uint8_t saturation = 0;
  uint8_t value = 0;
};

// Reads "PAL*" and the block. A wrong magic or a short file fails with its reason
// and leaves the block unchanged.
ReadResult ReadPaletteFileWithReason(PaletteBlock& block, std::istream& in);
// The same answering 1 or 0.
int ReadPaletteFile(PaletteBlock& block, std::istream& in);
// Writes "PAL*" and the block; 0 when the stream reports a write error.
int WritePaletteFile(const PaletteBlock& block, std::ostream& out);

Hsv ToHsv(int red, int green, int blue);
// colour: red in the lowest byte, green in the next, blue in the third (COLORREF).
// The lowest index at the smallest distance wins.
uint8_t NearestColor(const PaletteBlock& block, uint32_t colour);
// Recomputes the mixing table from the palette.
void BuildMixTable(PaletteBlock& block);

// The built-in palette's 768 colour bytes (the table of the default palette).
extern const std::array<uint8_t, kPaletteSize> kDefaultPaletteColours;
// The built-in palette block: the default colours and their mixing table.
PaletteBlock BuiltinPaletteBlock();
