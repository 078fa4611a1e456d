// Reading sprite files with duplicate skipping: the cost per sprite must stay flat
// as the file grows (linear, not quadratic).
#include <benchmark/benchmark.h>

#include "sprites/sprite_file.h"

namespace {

std::vector<uint8_t> DistinctSpriteFile(int n) {
  SpriteSet set;
  for (int i = 0; i < n; ++i) {
    std::vector<uint8_t> px(16 * 12, 1);
    // Every sprite differs in a few pixels only, so equal-size comparisons are real work.
    px[0] = uint8_t(i), px[1] = uint8_t(i >> 8), px[2] = uint8_t(i >> 16);
    set.Append(std::make_unique<Sprite>(16, 12, std::move(px)));
  }
  return SpriteFileBytes(set);
}

void BM_ReadDistinctSprites(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::vector<uint8_t> file = DistinctSpriteFile(n);
  for (auto _ : state) {
    SpriteSet set;
    int ok = LoadSpritesFromMemory(set, file.data(), file.size());
    benchmark::DoNotOptimize(ok);
    if (set.Count() != n) state.SkipWithError("sprites lost");
  }
  state.SetComplexityN(n);
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ReadDistinctSprites)->Arg(5000)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
