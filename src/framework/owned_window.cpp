#include "framework/owned_window.h"

OwnedToolWindow::OwnedToolWindow() {
  setQuitOnDestroy(false);
}

bool OwnedToolWindow::createOwned(BaseWindow* frame, const char* className, int iconId, WindowRect* rect,
                                  bool shown, const OwnedWindowStyle& extra) {
  rect_ = rect;
  Setup(frame != nullptr ? frame->instance() : nullptr, shown ? SW_SHOWNOACTIVATE : SW_HIDE, className, frame);
  SetClass(-1, iconId, -1, -1);
  const WindowRect at = rect != nullptr ? *rect : WindowRect{0, 0, 250, 150};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | extra.style;
  return CreateWindowed(style, WS_EX_CLIENTEDGE | extra.extendedStyle, at.left, at.top, at.right - at.left,
                        at.bottom - at.top, nullptr) != 0;
}

void OwnedToolWindow::show(bool shown) {
  if (hwnd() != nullptr) ShowWindow(hwnd(), shown ? SW_SHOWNOACTIVATE : SW_HIDE);
}

int OwnedToolWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && rect_ != nullptr && hwnd() != nullptr) {
    const RECT r = screenRect();
    *rect_ = WindowRect{r.left, r.top, r.right, r.bottom};
  }
  return DrawWindow::HandleMessage(message, wParam, lParam);
}
