#pragma once
// Builders shared by the motion tests; for the editor tests a scripted host (answers,
// choosers and dialogs queued by the test, everything asked of it recorded), drawing
// surfaces with the default palette and fonts, and glyphs like the built-in ones.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphics/builtin_fonts.h"
#include "motion/editor/editor_host.h"
#include "motion/editor/motion_dialogs.h"
#include "motion/motion_document.h"
#include "sprites/sprite.h"
#include "support/graphics_test_support.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"
#include "support/sprite_file_bytes.h"

// Adds n distinct 4 x 2 sprites to the document's set and returns them.
inline std::vector<Sprite*> AddSprites(MotionFile& file, int n) {
  std::vector<Sprite*> out;
  for (int i = 0; i < n; ++i) {
    file.sprites.Append(MakeSprite(4, 2, static_cast<uint8_t>(i + 1)));
    out.push_back(file.sprites.Get(file.sprites.Count() - 1));
  }
  return out;
}

// A motion whose relX tells it apart.
inline std::unique_ptr<Motion> MakeMotion(int32_t relX, Sprite* sprite = nullptr) {
  auto m = std::make_unique<Motion>();
  m->relX = relX;
  m->sprite = sprite;
  return m;
}

// Appends motions with relX 0, 1, ..., n-1 and leaves no current motion.
inline void FillBundle(MotionBundle& bundle, int n, Sprite* sprite = nullptr) {
  bundle.select(bundle.count());
  for (int i = 0; i < n; ++i) bundle.insertBeforeCurrent(MakeMotion(i, sprite));
}

inline std::vector<int32_t> RelXs(const MotionBundle& bundle) {
  std::vector<int32_t> out;
  for (const auto& m : bundle.items()) out.push_back(m->relX);
  return out;
}

inline std::vector<std::string> BundleNames(const MotionFile& file) {
  std::vector<std::string> out;
  for (const auto& b : file.bundles()) out.push_back(b->name.str());
  return out;
}

// A motion with every field set to something other than its default; some boxes
// and points stay unset.
inline Motion DistinctMotion(int seed) {
  Motion m;
  m.relX = -7 * seed - 1;
  m.relY = 11 * seed + 3;
  m.delay = 1 + seed % 60;
  m.effects = seed % 8;
  for (int k = 0; k < kMotionBoxCount; ++k)
    if ((seed + k) % 3) m.boxes[k] = MotionBox{k - seed, k, k + 10 + seed, k + 20};
  for (int k = 0; k < kMotionPointCount; ++k)
    if ((seed + k) % 2) m.points[k] = MotionPoint{seed * 3 - k, -k};
  for (int k = 0; k < kMotionFlagCount; ++k) m.flags[k] = seed * 1000 + k - 5;
  for (int k = 0; k < 8; ++k) m.reserved[k] = static_cast<uint8_t>(0xA0 + seed + k);
  m.sound.assign("hit" + std::to_string(seed) + ".wav");
  return m;
}

// The graphics tests' canvas with both fonts, its context locked.
struct TestSurface : Canvas {
  explicit TestSurface(int width = 320, int height = 240, uint8_t background = 255)
      : Canvas(width, height, background) {
    dc->SetFonts(&BuiltinAsciiFont(), &BuiltinHangulFont());
    dc->setBackground(background);
    dc->Lock();
  }
};

// Glyphs of the built-in sizes: a body of 255 inside an outline of 254.
inline std::unique_ptr<SpriteSet> TestGlyphs() {
  auto set = std::make_unique<SpriteSet>();
  for (auto [w, h] : {std::pair{12, 20}, {29, 28}, {26, 24}, {23, 30}}) {
    std::vector<uint8_t> px(static_cast<size_t>(w * h), 255);
    for (int x = 0; x < w; ++x) px[x] = px[(h - 1) * w + x] = 254;
    set->Append(std::make_unique<Sprite>(w, h, std::move(px)));
  }
  return set;
}

class FakeHost : public ScriptedPrompts<ZorvHost> {
 public:
  std::function<bool(NewBundleDialog&)> newBundle = [](NewBundleDialog&) { return false; };
  std::function<bool(DelayDialog&)> delay = [](DelayDialog&) { return false; };
  std::function<bool(SoundDialog&)> sound = [](SoundDialog&) { return false; };
  std::function<bool(FlagsDialog&)> flags = [](FlagsDialog&) { return false; };
  std::function<bool(EffectsDialog&)> effects = [](EffectsDialog&) { return false; };
  std::function<bool(ColourDialog&)> colours = [](ColourDialog&) { return false; };
  std::function<bool(GifExportDialog&)> gifExport = [](GifExportDialog&) { return false; };
  int selectorIndex = 0;
  ZorvWindow focused = ZorvWindow::Frame;

  // Records.
  std::vector<std::string> played;
  double busy = 0;
  int slept = 0, presents = 0, palettes = 0, background = -1, pointerX = 0, pointerY = 0;
  unsigned repaints = 0;
  bool canvasShown = true, spriteWindowShown = true, closed = false;
  TestSurface canvas{400, 300};
  std::optional<CanvasPlacement> placement;

  void playWave(const std::string& path) override { played.push_back(path); }
  void sleep(int milliseconds) override { slept += milliseconds; }
  // Time passes by sleeping, and by `busy` (drawing) where a test says so.
  double milliseconds() override { return busy + slept; }
  void repaint(unsigned windows) override { repaints |= windows; }
  void showCanvas(bool show) override { canvasShown = show; }
  void showSpriteWindow(bool show) override { spriteWindowShown = show; }
  ZorvWindow focusedWindow() const override { return focused; }
  void focus(ZorvWindow window) override { focused = window; }
  void placeCanvas(const CanvasPlacement& p) override { placement = p; }
  void movePointer(int dx, int dy) override { pointerX += dx, pointerY += dy; }
  void usePalette(const PaletteBlock&) override { ++palettes; }
  void setBackground(int index) override { background = index; }
  DrawContext* canvasContext() override { return canvas.dc.get(); }
  void presentCanvas() override { ++presents; }
  int bundleSelectorIndex() const override { return selectorIndex; }
  void closeFrame() override { closed = true; }
  bool runNewBundleDialog(NewBundleDialog& d) override { return newBundle(d); }
  bool runDelayDialog(DelayDialog& d) override { return delay(d); }
  bool runSoundDialog(SoundDialog& d) override { return sound(d); }
  bool runFlagsDialog(FlagsDialog& d) override { return flags(d); }
  bool runEffectsDialog(EffectsDialog& d) override { return effects(d); }
  bool runColourDialog(ColourDialog& d) override { return colours(d); }
  bool runGifExportDialog(GifExportDialog& d) override { return gifExport(d); }
  void showAbout() override {}
};
