#pragma once
// The Zorv2 main frame: tool bar with the bundle selector, status bar, the editing
// canvas and the owned sprite and motion windows; title, status and commands.

#include <string>

#include "framework/base_window.h"
#include "framework/common_controls.h"
#include "framework/dialog_base.h"
#include "motion/app/child_windows.h"

class ZorvFrame : public BaseWindow {
 public:
  ZorvFrame();

  void OnCreate() override;
  void OnDestroy() override;
  void OnPaint(HDC dc, PAINTSTRUCT* paint) override;
  void OnSize(int width, int height, UINT kind) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool Idle() override;

 private:
  void createToolBar();
  void layout(int width, int height);
  void refreshTitleAndStatus();

  StatusBar statusBar_;
  ToolBar toolBar_;
  HWND bundleSelector_ = nullptr;
  HFONT uiFont_ = nullptr;
  EditCanvas canvas_;
  SpriteWindow spriteWindow_;
  MotionWindow motionWindow_;
  DialogBase aboutDialog_;
  WindowRect spriteWindowRect_{0, 0, 250, 150};
  WindowRect motionWindowRect_{300, 0, 550, 150};
  int zoom_ = 1;
};
