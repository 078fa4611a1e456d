#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "palette_test_support.h"
#include "sprites/palette.h"

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
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      if (fast.mix(a, b) != slow.mix(a, b) && ++differences <= 5) {
        ADD_FAILURE() << what << ": [" << a << "][" << b << "] is " << int(fast.mix(a, b))
                      << ", the scan gives " << int(slow.mix(a, b));
      }
    }
  }
  EXPECT_EQ(differences, 0) << what;
  EXPECT_TRUE(std::equal(fast.bytes.begin(), fast.bytes.begin() + kPaletteSize, palette.bytes.begin()))
      << what << ": the colours were changed";
}

PaletteBlock RandomPalette(std::mt19937& rng, int levels, int distinct) {
  // distinct colours of `levels` values per channel, spread over the 256 entries.
  std::vector<std::array<int, 3>> colours(distinct);
  for (auto& c : colours) {
    for (int& x : c) x = static_cast<int>(rng() % levels) * 255 / std::max(1, levels - 1);
  }
  PaletteBlock block;
  for (int k = 0; k < 256; ++k) {
    const auto& c = colours[rng() % distinct];
    SetEntry(block, k, c[0], c[1], c[2]);
  }
  return block;
}

TEST(MixTable, DefaultPaletteMatchesTheScan) {
  ExpectSameAsReference(DefaultBlock(), "default palette");
}

TEST(MixTable, RandomPalettesMatchTheScan) {
  std::mt19937 rng(2026);
  for (int round = 0; round < 4; ++round) {
    PaletteBlock block;
    for (size_t i = 0; i < kPaletteSize; ++i) block.bytes[i] = static_cast<uint8_t>(rng());
    ExpectSameAsReference(block, "random palette");
  }
}

TEST(MixTable, PalettesWithManyEqualColoursMatchTheScan) {
  std::mt19937 rng(77);
  ExpectSameAsReference(RandomPalette(rng, 256, 3), "three colours");
  ExpectSameAsReference(RandomPalette(rng, 256, 20), "twenty colours");
  ExpectSameAsReference(RandomPalette(rng, 2, 8), "corners of the cube");
  ExpectSameAsReference(RandomPalette(rng, 4, 64), "four levels");
}

TEST(MixTable, SmallValueRangesMatchTheScan) {
  // Neighbouring values make many exact ties between distances.
  std::mt19937 rng(5);
  PaletteBlock tiny;
  for (size_t i = 0; i < kPaletteSize; ++i) tiny.bytes[i] = static_cast<uint8_t>(rng() % 4);
  ExpectSameAsReference(tiny, "values 0-3");
  PaletteBlock greys;
  for (int k = 0; k < 256; ++k) {
    int v = static_cast<int>(rng() % 8) + 100;
    SetEntry(greys, k, v, v + static_cast<int>(rng() % 2), v);
  }
  ExpectSameAsReference(greys, "near greys");
  PaletteBlock ramp;
  for (int k = 0; k < 256; ++k) SetEntry(ramp, k, k, 255 - k, k / 2);
  ExpectSameAsReference(ramp, "ramp");
}

TEST(MixTable, EveryCountOfDistinctColoursMatchesTheScan) {
  // The searches run over the distinct colours, in pairs of neighbouring targets
  // with one left over when a row's count is odd; a coarse lattice makes many
  // different colours tie at the same distance, and the first copy of each colour
  // sits at a random index.
  std::mt19937 rng(31);
  for (int distinct = 1; distinct <= 40; ++distinct) {
    ExpectSameAsReference(RandomPalette(rng, 3 + distinct % 3, distinct), "lattice colours");
  }
}

TEST(MixTable, AllZeroPaletteMapsEverythingToZero) {
  PaletteBlock block;
  std::fill(block.mixTable(), block.mixTable() + kMixTableSize, uint8_t{7});
  BuildMixTable(block);
  EXPECT_TRUE(
      std::all_of(block.mixTable(), block.mixTable() + kMixTableSize, [](uint8_t x) { return x == 0; }));
  ExpectSameAsReference(PaletteBlock{}, "all zero");
}

TEST(MixTable, SymmetricAndEqualColoursMixToTheirFirstIndex) {
  std::mt19937 rng(11);
  PaletteBlock block = RandomPalette(rng, 6, 40);
  BuildMixTable(block);
  const uint8_t* p = block.palette();
  for (int a = 0; a < 256; ++a) {
    int first = 0;
    while (p[first * 3] != p[a * 3] || p[first * 3 + 1] != p[a * 3 + 1] || p[first * 3 + 2] != p[a * 3 + 2])
      ++first;
    EXPECT_EQ(block.mix(a, a), first) << a;
    for (int b = 0; b < 256; ++b) ASSERT_EQ(block.mix(a, b), block.mix(b, a)) << a << "," << b;
  }
}

TEST(MixTable, WhiteTwiceMixesToTheFirstWhite) {
  PaletteBlock block = DefaultBlock();
  for (int k = 0; k < 256; ++k) SetEntry(block, k, k / 2, 40, 255 - k);
  SetEntry(block, 3, 255, 255, 255);
  SetEntry(block, 200, 255, 255, 255);
  BuildMixTable(block);
  EXPECT_EQ(block.mix(200, 200), 3);
  EXPECT_EQ(block.mix(3, 200), 3);
  EXPECT_EQ(block.mix(200, 3), 3);
}

TEST(MixTable, DefaultBlockMixesAsExpected) {
  PaletteBlock block = DefaultBlock();
  BuildMixTable(block);
  EXPECT_EQ(block.mix(255, 255), 15);  // the first white
  EXPECT_EQ(block.mix(31, 31), 0);     // the first black
  EXPECT_EQ(block.mix(0, 15), block.mix(15, 0));
}

#ifdef PLYK_PALETTE_BLOCK
// The file that the programs embed as their default palette.
TEST(MixTable, GeneratedDefaultBlockIsTheColoursAndTheScannedTable) {
  std::ifstream in(PLYK_PALETTE_BLOCK, std::ios::binary);
#ifdef _WIN32
  if (!in) GTEST_SKIP() << "the generated block is not reachable from here";
#endif
  ASSERT_TRUE(in) << PLYK_PALETTE_BLOCK;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), kPaletteBlockSize);
  EXPECT_TRUE(std::equal(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), bytes.begin()));
  PaletteBlock reference = DefaultBlock();
  ReferenceMixTable(reference);
  EXPECT_TRUE(std::equal(reference.bytes.begin(), reference.bytes.end(), bytes.begin()));
}
#endif

}  // namespace
