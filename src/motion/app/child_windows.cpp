#include "motion/app/child_windows.h"

#include "framework/leave_check.h"

void CanvasWindow::presentFrame() {
  if (canvas_ != nullptr) setZoom(static_cast<float>(canvas_->zoom()));
  presentNow();
}

void CanvasWindow::OnCreate() {
  StartLeaveCheck(hwnd());
}

void CanvasWindow::OnDestroy() {
  StopLeaveCheck(hwnd());
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
  if (canvas_ == nullptr) return;
  if (const auto facts = LeaveCheckTick(hwnd(), id)) canvas_->leaveCheck(*facts);
}
