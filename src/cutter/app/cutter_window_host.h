#pragma once
// What the cutter's editors ask of the windows, answered by the Win32 windows of
// Plyk2: repaints (with the scroll bars brought up to date), the dialogs, showing
// and placing windows, the keyboard focus, the system pointer and the palette of
// the three drawing surfaces. Questions and messages are message boxes captioned
// "PlykII", owned by the frame; a dialog shows its own warning over itself.

#include <functional>

#include "cutter/editor/cutter_host.h"
#include "framework/dialog_base.h"
#include "framework/window_prompts.h"

class BaseWindow;
class PictureCanvas;
class SpriteWindow;
class DetailWindow;

class CutterWindowHost : public CutterHost {
 public:
  // refreshFrameBar brings the frame's own scroll bar up to date; refreshStatus its
  // status bar's texts alone.
  CutterWindowHost(BaseWindow& frame, std::function<void()> refreshFrameBar,
                   std::function<void()> refreshStatus, PictureCanvas& canvas, SpriteWindow& sprites,
                   DetailWindow& detail);

  Answer askYesNoCancel(const std::string& text) override;
  bool askYesNo(const std::string& text) override;
  void showError(const std::string& text) override;
  void showWarning(const std::string& text) override;
  bool chooseOpenFile(const FilterEntries& filter, ChosenFile& file) override;
  bool chooseSaveFile(const FilterEntries& filter, ChosenFile& file) override;
  void setBusy(bool busy) override;
  bool openInBrowser(const std::string& path) override { return prompts_.openInBrowser(path); }

  void repaint(int windows) override;
  bool runCutSizeDialog(CutSizeDialog& dialog) override;
  bool runColourDialog(ColourDialog& dialog) override;
  void showAbout() override;
  void showCanvas(bool visible) override;
  void showDetailWindow(bool visible) override;
  void placeCanvas(const CanvasPlacement& placement) override;
  void usePalette(const PaletteBlock& palette) override;
  void movePointer(int dx, int dy) override;
  bool spriteWindowFocused() override;
  void focusSpriteWindow() override;
  void showSpritePopup(int x, int y) override;
  void closeFrame() override;

 private:
  BaseWindow& frame_;
  std::function<void()> refreshFrameBar_;
  std::function<void()> refreshStatus_;
  PictureCanvas& canvas_;
  SpriteWindow& sprites_;
  DetailWindow& detail_;
  WindowPrompts prompts_;
  DialogBase about_;
};
