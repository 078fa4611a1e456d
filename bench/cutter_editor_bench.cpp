// The cutter's window painting: the canvas copies only the part of the frame its
// client area shows, so a 1024 x 768 view costs the same over a 4096 x 4096 frame as
// over a frame just larger than the view; the sprite window draws only its visible
// cells, so 10,000 sprites cost what 1,000 do. An undoable cut costs what the cut
// sprite costs, whatever the size of the set.
#include <benchmark/benchmark.h>

#include <memory>

#include "cutter/editor/frame_editor.h"
#include "cutter/pcx_writer.h"
#include "cutter/resource_ids.h"

namespace {

class QuietHost : public CutterHost {
 public:
  Answer askYesNoCancel(const std::string&) override { return Answer::Cancel; }
  bool askYesNo(const std::string&) override { return false; }
  void showError(const std::string&) override {}
  void showWarning(const std::string&) override {}
  bool chooseOpenFile(const FilterEntries&, ChosenFile&) override { return false; }
  bool chooseSaveFile(const FilterEntries&, ChosenFile&) override { return false; }
  void setBusy(bool) override {}
  void repaint(int) override {}
  bool runCutSizeDialog(CutSizeDialog&) override { return false; }
  bool runColourDialog(ColourDialog&) override { return false; }
  void showAbout() override {}
  bool openInBrowser(const std::string&) override { return false; }
  void showCanvas(bool) override {}
  void showDetailWindow(bool) override {}
  void placeCanvas(const CanvasPlacement&) override {}
  void usePalette(const PaletteBlock&) override {}
  void movePointer(int, int) override {}
  bool spriteWindowFocused() override { return false; }
  void focusSpriteWindow() override {}
  void showSpritePopup(int, int) override {}
  void closeFrame() override {}
};

struct Screen {
  Surface surface;
  std::unique_ptr<DrawContext> dc;
  Screen(int w, int h) {
    SurfaceParams p;
    p.width = w;
    p.height = h;
    surface.Create(p);
    surface.SetPalette(0, 256, BuiltinPaletteBlock().bytes.data(), 1);
    dc = std::make_unique<DrawContext>(&surface);
  }
};

// Canvas over a side x side frame at a zoom, scrolled to the middle, with the grid
// tool's outline under the mouse. Args: frame side, zoom.
void BM_CanvasPaint(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0)), zoom = static_cast<int>(state.range(1));
  QuietHost host;
  auto frame = std::make_unique<FrameEditor>(host, CutterSettings{}, BuiltinPaletteBlock());
  std::vector<uint8_t> pixels(size_t(side) * side);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7 % 251);
  const std::vector<uint8_t> pcx = EncodePcx(side, side, pixels.data(), BuiltinPaletteBlock().palette());
  CutterDocument& doc = frame->document();
  doc.picture.loadFromMemory(pcx.data(), pcx.size());
  doc.refreshCut();
  for (int z = 1; z < zoom; ++z) frame->command(ID_PLYK_ZOOM_IN);
  CanvasEditor& canvas = frame->canvas();
  canvas.relayout();
  canvas.resize(1024, 768);
  canvas.scroll(ScrollAxis::Horizontal, kScrollThumbTrack, side * zoom / 2);
  canvas.scroll(ScrollAxis::Vertical, kScrollThumbTrack, side * zoom / 2);
  frame->command(ID_PLYK_TOOL_GRID_CUT);
  canvas.mouseMove(500, 400);
  Screen screen(1024, 768);
  for (auto _ : state) {
    canvas.paint(*screen.dc);
    benchmark::ClobberMemory();
  }
  state.counters["visible_px"] = double(canvas.view().visibleWidth()) * canvas.view().visibleHeight();
}
BENCHMARK(BM_CanvasPaint)
    ->ArgNames({"frame", "zoom"})
    ->Args({4096, 1})
    ->Args({1100, 1})
    ->Args({4096, 4})
    ->Args({300, 4})
    ->Unit(benchmark::kMicrosecond);

// A 250 x 600 sprite window scrolled to the middle of n sprites of 20 x 20 to
// 100 x 100 pixels, with a held sprite in view. Arg: sprite count.
void BM_SpriteWindowPaint(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  QuietHost host;
  auto frame = std::make_unique<FrameEditor>(host, CutterSettings{}, BuiltinPaletteBlock());
  SpriteSet& set = frame->document().sprites;
  for (int i = 0; i < count; ++i) {
    const int w = 20 + i * 13 % 81, h = 20 + i * 29 % 81;
    set.Append(std::make_unique<Sprite>(
        w, h, std::vector<uint8_t>(size_t(w) * h, static_cast<uint8_t>(1 + i % 200))));
  }
  set.SetCurrent(count / 2);
  CutterSpriteWindowEditor& window = frame->spriteWindow();
  window.resize(250, 600);
  window.command(ID_PLYK_SPRITE_COPY);
  Screen screen(250, 600);
  for (auto _ : state) {
    window.paint(*screen.dc);
    benchmark::ClobberMemory();
  }
  const GridRange visible = window.grid().visibleItems(count);
  state.counters["cells_drawn"] = visible.end - visible.first;
}
BENCHMARK(BM_SpriteWindowPaint)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// One outward cut into a set of N sprites, its undo and its redo (then undo again, so
// every round starts alike). Arg: sprites in the set.
void BM_CutUndoRedo(benchmark::State& state) {
  QuietHost host;
  auto frame = std::make_unique<FrameEditor>(host, CutterSettings{}, BuiltinPaletteBlock());
  // A 40 x 40 figure of index 9 on a 64 x 64 picture of index 3.
  std::vector<uint8_t> pixels(64 * 64, 3);
  for (int y = 10; y < 50; ++y)
    for (int x = 10; x < 50; ++x) pixels[size_t(y) * 64 + x] = 9;
  const std::vector<uint8_t> pcx = EncodePcx(64, 64, pixels.data(), BuiltinPaletteBlock().palette());
  CutterDocument& doc = frame->document();
  doc.picture.loadFromMemory(pcx.data(), pcx.size());
  doc.refreshCut();
  for (int i = 0; i < state.range(0); ++i)
    doc.sprites.Append(std::make_unique<Sprite>(8, 8, std::vector<uint8_t>(64, static_cast<uint8_t>(i))));
  doc.sprites.SetCurrent(static_cast<int32_t>(state.range(0) / 2));
  CanvasEditor& canvas = frame->canvas();
  canvas.relayout();
  canvas.resize(200, 200);
  frame->command(ID_PLYK_TOOL_OUTWARD_CUT);
  canvas.mouseMove(20, 20);
  for (auto _ : state) {
    canvas.leftDown();
    canvas.leftUp();
    frame->command(ID_PLYK_UNDO);
    frame->command(ID_PLYK_REDO);
    frame->command(ID_PLYK_UNDO);
  }
  if (doc.sprites.Count() != state.range(0)) state.SkipWithError("the set did not come back");
  state.counters["step_bytes"] = static_cast<double>(doc.history.bytes());
}
BENCHMARK(BM_CutUndoRedo)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
