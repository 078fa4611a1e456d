#pragma once
// The editing canvas, the motion window and the sprite window of Zorv2: drawing
// windows that pass their input to the editors and paint what the editors draw.

#include <string>

#include "framework/draw_window.h"
#include "framework/owned_window.h"
#include "motion/editor/motion_canvas.h"
#include "motion/editor/motion_window_editor.h"
#include "motion/editor/sprite_window_editor.h"

// "주작업윈도우": a child of the frame.
class CanvasWindow : public DrawWindow {
 public:
  CanvasWindow() { setQuitOnDestroy(false); }
  void attach(MotionCanvas* canvas) { canvas_ = canvas; }
  // Shows a playback frame the editor drew into the context.
  void presentFrame();

  void OnCreate() override;
  void OnDestroy() override;
  void OnPaint(HDC, PAINTSTRUCT*) override;
  void OnSize(int width, int height, UINT kind) override;
  void OnMouseMove(int x, int y) override;
  void OnLeftDown(int x, int y) override;
  void OnLeftUp(int x, int y) override;
  void OnRightDown(int x, int y) override;
  void OnTimer(UINT_PTR id) override;
  void OnMouseWheel(int delta, UINT keys) override {
    if (canvas_ != nullptr) canvas_->wheel(delta, (keys & MK_CONTROL) != 0);
  }

 private:
  MotionCanvas* canvas_ = nullptr;
};

// A list window over its editor (MotionWindowEditor or SpriteWindowEditor): a
// thumbnail grid with a vertical scroll bar and a pop-up menu. Its commands are the
// editor's.
template <typename Editor>
class ListWindow : public OwnedToolWindow {
 public:
  void attach(Editor* editor, int popupMenuId) {
    editor_ = editor;
    popupMenuId_ = popupMenuId;
    bindCommands(editor->commands());
  }
  // Title, scroll bar and picture follow the editor.
  void refresh() {
    if (editor_ == nullptr || hwnd() == nullptr) return;
    setTitle(editor_->title());
    const ThumbnailGrid& grid = editor_->grid();
    setScrollBar(ScrollAxis::Vertical, grid.scrollable() ? grid.scrollMax() : 0, grid.scrollPos());
    invalidate(false);
  }

  void OnCreate() override { menu_ = LoadMenuW(instance(), MAKEINTRESOURCEW(popupMenuId_)); }
  void OnDestroy() override {
    if (menu_ != nullptr) DestroyMenu(menu_);
    menu_ = nullptr;
  }
  void OnPaint(HDC, PAINTSTRUCT*) override {
    if (editor_ != nullptr && context() != nullptr) editor_->paint(*context());
  }
  void OnSize(int width, int height, UINT) override {
    if (editor_ == nullptr) return;
    editor_->resize(width, height);
    refresh();
  }
  void OnScroll(ScrollAxis axis, int code, int position, HWND control) override {
    if (editor_ == nullptr || axis != ScrollAxis::Vertical || control != nullptr) return;
    editor_->scroll(code, position);
    refresh();
  }
  void OnMouseWheel(int delta, UINT) override {
    if (editor_ == nullptr) return;
    editor_->wheel(delta);
    refresh();
  }
  void OnLeftDown(int x, int y) override {
    if (editor_ == nullptr) return;
    editor_->leftDown(x, y);
    refresh();
  }
  void OnRightDown(int x, int y) override {
    if (editor_ == nullptr) return;
    const bool popup = editor_->rightDown(x, y);
    refresh();
    if (popup && menu_ != nullptr) trackPopupMenu(GetSubMenu(menu_, 0), x, y);
  }

 protected:
  Editor* editor_ = nullptr;

 private:
  int popupMenuId_ = 0;
  HMENU menu_ = nullptr;
};

// "동작 창": shown and hidden with the canvas; its close box does nothing.
class MotionListWindow : public ListWindow<MotionWindowEditor> {
 public:
  bool OnClose() override { return true; }
};

// "스프라이트 창": its close box hides it.
class SpriteListWindow : public ListWindow<SpriteWindowEditor> {
 public:
  bool OnClose() override {
    if (editor_ != nullptr) editor_->closeRequested();
    return true;
  }
};
