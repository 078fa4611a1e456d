// The mixing table built by the plain scan and by BuildMixTable, on the default
// palette and on a random one; the ratio of the two times is the speed-up.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "sprites/palette.h"
#include "support/palette_test_support.h"

namespace {

PaletteBlock BenchPalette(bool random) {
  PaletteBlock block;
  if (random) {
    std::mt19937 rng(1);
    for (size_t i = 0; i < kPaletteSize; ++i) block.bytes[i] = static_cast<uint8_t>(rng());
  } else {
    std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
  }
  return block;
}

void BM_MixTableScan(benchmark::State& state) {
  PaletteBlock block = BenchPalette(state.range(0) != 0);
  for (auto _ : state) {
    ReferenceMixTable(block);
    benchmark::DoNotOptimize(block.bytes.data());
    benchmark::ClobberMemory();
  }
}

void BM_BuildMixTable(benchmark::State& state) {
  PaletteBlock block = BenchPalette(state.range(0) != 0);
  for (auto _ : state) {
    BuildMixTable(block);
    benchmark::DoNotOptimize(block.bytes.data());
    benchmark::ClobberMemory();
  }
}

void BM_NearestColor(benchmark::State& state) {
  PaletteBlock block = BenchPalette(false);
  uint32_t colour = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(NearestColor(block, colour));
    colour = (colour + 0x010305) & 0xffffff;
  }
}

}  // namespace

// Argument 0: the default palette; 1: a random palette.
BENCHMARK(BM_MixTableScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildMixTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NearestColor)->Unit(benchmark::kMicrosecond);
