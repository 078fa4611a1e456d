// The motion editor's window paints: the whole canvas picture at 1024 x 768, and the
// motion and sprite windows at 640 x 480 over 500 and 5,000 items, whose cost must
// follow the visible cells only.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "motion/canvas_fixture.h"
#include "motion/editor/motion_window_editor.h"
#include "motion/editor/sprite_window_editor.h"

namespace {

// A round figure with a transparent surround, like a cut sprite.
std::unique_ptr<Sprite> Figure(int w, int h, int seed) {
  std::vector<uint8_t> px(static_cast<size_t>(w * h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int dx = 2 * x - w, dy = 2 * y - h;
      const bool inside = dx * dx * h * h + dy * dy * w * w < w * w * h * h;
      px[static_cast<size_t>(y * w + x)] = inside ? static_cast<uint8_t>(16 + (x + y + seed) % 200) : 0;
    }
  px[0] = static_cast<uint8_t>(seed);  // every sprite differs
  return std::make_unique<Sprite>(w, h, std::move(px));
}

void BM_CanvasPaint(benchmark::State& state) {
  CanvasFixture f(2);
  f.settings.baseX = 400;
  f.settings.baseY = 400;
  f.settings.infoX = 700;
  f.settings.infoY = 40;
  f.doc.file.sprites.Append(Figure(200, 200, 1));
  f.doc.file.sprites.Append(Figure(200, 200, 2));
  Motion& shadow = f.motion(0);
  Motion& current = f.motion(1);
  shadow.sprite = f.doc.file.sprites.Get(1);
  current.sprite = f.doc.file.sprites.Get(2);
  shadow.relX = shadow.relY = -120;
  current.relX = current.relY = -100;
  current.effects = MotionEffect::FlipLeftRight;
  current.sound.assign("attack.wav");
  for (int k = 0; k < kMotionBoxCount; ++k) {
    current.boxes[k] = {-90 + 10 * k, -90 + 12 * k, 40 + 8 * k, 60 + 5 * k};
    current.points[k] = {-50 + 20 * k, 30 - 9 * k};
  }
  f.bundle->select(0);
  f.doc.setShadow();
  f.bundle->select(1);
  f.canvas.resize(1024, 768);
  f.canvas.chooseTool(kToolDrag);
  f.click(400, 400);
  f.canvas.mouseMove(430, 410);  // dragging: a silhouette and the closed hand
  TestSurface s(1024, 768);
  for (auto _ : state) {
    s.dc->Begin();
    f.canvas.paint(*s.dc);
    benchmark::DoNotOptimize(s.surface.pixels());
  }
}
BENCHMARK(BM_CanvasPaint)->Unit(benchmark::kMicrosecond);

// Arguments: item count, 0 for the motion window or 1 for the sprite window.
void BM_ListWindowPaint(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const bool spriteWindow = state.range(1) != 0;
  FakeHost host;
  MotionDocument doc;
  ZorvSettings settings;
  MotionWindowEditor motions(doc, settings, host, host);
  SpriteWindowEditor sprites(doc, settings, host, host, host);
  for (int i = 0; i < count; ++i) {
    // Small sprites drawn as they are, large ones scaled into the cell.
    doc.file.sprites.Append(i % 3 ? Figure(40 + i % 17, 50, i) : Figure(120 + i % 31, 90, i));
  }
  doc.newBundle("walk");
  MotionBundle& bundle = *doc.file.current();
  for (int i = 0; i < count; ++i) {
    bundle.insertBeforeCurrent(MakeMotion(i, doc.file.sprites.Get(i)));
    if (i % 7 == 0) bundle.get(i)->sound.assign("step.wav");
  }
  bundle.select(count / 2);
  bundle.insertBeforeCurrent(std::make_unique<Motion>(*bundle.current()));
  doc.mark(ClipboardMode::Cut);
  doc.setShadow();
  doc.file.sprites.SetCurrent(count / 2);
  motions.resize(640, 480);
  sprites.resize(640, 480);
  TestSurface s(640, 480);
  for (auto _ : state) {
    s.dc->Begin();
    if (spriteWindow) {
      sprites.paint(*s.dc);
    } else {
      motions.paint(*s.dc);
    }
    benchmark::DoNotOptimize(s.surface.pixels());
  }
}
BENCHMARK(BM_ListWindowPaint)
    ->ArgsProduct({{500, 5000}, {0, 1}})
    ->ArgNames({"items", "sprite_window"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
