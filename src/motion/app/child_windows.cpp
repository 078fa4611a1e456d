#include "motion/app/child_windows.h"

namespace {
// The check that forgets the mouse once it has left the canvas.
constexpr UINT_PTR kMouseCheckTimer = 1;
constexpr UINT kMouseCheckMilliseconds = 500;
}  // namespace

void CanvasWindow::presentFrame() {
  if (canvas_ != nullptr) setZoom(static_cast<float>(canvas_->zoom()));
  presentNow();
}

void CanvasWindow::OnCreate() {
  SetTimer(hwnd(), kMouseCheckTimer, kMouseCheckMilliseconds, nullptr);
}

void CanvasWindow::OnDestroy() {
  KillTimer(hwnd(), kMouseCheckTimer);
}

void CanvasWindow::OnPaint(HDC, PAINTSTRUCT*) {
  if (canvas_ == nullptr || context() == nullptr) return;
  setZoom(static_cast<float>(canvas_->zoom()));
  canvas_->paint(*context());
}

void CanvasWindow::OnSize(int width, int height, UINT) {
  if (canvas_ != nullptr) canvas_->resize(width, height);
}

void CanvasWindow::OnMouseMove(int x, int y) {
  if (canvas_ != nullptr) canvas_->mouseMove(x, y);
}

void CanvasWindow::OnLeftDown(int x, int y) {
  if (canvas_ != nullptr) canvas_->leftDown(x, y);
}

void CanvasWindow::OnLeftUp(int, int) {
  if (canvas_ != nullptr) canvas_->leftUp();
}

void CanvasWindow::OnRightDown(int, int) {
  if (canvas_ != nullptr) canvas_->rightDown();
}

void CanvasWindow::OnTimer(UINT_PTR id) {
  if (canvas_ == nullptr || id != kMouseCheckTimer) return;
  POINT screen{};
  GetCursorPos(&screen);
  POINT client = screen;
  ScreenToClient(hwnd(), &client);
  RECT area{};
  GetClientRect(hwnd(), &area);
  // Inside means over this window's client area, not over a window in front of it.
  const bool inside = PtInRect(&area, client) && WindowFromPoint(screen) == hwnd();
  canvas_->checkMouseLeft(inside, client.x, client.y);
}
