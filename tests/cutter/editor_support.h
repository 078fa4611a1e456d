#pragma once
// A scripted host for the cutter's editors and a frame editor over it.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "cutter/editor/frame_editor.h"
#include "cutter_test_files.h"

namespace edtest {

class FakeHost : public CutterHost {
 public:
  // Scripted replies, taken in order; running out fails the test.
  std::deque<Answer> answers;
  std::deque<std::optional<ChosenFile>> files;  // nullopt: the chooser is cancelled
  std::function<bool(CutSizeDialog&)> cutSizeDialog;
  std::function<bool(ColourDialog&)> colourDialog;
  bool focused = false;  // the sprite window has the keyboard focus
  bool browserWorks = true;

  // What the editors asked for.
  std::vector<std::string> questions, errors, warnings, browsed;
  std::vector<FilterEntries> filters;
  int repainted = 0;  // CutterWindow bits since the last take
  int closed = 0, popups = 0, abouts = 0, palettes = 0;
  std::optional<bool> canvasShown, detailShown;
  std::optional<CanvasPlacement> placement;
  int pointerX = 0, pointerY = 0;

  int takeRepaints() { return std::exchange(repainted, 0); }

  Answer askYesNoCancel(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return Answer::Cancel;
    }
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  bool askYesNo(const std::string& text) override { return askYesNoCancel(text) == Answer::Yes; }
  void showError(const std::string& text) override { errors.push_back(text); }
  void showWarning(const std::string& text) override { warnings.push_back(text); }
  bool chooseOpenFile(const FilterEntries& filter, ChosenFile& file) override { return choose(filter, file); }
  bool chooseSaveFile(const FilterEntries& filter, ChosenFile& file) override { return choose(filter, file); }
  void setBusy(bool) override {}
  bool openInBrowser(const std::string& path) override {
    browsed.push_back(path);
    return browserWorks;
  }

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

 private:
  bool choose(const FilterEntries& filter, ChosenFile& file) {
    filters.push_back(filter);
    if (files.empty()) {
      ADD_FAILURE() << "unexpected file chooser";
      return false;
    }
    std::optional<ChosenFile> f = files.front();
    files.pop_front();
    if (f) file = *f;
    return f.has_value();
  }
};

// A frame editor over a scripted host, with the built-in palette.
struct Frame {
  FakeHost host;
  FrameEditor editor{host, CutterSettings{}, BuiltinPaletteBlock()};
  CutterDocument& doc() { return editor.document(); }
};

}  // namespace edtest
