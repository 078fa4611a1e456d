#pragma once
// What the motion editor asks of the windows and the system, answered by the Win32
// windows of Zorv2: message boxes captioned "ZorvII" owned by the frame, repaints,
// showing and focusing the child windows, the surfaces' palette and clear colour,
// the dialogs and the sounds. The frame's own bits (title, status bar, tool bar and
// bundle selector) it leaves to the frame through refreshFrame.

#include <functional>
#include <string>

#include "framework/window_prompts.h"
#include "motion/editor/editor_host.h"
#include "sound/wave_player.h"

class CanvasWindow;
class ComboBox;
class MotionListWindow;
class SpriteListWindow;

class ZorvWindowHost : public ZorvHost {
 public:
  // refreshFrame gets the repaint flags and brings the frame's own bits up to date.
  ZorvWindowHost(BaseWindow& frame, std::function<void(unsigned)> refreshFrame, CanvasWindow& canvas,
                 SpriteListWindow& sprites, MotionListWindow& motions, ComboBox& bundleSelector);

  WavePlayer& player() { return player_; }

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
  void placeCanvas(const CanvasPlacement& placement) override;
  void movePointer(int dx, int dy) override;
  void usePalette(const PaletteBlock& palette) override;
  void setBackground(int index) override;
  DrawContext* canvasContext() override;
  void presentCanvas() override;
  int bundleSelectorIndex() const override;
  void closeFrame() override;
  bool runNewBundleDialog(NewBundleDialog& dialog) override;
  bool runDelayDialog(DelayDialog& dialog) override;
  bool runSoundDialog(SoundDialog& dialog) override;
  bool runFlagsDialog(FlagsDialog& dialog) override;
  bool runEffectsDialog(EffectsDialog& dialog) override;
  bool runColourDialog(ColourDialog& dialog) override;
  bool runGifExportDialog(GifExportDialog& dialog) override;
  void showAbout() override;

 private:
  HWND windowOf(ZorvWindow window) const;

  BaseWindow& frame_;
  std::function<void(unsigned)> refreshFrame_;
  CanvasWindow& canvas_;
  SpriteListWindow& sprites_;
  MotionListWindow& motions_;
  ComboBox& bundleSelector_;
  WindowPrompts prompts_;
  WavePlayer player_;
};
