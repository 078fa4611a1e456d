// A full repaint of a 1024 x 768 surface as the motion editor does it on every frame:
// clear, 50 sprites of 64 x 64 in mixed flips and translucency, 12 rectangle
// outlines, a translucent panel and 8 lines of text with Hangul.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "graphics/builtin_fonts.h"
#include "graphics/draw_context.h"
#include "graphics/surface.h"
#include "sprites/palette.h"
#include "sprites/sprite.h"

namespace {

struct Scene {
  Surface surface;
  std::unique_ptr<DrawContext> dc;
  std::vector<Sprite> sprites;

  Scene() {
    PaletteBlock block;
    std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
    BuildMixTable(block);
    SurfaceParams p;
    p.width = 1024;
    p.height = 768;
    surface.Create(p);
    surface.SetPalette(0, 256, block.bytes.data(), 1);
    dc = std::make_unique<DrawContext>(&surface);
    dc->setBackground(255);
    dc->SetFonts(&BuiltinAsciiFont(), &BuiltinHangulFont());
    // A figure with a transparent surround, like a cut sprite.
    for (int k = 0; k < 4; ++k) {
      std::vector<uint8_t> px(64 * 64);
      for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
          const int dx = x - 32, dy = y - 32;
          px[static_cast<size_t>(y * 64 + x)] =
              dx * dx + dy * dy < 900 ? static_cast<uint8_t>(32 + (x + y + k * 16) % 150) : 0;
        }
      sprites.emplace_back(64, 64, std::move(px));
    }
  }

  void repaint() {
    dc->Begin();
    for (int i = 0; i < 50; ++i) {
      const int x = (i * 97) % 980 - 10, y = (i * 61) % 730 - 10;
      const int flags = i % 8;  // every flip with and without translucency
      const int colour = i % 10 == 9 ? 20 : -1;
      dc->DrawSprite(x, y, &sprites[static_cast<size_t>(i % 4)], flags, colour);
    }
    for (int i = 0; i < 12; ++i)
      dc->DrawRect(20 + i * 70, 40 + i * 30, 120 + i * 70, 160 + i * 30, 224 + i, i % 2);
    dc->FillRect(8, 560, 420, 760, 28, 1);
    dc->setTextColour(0);
    for (int line = 0; line < 8; ++line) {
      dc->setTextFlags(line % 3 == 0 ? kTextOutline : 0);
      dc->setTextOutlineColour(255);
      dc->DrawText(12, 566 + line * 12, "동작 12/34  지연 3  효과 좌우반전 반투명  sound.wav");
    }
  }
};

void BM_FullRepaint(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    scene.repaint();
    benchmark::DoNotOptimize(scene.surface.pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

void BM_DrawSprite64(benchmark::State& state) {
  Scene scene;
  const int flags = static_cast<int>(state.range(0));
  for (auto _ : state) {
    scene.dc->DrawSprite(100, 100, &scene.sprites[0], flags, -1);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawSprite64)->Arg(0)->Arg(3)->Arg(4)->Arg(7);

}  // namespace
