#pragma once
// The Zorv2 main frame: tool bar with the bundle selector, status bar, the editing
// canvas and the owned sprite and motion windows. It is the motion editor's host:
// the editor (MotionFrameEditor) holds the document and every rule, the frame turns
// messages into its calls and its requests into windows, dialogs and sounds.

#include <memory>
#include <string>

#include "framework/base_window.h"
#include "framework/common_controls.h"
#include "framework/window_prompts.h"
#include "motion/app/child_windows.h"
#include "motion/editor/editor_host.h"
#include "motion/editor/frame_editor.h"
#include "sound/wave_player.h"
#include "sprites/sprite_set.h"

class ZorvFrame : public BaseWindow, public ZorvHost {
 public:
  ZorvFrame(HINSTANCE instance, const ZorvSettings& settings);
  ~ZorvFrame() override;

  MotionFrameEditor& editor() { return *editor_; }

  // ---- Window ----
  void OnCreate() override;
  void OnDestroy() override;
  void OnPaint(HDC dc, PAINTSTRUCT* paint) override;
  void OnCommand(WPARAM wParam) override;
  void OnSize(int width, int height, UINT kind) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool OnClose() override;
  void OnDropFiles(const std::vector<DroppedFile>& files) override;
  bool Idle() override;

  // ---- ZorvHost ----
  Answer askYesNoCancel(const std::string& text) override { return prompts_.askYesNoCancel(text); }
  bool askYesNo(const std::string& text) override { return prompts_.askYesNo(text); }
  void showError(const std::string& text) override { prompts_.showError(text); }
  void showWarning(const std::string& text) override { prompts_.showWarning(text); }
  bool chooseOpenFile(const FilterEntries& filter, ChosenFile& file) override {
    return prompts_.chooseOpenFile(filter, file);
  }
  bool chooseSaveFile(const FilterEntries& filter, ChosenFile& file) override {
    return prompts_.chooseSaveFile(filter, file);
  }
  void setBusy(bool busy) override { prompts_.setBusy(busy); }
  bool openInBrowser(const std::string& path) override { return prompts_.openInBrowser(path); }
  void playWave(const std::string& path) override;
  void sleep(int milliseconds) override;
  double milliseconds() override;
  void repaint(unsigned windows) override;
  void showCanvas(bool show) override;
  void showSpriteWindow(bool show) override;
  ZorvWindow focusedWindow() const override;
  void focus(ZorvWindow window) override;
  void movePointer(int dx, int dy) override;
  void applyPalette(const PaletteBlock& palette) override;
  void setBackground(int index) override;
  DrawContext* canvasContext() override { return canvas_.context(); }
  void presentCanvas() override { canvas_.presentFrame(); }
  int bundleSelectorIndex() const override { return bundleSelector_.selection(); }
  void closeFrame() override;
  bool runNewBundleDialog(NewBundleDialog& dialog) override;
  bool runDelayDialog(DelayDialog& dialog) override;
  bool runSoundDialog(SoundDialog& dialog) override;
  bool runFlagsDialog(FlagsDialog& dialog) override;
  bool runEffectsDialog(EffectsDialog& dialog) override;
  bool runColoursDialog(ColoursDialog& dialog) override;
  bool runGifExportDialog(GifExportDialog& dialog) override;
  void showAbout() override;

 private:
  void createToolBar();
  void createChildWindows();
  void layout(int width, int height);
  // Title, status bar and tool-bar buttons from the editor.
  void refreshFrame();
  // The status bar alone, after a mouse move.
  void refreshStatus();
  HWND windowOf(ZorvWindow window) const;

  WindowPrompts prompts_;
  WavePlayer player_;
  SpriteSet glyphs_;
  std::unique_ptr<MotionFrameEditor> editor_;
  StatusBar statusBar_;
  ToolBar toolBar_;
  ComboBox bundleSelector_;
  HFONT uiFont_ = nullptr;
  CanvasWindow canvas_;
  SpriteListWindow spriteWindow_;
  MotionListWindow motionWindow_;
};
