// Picture import and batch cutting: the 500-frame FLC load (each frame decoded once)
// and "plyktool cut" on a 4096 x 4096 sheet of about 10,000 figures.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "cutter/batch_cut.h"
#include "cutter/flc_decoder.h"
#include "cutter/picture.h"
#include "flc500.h"
#include "picture_writers.h"

using namespace testpic;

namespace {

const Bytes& Flc500() {
  static const Bytes file = Flc500Frames();
  return file;
}

// A 4096 x 4096 sheet on background 0 with 100 x 100 figures of assorted shapes, one
// per 40 x 40 cell.
const PictureFrame& Sheet() {
  static const PictureFrame frame = [] {
    Bytes pixels(size_t(4096) * 4096, 0);
    uint32_t s = 99;
    for (int cy = 0; cy < 100; ++cy)
      for (int cx = 0; cx < 100; ++cx) {
        s = s * 1664525u + 1013904223u;
        const int fw = 8 + (s >> 8) % 28, fh = 8 + (s >> 16) % 28;
        const uint8_t colour = static_cast<uint8_t>(1 + (s >> 24) % 200);
        for (int y = 0; y < fh; ++y)
          for (int x = 0; x < fw; ++x) {
            // A diamond-ish blob: a figure, not a filled box.
            if (std::abs(x - fw / 2) * fh + std::abs(y - fh / 2) * fw > fw * fh / 2 + 4) continue;
            pixels[size_t(cy * 40 + 2 + y) * 4096 + cx * 40 + 2 + x] =
                static_cast<uint8_t>(colour + (x + y) % 3);
          }
      }
    return PictureFrame{4096, 4096, std::move(pixels)};
  }();
  return frame;
}

void BM_LoadFlc500Frames(benchmark::State& state) {
  const Bytes& file = Flc500();
  for (auto _ : state) {
    Picture pic;
    bool ok = pic.loadFromMemory(file.data(), file.size());
    benchmark::DoNotOptimize(ok);
    if (pic.frameCount() != 500) state.SkipWithError("not 500 frames");
  }
  state.counters["frames"] = 500;
  state.counters["file_kb"] = double(file.size()) / 1024;
}
BENCHMARK(BM_LoadFlc500Frames)->Unit(benchmark::kMillisecond);

// The last frame alone from a fresh decoder: frames 0 to 499 replayed. Making every
// frame this way (frame i by replaying 0 to i) costs about 250 times this.
void BM_ReplayToLastFlcFrame(benchmark::State& state) {
  const Bytes& file = Flc500();
  Bytes frame(320 * 200);
  for (auto _ : state) {
    FlcDecoder decoder;
    decoder.probe(file.data(), file.size(), {});
    decoder.open(file.data(), file.size());
    decoder.decodeFrame(frame.data(), 499);
    benchmark::DoNotOptimize(frame.data());
  }
}
BENCHMARK(BM_ReplayToLastFlcFrame)->Unit(benchmark::kMillisecond);

void BM_FindAllFigures4096(benchmark::State& state) {
  CutSource source;
  source.setFrame(&Sheet());
  size_t found = 0;
  for (auto _ : state) {
    auto rects = findAllFigures(source);
    found = rects.size();
    benchmark::DoNotOptimize(rects.data());
  }
  state.counters["figures"] = double(found);
}
BENCHMARK(BM_FindAllFigures4096)->Unit(benchmark::kMillisecond);

// The whole batch cut: find the figures, make the sprites, drop duplicates.
void BM_BatchCut4096(benchmark::State& state) {
  CutSource source;
  source.setFrame(&Sheet());
  int32_t sprites = 0;
  for (auto _ : state) {
    SpriteSet set;
    DuplicateFreeAppender out(set);
    appendCutSprites(source, findAllFigures(source), out);
    sprites = set.Count();
    benchmark::DoNotOptimize(sprites);
  }
  state.counters["sprites"] = sprites;
}
BENCHMARK(BM_BatchCut4096)->Unit(benchmark::kMillisecond);

}  // namespace
