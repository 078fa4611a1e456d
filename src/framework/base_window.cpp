#include "framework/base_window.h"

#include <vector>

#include "framework/app.h"
#include "framework/text_codec.h"

BaseWindow::BaseWindow() = default;
BaseWindow::~BaseWindow() = default;

void BaseWindow::Setup(HINSTANCE instance, int showCommand, const char* className, BaseWindow* parent) {
  instance_ = instance;
  showCommand_ = showCommand;
  className_ = className != nullptr ? className : "기본윈도우";
  wideClassName_ = Widen(className_);
  parent_ = parent;
  if (App* app = TheApp()) app->addWindow(this);
}

void BaseWindow::SetClass(int backgroundStockObject, int iconId, int cursorId, int menuId) {
  class_ = WNDCLASSEXW{};
  class_.cbSize = sizeof(class_);
  class_.style = CS_HREDRAW | CS_VREDRAW;
  class_.lpfnWndProc = SharedWindowProc;
  class_.hInstance = instance_;
  if (iconId < 0) {
    class_.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
    class_.hIconSm = class_.hIcon;
  } else {
    class_.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(iconId));
    class_.hIconSm =
        static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  }
  class_.hCursor = cursorId < 0 ? LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))  // IDC_ARROW
                                : LoadCursorW(instance_, MAKEINTRESOURCEW(cursorId));
  class_.hbrBackground =
      backgroundStockObject < 0 ? nullptr : static_cast<HBRUSH>(GetStockObject(backgroundStockObject));
  class_.lpszMenuName = menuId < 0 ? nullptr : MAKEINTRESOURCEW(menuId);
}

int BaseWindow::CreateWindowed(DWORD style, DWORD extendedStyle, int x, int y, int width, int height,
                               HMENU menu) {
  if (instance_ == nullptr) return 0;
  if (class_.lpfnWndProc == nullptr) SetClass(-1, -1, -1, -1);
  class_.lpszClassName = wideClassName_.c_str();
  if (RegisterClassExW(&class_) == 0) return 0;
  HWND parentHandle = parent_ != nullptr ? parent_->hwnd() : nullptr;
  HWND created = CreateWindowExW(extendedStyle, wideClassName_.c_str(), wideClassName_.c_str(), style, x, y,
                                 width, height, parentHandle, menu, instance_, nullptr);
  if (created == nullptr) return 0;
  ShowWindow(created, showCommand_);
  UpdateWindow(created);
  return 1;
}

void BaseWindow::setTitle(const std::string& title) {
  if (hwnd_ != nullptr) SetWindowTextW(hwnd_, Widen(title).c_str());
}

std::string BaseWindow::title() const {
  if (hwnd_ == nullptr) return {};
  int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return Narrow(text);
}

void BaseWindow::invalidate(bool erase) {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE);
}

int BaseWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 1;
    case WM_DESTROY:
      OnDestroy();
      PostQuitMessage(0);
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      OnPaint(dc, &paint);
      EndPaint(hwnd_, &paint);
      return 1;
    }
    case WM_COMMAND:
      OnCommand(wParam);
      return 1;
    default:
      return 0;
  }
}

LRESULT BaseWindow::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  hwnd_ = hwnd;
  lastMessage_ = message;
  lastWParam_ = wParam;
  lastLParam_ = lParam;
  result_ = 0;
  LRESULT result =
      HandleMessage(message, wParam, lParam) != 0 ? result_ : DefWindowProcW(hwnd, message, wParam, lParam);
  // The handle dies with this message; a later window may be given the same value.
  if (message == WM_NCDESTROY) hwnd_ = nullptr;
  return result;
}

namespace {

BaseWindow* FindTarget(const std::vector<BaseWindow*>& windows, HWND hwnd, UINT message, LPARAM lParam) {
  for (BaseWindow* window : windows) {
    if (window->hwnd() == hwnd) return window;
  }
  if (message != WM_CREATE) return nullptr;
  // Only a window not yet bound may take a new handle: one class name, one window.
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
  if (create == nullptr || IS_INTRESOURCE(create->lpszClass)) return nullptr;
  std::string className = Narrow(create->lpszClass);
  for (BaseWindow* window : windows) {
    if (window->hwnd() == nullptr && window->className() == className) return window;
  }
  return nullptr;
}

}  // namespace

LRESULT CALLBACK SharedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    App* app = TheApp();
    if (app != nullptr) {
      // A copy: handlers may set up new windows while this message is dispatched.
      std::vector<BaseWindow*> windows = app->windows();
      if (BaseWindow* target = FindTarget(windows, hwnd, message, lParam)) {
        return target->Dispatch(hwnd, message, wParam, lParam);
      }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  } catch (...) {
    // No exception may unwind through the system's frames.
    return message == WM_CREATE ? -1 : 0;
  }
}
