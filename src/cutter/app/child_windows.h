#pragma once
// The picture canvas, the sprite window and the detail window of Plyk2: drawing
// windows that pass their messages to their editors and paint what the editors draw.

#include "cutter/editor/canvas_editor.h"
#include "cutter/editor/detail_window_editor.h"
#include "cutter/editor/frame_editor.h"
#include "cutter/editor/sprite_window_editor.h"
#include "framework/draw_window.h"
#include "framework/owned_window.h"

// "주작업윈도우": a child of the frame with both scroll bars, the transparent class
// cursor (the tools' cursors are drawn), and a 500 ms timer that notices the pointer
// leaving.
class PictureCanvas : public DrawWindow {
 public:
  void attach(FrameEditor* frame) {
    frame_ = frame;
    editor_ = &frame->canvas();
  }
  bool create(BaseWindow* frame);
  // Scroll bars from the editor; only what changed is written.
  void refreshBars();

  void OnCreate() override;
  void OnDestroy() override;
  void OnPaint(HDC dc, PAINTSTRUCT* paint) override;
  void OnSize(int width, int height, UINT kind) override;
  void OnScroll(ScrollAxis axis, int code, int position, HWND control) override;
  void OnMouseMove(int x, int y) override;
  void OnLeftDown(int x, int y) override;
  void OnLeftUp(int x, int y) override;
  void OnTimer(UINT_PTR id) override;
  void OnMouseWheel(int delta, UINT keys) override;

 private:
  FrameEditor* frame_ = nullptr;  // the wheel zooms, which the frame lays out
  CanvasEditor* editor_ = nullptr;
  ScrollBarState bars_[2];
};

// "스프라이트 창": its close box does nothing; pop-up menu 105 on the right button.
class SpriteWindow : public OwnedToolWindow {
 public:
  void attach(CutterSpriteWindowEditor* editor);
  bool create(BaseWindow* frame, WindowRect* rect);
  void refreshBars();
  void popup(int x, int y);

  void OnCreate() override;
  void OnDestroy() override;
  void OnPaint(HDC dc, PAINTSTRUCT* paint) override;
  void OnSize(int width, int height, UINT kind) override;
  void OnScroll(ScrollAxis axis, int code, int position, HWND control) override;
  void OnLeftDown(int x, int y) override;
  void OnRightDown(int x, int y) override;
  void OnMouseWheel(int delta, UINT keys) override;
  bool OnClose() override { return true; }

 private:
  CutterSpriteWindowEditor* editor_ = nullptr;
  HMENU menu_ = nullptr;
  ScrollBarState bar_;
};

// "자세히 보기 창": its close box hides it and turns its setting off; the horizontal
// scroll bar shows only while there is something to scroll across.
class DetailWindow : public OwnedToolWindow {
 public:
  void attach(DetailWindowEditor* editor) { editor_ = editor; }
  bool create(BaseWindow* frame, WindowRect* rect, bool shown);
  void refreshBars();

  void OnPaint(HDC dc, PAINTSTRUCT* paint) override;
  void OnSize(int width, int height, UINT kind) override;
  void OnScroll(ScrollAxis axis, int code, int position, HWND control) override;
  bool OnClose() override;

 private:
  DetailWindowEditor* editor_ = nullptr;
  ScrollBarState bars_[2];
  bool horizontalShown_ = false;
};
