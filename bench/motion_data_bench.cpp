// Motion data for other programs: a 60-motion bundle of 200 x 200 sprites as a GIF,
// and the JSON export and import of a 200 bundle x 200 motion file (the motion
// benchmark's document: 5,000 sprites of 16-32 x 20-32 pixels).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "motion/motion_file_io.h"
#include "motion/motion_gif.h"
#include "motion/motion_json.h"
#include "sprites/sprite.h"

namespace {

PaletteBlock DefaultPalette() {
  PaletteBlock block;
  std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
  BuildMixTable(block);
  return block;
}

std::vector<uint8_t> ManyMotionsFile() {
  MotionFile file;
  for (int i = 0; i < 5000; ++i) {
    const int w = 16 + i % 17, h = 20 + i % 13;
    std::vector<uint8_t> pixels(static_cast<size_t>(w * h));
    for (size_t p = 0; p < pixels.size(); ++p) pixels[p] = static_cast<uint8_t>((i * 31 + p) % 251 + 1);
    pixels[0] = static_cast<uint8_t>(i);
    pixels[1] = static_cast<uint8_t>(i >> 8);
    file.sprites.Append(std::make_unique<Sprite>(w, h, std::move(pixels)));
  }
  for (int b = 0; b < 200; ++b) {
    file.append(std::make_unique<MotionBundle>("bundle " + std::to_string(b)));
    for (int m = 0; m < 200; ++m) {
      auto motion = std::make_unique<Motion>();
      motion->relX = m;
      motion->relY = -b;
      motion->boxes[0] = MotionBox{0, 0, 10, 10};
      motion->points[1] = MotionPoint{3, -4};
      motion->flags[3] = b * m;
      motion->sprite = file.sprites.Get((b * 200 + m) % 5000);
      file.current()->select(m);
      file.current()->insertBeforeCurrent(std::move(motion));
    }
  }
  return MotionFileBytes(file);
}

void BM_GifOf60MotionsOf200x200Sprites(benchmark::State& state) {
  MotionBundle bundle("walk");
  std::vector<std::unique_ptr<Sprite>> sprites;
  for (int i = 0; i < 60; ++i) {
    std::vector<uint8_t> px(200 * 200);
    for (size_t p = 0; p < px.size(); ++p) {
      const int x = int(p % 200), y = int(p / 200);
      const int dx = x - 100, dy = y - 100;
      px[p] = dx * dx + dy * dy < 90 * 90 ? uint8_t(16 + (x / 8 + y / 8 + i) % 64) : 0;  // a disc with tiles
    }
    sprites.push_back(std::make_unique<Sprite>(200, 200, std::move(px)));
    auto m = std::make_unique<Motion>();
    m->relX = -100 + i % 7;
    m->relY = -200 + i % 5;
    m->effects = i % 4 == 3 ? MotionEffect::Translucent : i % 2;
    m->sprite = sprites.back().get();
    bundle.select(i);
    bundle.insertBeforeCurrent(std::move(m));
  }
  const PaletteBlock palette = DefaultPalette();
  size_t bytes = 0;
  for (auto _ : state) {
    GifOut movie;
    std::string reason;
    if (!MakeMotionGif(bundle, palette, MotionGifOptions(), movie, reason))
      state.SkipWithError(reason.c_str());
    bytes = EncodeGif(movie).size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["gif_kB"] = double(bytes) / 1e3;
}

void BM_JsonExportOf200x200Motions(benchmark::State& state) {
  const std::vector<uint8_t> zrv = ManyMotionsFile();
  const PaletteBlock palette = DefaultPalette();
  size_t bytes = 0;
  for (auto _ : state) {
    StoredMotionFile file;
    std::string reason;
    MotionJsonExport out;
    if (!ReadStoredMotionFile(zrv.data(), zrv.size(), file, reason) ||
        !ExportMotionJson(file, palette, "atlas.png", out, reason))
      state.SkipWithError(reason.c_str());
    bytes = out.json.size() + out.png.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["out_MB"] = double(bytes) / 1e6;
}

void BM_JsonImportOf200x200Motions(benchmark::State& state) {
  const std::vector<uint8_t> zrv = ManyMotionsFile();
  const PaletteBlock palette = DefaultPalette();
  StoredMotionFile file;
  std::string reason;
  MotionJsonExport out;
  ReadStoredMotionFile(zrv.data(), zrv.size(), file, reason);
  ExportMotionJson(file, palette, "atlas.png", out, reason);
  const ImageLoader load = [&](const std::string&, std::vector<uint8_t>& png) {
    png = out.png;
    return true;
  };
  for (auto _ : state) {
    std::vector<uint8_t> back;
    if (!ImportMotionJson(out.json, load, palette, back, reason)) state.SkipWithError(reason.c_str());
    if (back != zrv) state.SkipWithError("the round trip changed the file");
    benchmark::DoNotOptimize(back);
  }
}

}  // namespace

BENCHMARK(BM_GifOf60MotionsOf200x200Sprites)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JsonExportOf200x200Motions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JsonImportOf200x200Motions)->Unit(benchmark::kMillisecond);
