#pragma once
// A scripted host for the cutter's editors and a frame editor over it.

#include <functional>
#include <optional>
#include <string>

#include "cutter/editor/frame_editor.h"
#include "cutter_test_files.h"
#include "support/scripted_prompts.h"

namespace edtest {

class FakeHost : public ScriptedPrompts<CutterHost> {
 public:
  std::function<bool(CutSizeDialog&)> cutSizeDialog;
  std::function<bool(ColourDialog&)> colourDialog;
  bool focused = false;  // the sprite window has the keyboard focus

  // What the editors asked for.
  int repainted = 0;  // CutterWindow bits since the last take
  int closed = 0, popups = 0, abouts = 0, palettes = 0;
  std::optional<bool> canvasShown, detailShown;
  std::optional<CanvasPlacement> placement;
  int pointerX = 0, pointerY = 0;

  int takeRepaints() { return std::exchange(repainted, 0); }

  void repaint(int windows) override { repainted |= windows; }
  bool runCutSizeDialog(CutSizeDialog& d) override { return cutSizeDialog ? cutSizeDialog(d) : false; }
  bool runColourDialog(ColourDialog& d) override { return colourDialog ? colourDialog(d) : false; }
  void showAbout() override { ++abouts; }
  void showCanvas(bool visible) override { canvasShown = visible; }
  void showDetailWindow(bool visible) override { detailShown = visible; }
  void placeCanvas(const CanvasPlacement& p) override { placement = p; }
  void usePalette(const PaletteBlock&) override { ++palettes; }
  void movePointer(int dx, int dy) override {
    pointerX += dx;
    pointerY += dy;
  }
  bool spriteWindowFocused() override { return focused; }
  void focusSpriteWindow() override { focused = true; }
  void showSpritePopup(int, int) override { ++popups; }
  void closeFrame() override { ++closed; }
};

// A frame editor over a scripted host, with the built-in palette.
struct Frame {
  FakeHost host;
  FrameEditor editor{host, CutterSettings{}, BuiltinPaletteBlock()};
  CutterDocument& doc() { return editor.document(); }
};

}  // namespace edtest
