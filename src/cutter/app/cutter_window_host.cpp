#include "cutter/app/cutter_window_host.h"

#include <utility>

#include "cutter/app/child_windows.h"
#include "cutter/app/cutter_dialogs.h"
#include "cutter/editor/frame_text.h"
#include "cutter/resource_ids.h"
#include "framework/colour_dialog_window.h"
#include "sprites/palette.h"

CutterWindowHost::CutterWindowHost(BaseWindow& frame, std::function<void()> refreshFrameBar,
                                   std::function<void()> refreshStatus, PictureCanvas& canvas,
                                   SpriteWindow& sprites, DetailWindow& detail)
    : frame_(frame),
      refreshFrameBar_(std::move(refreshFrameBar)),
      refreshStatus_(std::move(refreshStatus)),
      canvas_(canvas),
      sprites_(sprites),
      detail_(detail),
      prompts_(frame, kCutterProgramTitle),
      about_(IDD_PLYK_ABOUT) {}

Answer CutterWindowHost::askYesNoCancel(const std::string& text) {
  return prompts_.askYesNoCancel(text);
}

bool CutterWindowHost::askYesNo(const std::string& text) {
  return prompts_.askYesNo(text);
}

void CutterWindowHost::showError(const std::string& text) {
  prompts_.showError(text);
}

void CutterWindowHost::showWarning(const std::string& text) {
  prompts_.showWarning(text);
}

bool CutterWindowHost::chooseOpenFile(const FilterEntries& filter, ChosenFile& file) {
  return prompts_.chooseOpenFile(filter, file);
}

bool CutterWindowHost::chooseSaveFile(const FilterEntries& filter, ChosenFile& file) {
  return prompts_.chooseSaveFile(filter, file);
}

void CutterWindowHost::setBusy(bool busy) {
  prompts_.setBusy(busy);
}

void CutterWindowHost::repaint(int windows) {
  // The scroll bars follow at once; the pictures, titles and status texts when the
  // windows paint. Drawing windows paint their whole client area: nothing to erase.
  if (windows & kFrameWindow) {
    refreshFrameBar_();
    frame_.invalidate(false);
  } else if (windows & kStatusBar) {
    refreshStatus_();
  }
  if (windows & kCanvasWindow) {
    canvas_.refreshBars();
    canvas_.invalidate(false);
  }
  if (windows & kSpriteWindow) {
    sprites_.refreshBars();
    sprites_.invalidate(false);
  }
  if (windows & kDetailWindow) {
    detail_.refreshBars();
    detail_.invalidate(false);
  }
}

bool CutterWindowHost::runCutSizeDialog(CutSizeDialog& dialog) {
  return runDialog<CutSizeDialogWindow>(frame_, dialog);
}

bool CutterWindowHost::runColourDialog(ColourDialog& dialog) {
  ColourDialogWindow window(IDD_PLYK_COLOURS, kCutterProgramTitle, dialog);
  return runDialog(frame_, window);
}

void CutterWindowHost::showAbout() {
  runDialog(frame_, about_);
}

void CutterWindowHost::showCanvas(bool visible) {
  if (canvas_.hwnd() != nullptr) ShowWindow(canvas_.hwnd(), visible ? SW_SHOW : SW_HIDE);
  if (frame_.hwnd() != nullptr) SetFocus(frame_.hwnd());
}

void CutterWindowHost::showDetailWindow(bool visible) {
  detail_.show(visible);
  if (frame_.hwnd() != nullptr) SetFocus(frame_.hwnd());
}

void CutterWindowHost::placeCanvas(const CanvasPlacement& p) {
  if (canvas_.hwnd() != nullptr) MoveWindow(canvas_.hwnd(), p.x, p.y, p.width, p.height, TRUE);
}

void CutterWindowHost::usePalette(const PaletteBlock& palette) {
  for (DrawWindow* window : {static_cast<DrawWindow*>(&canvas_), static_cast<DrawWindow*>(&sprites_),
                             static_cast<DrawWindow*>(&detail_)})
    window->setPalette(palette.bytes.data());
}

void CutterWindowHost::movePointer(int dx, int dy) {
  POINT cursor{};
  if (GetCursorPos(&cursor)) SetCursorPos(cursor.x + dx, cursor.y + dy);
}

bool CutterWindowHost::spriteWindowFocused() {
  return sprites_.hwnd() != nullptr && GetFocus() == sprites_.hwnd();
}

void CutterWindowHost::focusSpriteWindow() {
  if (sprites_.hwnd() != nullptr) SetFocus(sprites_.hwnd());
}

void CutterWindowHost::showSpritePopup(int x, int y) {
  sprites_.popup(x, y);
}

void CutterWindowHost::closeFrame() {
  if (frame_.hwnd() != nullptr) DestroyWindow(frame_.hwnd());
}
