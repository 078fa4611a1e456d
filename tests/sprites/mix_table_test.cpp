#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "sprites/palette.h"
#include "support/palette_test_support.h"
#include "support/scratch_folder.h"

namespace {

// Builds the table both ways over garbage in the table part and compares all of it.
void ExpectSameAsReference(const PaletteBlock& palette, const char* what) {
  PaletteBlock fast = palette;
  PaletteBlock slow = palette;
  std::fill(fast.mixTable(), fast.mixTable() + kMixTableSize, uint8_t{0xa5});
  std::fill(slow.mixTable(), slow.mixTable() + kMixTableSize, uint8_t{0x5a});
  BuildMixTable(fast);
  ReferenceMixTable(slow);
  int differences = 0;
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b)
      if (fast.mix(a, b) != slow.mix(a, b) && ++differences <= 5)
        ADD_FAILURE() << what << ": [" << a << "][" << b << "] is " << int(fast.mix(a, b))
                      << ", the scan gives " << int(slow.mix(a, b));
  EXPECT_EQ(differences, 0) << what;
  EXPECT_TRUE(std::equal(fast.bytes.begin(), fast.bytes.begin() + kPaletteSize, palette.bytes.begin()))
      << what << ": the colours were changed";
}

PaletteBlock RandomPalette(std::mt19937& rng, int levels, int distinct) {
  // distinct colours of `levels` values per channel, spread over the 256 entries.
  std::vector<std::array<int, 3>> colours(distinct);
  for (auto& c : colours)
    for (int& x : c) x = static_cast<int>(rng() % levels) * 255 / std::max(1, levels - 1);
  PaletteBlock block;
  for (int k = 0; k < 256; ++k) {
    const auto& c = colours[rng() % distinct];
    SetEntry(block, k, c[0], c[1], c[2]);
  }
  return block;
}

// Random colours, palettes of few colours repeated at random indices, neighbouring
// values with many exact ties between distances, and every count of distinct colours
// (the searches run over them in pairs, with one left over when a row's count is odd).
TEST(MixTable, MatchesTheScanOnVariedPalettes) {
  std::mt19937 rng(2026);
  std::vector<std::pair<std::string, PaletteBlock>> palettes = {{"default", DefaultBlock()},
                                                                {"all zero", PaletteBlock{}}};
  for (int round = 0; round < 4; ++round) {
    PaletteBlock block;
    for (size_t i = 0; i < kPaletteSize; ++i) block.bytes[i] = static_cast<uint8_t>(rng());
    palettes.emplace_back("random", block);
  }
  palettes.emplace_back("three colours", RandomPalette(rng, 256, 3));
  palettes.emplace_back("twenty colours", RandomPalette(rng, 256, 20));
  palettes.emplace_back("corners of the cube", RandomPalette(rng, 2, 8));
  palettes.emplace_back("four levels", RandomPalette(rng, 4, 64));
  PaletteBlock tiny, greys, ramp;
  for (size_t i = 0; i < kPaletteSize; ++i) tiny.bytes[i] = static_cast<uint8_t>(rng() % 4);
  for (int k = 0; k < 256; ++k) {
    const int v = static_cast<int>(rng() % 8) + 100;
    SetEntry(greys, k, v, v + static_cast<int>(rng() % 2), v);
    SetEntry(ramp, k, k, 255 - k, k / 2);
  }
  palettes.insert(palettes.end(), {{"values 0-3", tiny}, {"near greys", greys}, {"ramp", ramp}});
  for (int distinct = 1; distinct <= 40; ++distinct)
    palettes.emplace_back("lattice of " + std::to_string(distinct),
                          RandomPalette(rng, 3 + distinct % 3, distinct));
  for (const auto& [name, block] : palettes) ExpectSameAsReference(block, name.c_str());
}

#ifdef PLYK_PALETTE_BLOCK
// The file that the programs embed as their default palette.
TEST(MixTable, GeneratedDefaultBlockIsTheColoursAndTheScannedTable) {
  const std::vector<uint8_t> bytes = FileBytes(PLYK_PALETTE_BLOCK);
#ifdef _WIN32
  if (bytes.empty()) GTEST_SKIP() << "the generated block is not reachable from here";
#endif
  ASSERT_EQ(bytes.size(), kPaletteBlockSize) << PLYK_PALETTE_BLOCK;
  EXPECT_TRUE(std::equal(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), bytes.begin()));
  PaletteBlock reference = DefaultBlock();
  ReferenceMixTable(reference);
  EXPECT_TRUE(std::equal(reference.bytes.begin(), reference.bytes.end(), bytes.begin()));
}
#endif

}  // namespace
