#include "cutter/app/child_windows.h"

#include "cutter/resource_ids.h"
#include "framework/leave_check.h"

namespace {

int AxisIndex(ScrollAxis axis) {
  return axis == ScrollAxis::Horizontal ? 0 : 1;
}

// Writes a scroll bar only when the editor's state differs from what it shows.
void WriteBar(DrawWindow& window, ScrollAxis axis, const ScrollBarState& state, ScrollBarState& shown) {
  if (state == shown) return;
  shown = state;
  window.setScrollBar(axis, state.enabled ? state.max : 0, state.position);
}

}  // namespace

// ---- Picture canvas -------------------------------------------------------------

bool PictureCanvas::create(BaseWindow* frame) {
  Setup(frame->instance(), SW_HIDE, "주작업윈도우", frame);
  SetClass(-1, -1, IDCUR_PLYK_TRANSPARENT, -1);
  // Disabled bars are written on the first refresh; a state no bar can have forces it.
  bars_[0] = bars_[1] = ScrollBarState{true, -1, -1};
  return CreateWindowed(WS_CHILD | WS_HSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE, 0, 28, 100, 100, nullptr) != 0;
}

void PictureCanvas::OnCreate() {
  StartLeaveCheck(hwnd());
}

void PictureCanvas::OnDestroy() {
  StopLeaveCheck(hwnd());
}

void PictureCanvas::refreshBars() {
  if (editor_ == nullptr || hwnd() == nullptr) return;
  for (ScrollAxis axis : {ScrollAxis::Horizontal, ScrollAxis::Vertical})
    WriteBar(*this, axis, editor_->scrollBar(axis), bars_[AxisIndex(axis)]);
}

void PictureCanvas::OnPaint(HDC, PAINTSTRUCT*) {
  if (editor_ == nullptr || context() == nullptr) return;
  // One surface pixel is one picture pixel; the present enlarges it.
  setZoom(static_cast<float>(editor_->view().zoom()));
  editor_->paint(*context());
}

void PictureCanvas::OnSize(int width, int height, UINT) {
  if (editor_ != nullptr) editor_->resize(width, height);
}

void PictureCanvas::OnScroll(ScrollAxis axis, int code, int position, HWND) {
  if (editor_ != nullptr) editor_->scroll(axis, code, position);
}

void PictureCanvas::OnMouseWheel(int delta, UINT keys) {
  if (frame_ != nullptr) frame_->canvasWheel(delta, (keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0);
}

void PictureCanvas::OnMouseMove(int x, int y) {
  if (editor_ != nullptr) editor_->mouseMove(x, y);
}

void PictureCanvas::OnLeftDown(int, int) {
  if (editor_ != nullptr) editor_->leftDown();
}

void PictureCanvas::OnLeftUp(int, int) {
  if (editor_ != nullptr) editor_->leftUp();
}

void PictureCanvas::OnTimer(UINT_PTR id) {
  if (editor_ == nullptr) return;
  if (const auto facts = LeaveCheckTick(hwnd(), id)) editor_->leaveCheck(*facts);
}

// ---- Sprite window --------------------------------------------------------------

void SpriteWindow::attach(CutterSpriteWindowEditor* editor) {
  editor_ = editor;
  // The pop-up's commands come back here, and they mean this window's rows: some
  // share their numbers with commands of the frame.
  bindCommands(editor->commands(), [editor](int id) { return editor->command(id); });
}

bool SpriteWindow::create(BaseWindow* frame, WindowRect* rect) {
  bar_ = ScrollBarState{true, -1, -1};
  return createOwned(frame, "스프라이트 창", IDI_PLYK_SPRITE_WINDOW, rect, true,
                     OwnedWindowStyle{WS_VSCROLL, 0});
}

void SpriteWindow::OnCreate() {
  menu_ = LoadMenuW(instance(), MAKEINTRESOURCEW(IDR_PLYK_SPRITE_POPUP));
}

void SpriteWindow::OnDestroy() {
  if (menu_ != nullptr) DestroyMenu(menu_);
  menu_ = nullptr;
}

void SpriteWindow::refreshBars() {
  if (editor_ != nullptr && hwnd() != nullptr)
    WriteBar(*this, ScrollAxis::Vertical, editor_->scrollBar(), bar_);
}

void SpriteWindow::popup(int x, int y) {
  if (menu_ != nullptr) trackPopupMenu(GetSubMenu(menu_, 0), x, y);
}

void SpriteWindow::OnPaint(HDC, PAINTSTRUCT*) {
  if (editor_ == nullptr || context() == nullptr) return;
  setTitle(editor_->title());
  editor_->paint(*context());
}

void SpriteWindow::OnSize(int width, int height, UINT) {
  if (editor_ != nullptr) editor_->resize(width, height);
}

void SpriteWindow::OnScroll(ScrollAxis axis, int code, int position, HWND) {
  if (editor_ != nullptr && axis == ScrollAxis::Vertical) editor_->scroll(code, position);
}

void SpriteWindow::OnMouseWheel(int delta, UINT) {
  if (editor_ != nullptr) editor_->wheel(delta);
}

void SpriteWindow::OnLeftDown(int x, int y) {
  if (editor_ != nullptr) editor_->leftDown(x, y);
}

void SpriteWindow::OnRightDown(int x, int y) {
  if (editor_ != nullptr) editor_->rightDown(x, y);
}

// ---- Detail window --------------------------------------------------------------

bool DetailWindow::create(BaseWindow* frame, WindowRect* rect, bool shown) {
  bars_[0] = bars_[1] = ScrollBarState{true, -1, -1};
  horizontalShown_ = false;
  return createOwned(frame, "자세히 보기 창", IDI_PLYK_SPRITE_WINDOW, rect, shown,
                     OwnedWindowStyle{WS_VSCROLL, 0});
}

void DetailWindow::refreshBars() {
  if (editor_ == nullptr || hwnd() == nullptr) return;
  const ScrollBarState horizontal = editor_->scrollBar(ScrollAxis::Horizontal);
  if (horizontal.enabled != horizontalShown_) {
    // Showing or hiding the bar resizes the client area, which lays the window out
    // again and comes back here; the flag is set first so that call changes nothing.
    horizontalShown_ = horizontal.enabled;
    bars_[0] = ScrollBarState{true, -1, -1};
    ShowScrollBar(hwnd(), SB_HORZ, horizontalShown_ ? TRUE : FALSE);
  }
  if (horizontalShown_) WriteBar(*this, ScrollAxis::Horizontal, horizontal, bars_[0]);
  WriteBar(*this, ScrollAxis::Vertical, editor_->scrollBar(ScrollAxis::Vertical), bars_[1]);
}

void DetailWindow::OnPaint(HDC, PAINTSTRUCT*) {
  if (editor_ == nullptr || context() == nullptr) return;
  setTitle(editor_->title());
  editor_->paint(*context());
}

void DetailWindow::OnSize(int width, int height, UINT) {
  if (editor_ != nullptr) editor_->resize(width, height);
}

void DetailWindow::OnScroll(ScrollAxis axis, int code, int position, HWND) {
  if (editor_ != nullptr) editor_->scroll(axis, code, position);
}

bool DetailWindow::OnClose() {
  if (editor_ != nullptr) editor_->closeRequested();
  return true;
}
