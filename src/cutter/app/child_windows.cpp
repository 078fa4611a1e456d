#include "cutter/app/child_windows.h"

int OwnedListWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    ShowWindow(hwnd(), SW_HIDE);
    return 1;
  }
  return DrawWindow::HandleMessage(message, wParam, lParam);
}
