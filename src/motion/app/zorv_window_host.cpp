#include "motion/app/zorv_window_host.h"

#include <utility>

#include "framework/colour_dialog_window.h"
#include "framework/common_controls.h"
#include "framework/dialog_base.h"
#include "motion/app/child_windows.h"
#include "motion/app/zorv_dialogs.h"
#include "motion/editor/frame_text.h"
#include "motion/resource_ids.h"
#include "sound/direct_sound_service.h"

ZorvWindowHost::ZorvWindowHost(BaseWindow& frame, std::function<void(unsigned)> refreshFrame,
                               CanvasWindow& canvas, SpriteListWindow& sprites, MotionListWindow& motions,
                               ComboBox& bundleSelector)
    : frame_(frame),
      refreshFrame_(std::move(refreshFrame)),
      canvas_(canvas),
      sprites_(sprites),
      motions_(motions),
      bundleSelector_(bundleSelector),
      prompts_(frame, kMotionProgramTitle),
      player_(CreateDirectSoundService()) {}

void ZorvWindowHost::playWave(const std::string& path) {
  player_.play(path, 10000, 0, 0);
}

void ZorvWindowHost::sleep(int milliseconds) {
  Sleep(static_cast<DWORD>(milliseconds));
}

double ZorvWindowHost::milliseconds() {
  static const double perCount = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 / static_cast<double>(frequency.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * perCount;
}

void ZorvWindowHost::repaint(unsigned windows) {
  refreshFrame_(windows);
  if (windows & kRepaintCanvas) canvas_.invalidate(false);
  if (windows & kRepaintMotionWindow) motions_.refresh();
  if (windows & kRepaintSpriteWindow) sprites_.refresh();
}

void ZorvWindowHost::showCanvas(bool show) {
  if (canvas_.hwnd() != nullptr) ShowWindow(canvas_.hwnd(), show ? SW_SHOW : SW_HIDE);
  motions_.show(show);
  if (frame_.hwnd() != nullptr) SetFocus(frame_.hwnd());
}

void ZorvWindowHost::showSpriteWindow(bool show) {
  sprites_.show(show);
}

HWND ZorvWindowHost::windowOf(ZorvWindow window) const {
  switch (window) {
    case ZorvWindow::Canvas:
      return canvas_.hwnd();
    case ZorvWindow::MotionWindow:
      return motions_.hwnd();
    case ZorvWindow::SpriteWindow:
      return sprites_.hwnd();
    case ZorvWindow::Frame:
      break;
  }
  return frame_.hwnd();
}

ZorvWindow ZorvWindowHost::focusedWindow() const {
  HWND focused = GetFocus();
  for (ZorvWindow window : {ZorvWindow::Canvas, ZorvWindow::MotionWindow, ZorvWindow::SpriteWindow}) {
    if (focused != nullptr && focused == windowOf(window)) return window;
  }
  return ZorvWindow::Frame;
}

void ZorvWindowHost::focus(ZorvWindow window) {
  if (HWND target = windowOf(window)) SetFocus(target);
}

void ZorvWindowHost::placeCanvas(const CanvasPlacement& p) {
  if (canvas_.hwnd() != nullptr) MoveWindow(canvas_.hwnd(), p.x, p.y, p.width, p.height, TRUE);
}

void ZorvWindowHost::movePointer(int dx, int dy) {
  POINT point{};
  if (GetCursorPos(&point)) SetCursorPos(point.x + dx, point.y + dy);
}

void ZorvWindowHost::usePalette(const PaletteBlock& palette) {
  for (DrawWindow* window : {static_cast<DrawWindow*>(&canvas_), static_cast<DrawWindow*>(&motions_),
                             static_cast<DrawWindow*>(&sprites_)}) {
    window->setPalette(palette.bytes.data());
    window->invalidate(false);
  }
}

void ZorvWindowHost::setBackground(int index) {
  for (DrawWindow* window : {static_cast<DrawWindow*>(&canvas_), static_cast<DrawWindow*>(&motions_),
                             static_cast<DrawWindow*>(&sprites_)}) {
    if (window->context() != nullptr) window->context()->setBackground(static_cast<uint8_t>(index));
  }
}

DrawContext* ZorvWindowHost::canvasContext() {
  return canvas_.context();
}

void ZorvWindowHost::presentCanvas() {
  canvas_.presentFrame();
}

int ZorvWindowHost::bundleSelectorIndex() const {
  return bundleSelector_.selection();
}

void ZorvWindowHost::closeFrame() {
  if (frame_.hwnd() != nullptr) DestroyWindow(frame_.hwnd());
}

bool ZorvWindowHost::runNewBundleDialog(NewBundleDialog& dialog) {
  return runDialog<NewBundleWindow>(frame_, dialog);
}

bool ZorvWindowHost::runDelayDialog(DelayDialog& dialog) {
  return runDialog<DelayWindow>(frame_, dialog);
}

bool ZorvWindowHost::runSoundDialog(SoundDialog& dialog) {
  return runDialog<SoundWindow>(frame_, dialog);
}

bool ZorvWindowHost::runFlagsDialog(FlagsDialog& dialog) {
  return runDialog<FlagsWindow>(frame_, dialog);
}

bool ZorvWindowHost::runEffectsDialog(EffectsDialog& dialog) {
  return runDialog<EffectsWindow>(frame_, dialog);
}

bool ZorvWindowHost::runGifExportDialog(GifExportDialog& dialog) {
  return runDialog<GifExportWindow>(frame_, dialog);
}

bool ZorvWindowHost::runColourDialog(ColourDialog& dialog) {
  ColourDialogWindow window(IDD_ZORV_COLOURS, kMotionProgramTitle, dialog);
  return runDialog(frame_, window);
}

void ZorvWindowHost::showAbout() {
  DialogBase about(IDD_ZORV_ABOUT);
  runDialog(frame_, about);
}
