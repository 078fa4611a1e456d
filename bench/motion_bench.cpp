// Motion file save and load, sprite cleaning, and one undoable edit, on a large
// document: 200 bundles x 200 motions using 5,000 sprites.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "motion/motion_document.h"
#include "motion/motion_file_io.h"

namespace {

constexpr int kBundles = 200;
constexpr int kMotionsPerBundle = 200;
constexpr int kSprites = 5000;

// usedSprites: how many of the sprites the motions refer to (the rest are unused).
void BuildDocument(MotionFile& file, int usedSprites = kSprites, int bundles = kBundles) {
  for (int i = 0; i < kSprites; ++i) {
    int w = 16 + i % 17, h = 20 + i % 13;
    std::vector<uint8_t> pixels(static_cast<size_t>(w * h));
    for (size_t p = 0; p < pixels.size(); ++p) pixels[p] = static_cast<uint8_t>((i * 31 + p) % 251 + 1);
    // The first pixels carry the index so that every sprite differs.
    pixels[0] = static_cast<uint8_t>(i);
    pixels[1] = static_cast<uint8_t>(i >> 8);
    file.sprites.Append(std::make_unique<Sprite>(w, h, std::move(pixels)));
  }
  for (int b = 0; b < bundles; ++b) {
    file.append(std::make_unique<MotionBundle>("bundle " + std::to_string(b)));
    MotionBundle* bundle = file.current();
    for (int m = 0; m < kMotionsPerBundle; ++m) {
      auto motion = std::make_unique<Motion>();
      motion->relX = m;
      motion->relY = -b;
      motion->boxes[0] = MotionBox{0, 0, 10, 10};
      motion->flags[3] = b * m;
      // Used sprites are spread over the whole set so cleaning keeps every other one.
      int slot = (b * kMotionsPerBundle + m) % usedSprites;
      motion->sprite = file.sprites.Get(slot * (kSprites / usedSprites));
      bundle->select(bundle->count());
      bundle->insertBeforeCurrent(std::move(motion));
    }
  }
}

void BM_MotionFileSave(benchmark::State& state) {
  MotionFile file;
  BuildDocument(file);
  size_t bytes = 0;
  for (auto _ : state) {
    std::ostringstream out(std::ios::binary);
    if (!WriteMotionFile(file, out)) state.SkipWithError("write failed");
    bytes = out.str().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_MotionFileSave)->Unit(benchmark::kMillisecond);

void BM_MotionFileLoad(benchmark::State& state) {
  MotionFile file;
  BuildDocument(file);
  std::vector<uint8_t> bytes = MotionFileBytes(file);
  std::string text(bytes.begin(), bytes.end());
  for (auto _ : state) {
    state.PauseTiming();
    std::istringstream in(text, std::ios::binary);
    MotionFile loaded;
    state.ResumeTiming();
    if (!ReadMotionFile(loaded, in)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(loaded.count());
    state.PauseTiming();
    {
      MotionFile drop = std::move(loaded);  // freeing is not part of loading
    }
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_MotionFileLoad)->Unit(benchmark::kMillisecond);

// Argument: how many sprites the motions use; the others are removed.
void BM_MotionCleanSprites(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<MotionDocument>();
    BuildDocument(doc->file, static_cast<int>(state.range(0)));
    state.ResumeTiming();
    doc->cleanSprites();
    benchmark::DoNotOptimize(doc->file.sprites.Count());
    state.PauseTiming();
    if (doc->file.sprites.Count() != state.range(0)) state.SkipWithError("wrong sprite count");
    doc.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MotionCleanSprites)
    ->Arg(kSprites)
    ->Arg(kSprites / 2)
    ->Arg(kSprites / 10)
    ->Unit(benchmark::kMillisecond);

// One box edit, its undo and its redo (then undo again, so every round starts alike).
// Args: bundles in the document; whether the edit covers the whole bundle (select-all).
// The time and the step's bytes stay the same for 20 bundles and for 200: a step
// records what it changed, not the document.
void BM_BoxEditUndoRedo(benchmark::State& state) {
  MotionDocument doc;
  BuildDocument(doc.file, kSprites, static_cast<int>(state.range(0)));
  const bool all = state.range(1) != 0;
  doc.file.current()->select(kMotionsPerBundle / 2);
  int n = 0;
  for (auto _ : state) {
    ++n;
    doc.setBox(2, n % 50, 1, 60, 70, all);
    doc.undo();
    doc.redo();
    doc.undo();
  }
  doc.setBox(2, 1, 1, 60, 70, all);
  state.counters["step_bytes"] = static_cast<double>(doc.history.bytes());
}
BENCHMARK(BM_BoxEditUndoRedo)->Args({20, 0})->Args({200, 0})->Args({200, 1})->Unit(benchmark::kMicrosecond);

}  // namespace
