#pragma once
// The Plyk2 main frame: the tool bar with the frame scroll bar, the status bar, the
// picture canvas and the owned sprite and detail windows, around the frame editor,
// which holds every rule. The frame passes its messages on and shows the title,
// status texts and frame scroll bar the editor gives.

#include <vector>

#include "cutter/app/child_windows.h"
#include "cutter/app/cutter_window_host.h"
#include "cutter/editor/frame_editor.h"
#include "framework/base_window.h"
#include "framework/common_controls.h"

class PlykFrame : public BaseWindow {
 public:
  PlykFrame(const CutterSettings& settings, const PaletteBlock& builtinPalette);

  FrameEditor& editor() { return editor_; }
  const FrameEditor& editor() const { return editor_; }
  PictureCanvas& canvas() { return canvas_; }
  SpriteWindow& spriteWindow() { return spriteWindow_; }
  DetailWindow& detailWindow() { return detailWindow_; }
  // The frame scroll bar from the editor; the title and status bar follow on the
  // next paint.
  void refreshFrameBar();
  // The status bar's texts alone, after a mouse move.
  void refreshStatus();

  void OnCreate() override;
  void OnDestroy() override;
  void OnPaint(HDC dc, PAINTSTRUCT* paint) override;
  void OnSize(int width, int height, UINT kind) override;
  void OnScroll(ScrollAxis axis, int code, int position, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool OnClose() override;
  void OnDropFiles(const std::vector<DroppedFile>& files) override;

 private:
  void createToolBar();

  PictureCanvas canvas_;
  SpriteWindow spriteWindow_;
  DetailWindow detailWindow_;
  CutterWindowHost host_;
  FrameEditor editor_;
  StatusBar statusBar_;
  ToolBar toolBar_;
  ScrollBarControl frameBar_;
  ScrollBarState frameBarShown_{true, -1, -1};
  // Where the owned windows are; each writes its rectangle here as it is destroyed.
  WindowRect spriteRect_;
  WindowRect detailRect_;
};
