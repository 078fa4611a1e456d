#pragma once
// The Plyk2 main frame: tool bar with the frame scroll bar, status bar, the picture
// canvas and the owned sprite and detail windows; title, status and commands.

#include <string>

#include "cutter/app/child_windows.h"
#include "framework/base_window.h"
#include "framework/common_controls.h"
#include "framework/dialog_base.h"

class PlykFrame : public BaseWindow {
 public:
  PlykFrame();

  void OnCreate() override;
  void OnPaint(HDC dc, PAINTSTRUCT* paint) override;
  void OnSize(int width, int height, UINT kind) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;

 private:
  void createToolBar();
  void layout(int width, int height);
  void refreshTitleAndStatus();

  StatusBar statusBar_;
  ToolBar toolBar_;
  HWND frameScrollBar_ = nullptr;
  PictureCanvas canvas_;
  SpriteWindow spriteWindow_;
  DetailWindow detailWindow_;
  DialogBase aboutDialog_;
  WindowRect spriteWindowRect_{0, 0, 250, 150};
  WindowRect detailWindowRect_{300, 0, 400, 125};
  int zoom_ = 1;
};
