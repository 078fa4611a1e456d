#include "framework/base_window.h"

#include <windowsx.h>

#include <utility>
#include <vector>

#include "framework/common_controls.h"
#include "framework/text_codec.h"
#include "framework/window_list.h"

BaseWindow::BaseWindow() = default;

BaseWindow::~BaseWindow() {
  // Forgotten first, so the messages of a window destroyed here reach the system.
  if (WindowList* list = CurrentWindowList()) list->remove(this);
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void BaseWindow::Setup(HINSTANCE instance, int showCommand, const char* className, BaseWindow* parent) {
  instance_ = instance;
  showCommand_ = showCommand;
  className_ = className != nullptr ? className : "기본윈도우";
  wideClassName_ = Widen(className_);
  parent_ = parent;
  if (WindowList* list = CurrentWindowList()) list->add(this);
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
  if (WindowList* list = CurrentWindowList(); list != nullptr && !list->has(this)) list->add(this);
  HWND parentHandle = parent_ != nullptr ? parent_->hwnd() : nullptr;
  HWND created = CreateWindowExW(extendedStyle, wideClassName_.c_str(), wideClassName_.c_str(), style, x, y,
                                 width, height, parentHandle, menu, instance_, nullptr);
  if (created == nullptr) return 0;
  ShowWindow(created, showCommand_);
  UpdateWindow(created);
  return 1;
}

void BaseWindow::setTitle(const std::string& title) {
  if (hwnd_ != nullptr && title != this->title()) SetWindowTextW(hwnd_, Widen(title).c_str());
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

bool BaseWindow::visible() const {
  return hwnd_ != nullptr && IsWindowVisible(hwnd_);
}

int BaseWindow::clientWidth() const {
  RECT rect{};
  if (hwnd_ != nullptr) GetClientRect(hwnd_, &rect);
  return rect.right - rect.left;
}

int BaseWindow::clientHeight() const {
  RECT rect{};
  if (hwnd_ != nullptr) GetClientRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

RECT BaseWindow::screenRect() const {
  RECT rect{};
  if (hwnd_ != nullptr) GetWindowRect(hwnd_, &rect);
  return rect;
}

void BaseWindow::bindCommands(const CommandTable& table, std::function<bool(int)> run) {
  commands_ = &table;
  runCommand_ = std::move(run);
}

const CommandTable& BaseWindow::commands() const {
  static const CommandTable none;
  return commands_ != nullptr ? *commands_ : none;
}

void BaseWindow::OnCommand(WPARAM wParam) {
  const int id = LOWORD(wParam);
  // A greyed or unknown command does nothing, not even what the editor does first.
  if (!commands().enabled(id)) return;
  if (runCommand_)
    runCommand_(id);
  else
    commands().execute(id);
}

void BaseWindow::applyMenuState(HMENU menu) const {
  if (menu == nullptr) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      applyMenuState(sub);
      continue;
    }
    const UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1) || !commands().contains(static_cast<int>(id))) continue;
    EnableMenuItem(menu, id,
                   MF_BYCOMMAND | (commands().enabled(static_cast<int>(id)) ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, id,
                  MF_BYCOMMAND | (commands().checked(static_cast<int>(id)) ? MF_CHECKED : MF_UNCHECKED));
  }
}

void BaseWindow::OnInitMenuPopup(HMENU menu) {
  applyMenuState(menu);
}

void BaseWindow::trackPopupMenu(HMENU menu, int x, int y) {
  if (menu == nullptr || hwnd_ == nullptr) return;
  POINT point{x, y};
  ClientToScreen(hwnd_, &point);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, hwnd_, nullptr);
}

void BaseWindow::dropFiles(HDROP drop) {
  std::vector<DroppedFile> files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    files.push_back(DroppedFile{
        Narrow(path), attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  }
  DragFinish(drop);
  OnDropFiles(files);
}

namespace {

// The 32-bit thumb position of a scroll message (the message itself carries 16 bits).
int ThumbPosition(HWND window, int bar, int code, int position16) {
  if (code != kScrollThumbTrack && code != kScrollThumbPosition) return position16;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_TRACKPOS | SIF_POS;
  if (!GetScrollInfo(window, bar, &info)) return position16;
  return code == kScrollThumbTrack ? info.nTrackPos : info.nPos;
}

}  // namespace

bool BaseWindow::handleTyped(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam), static_cast<UINT>(wParam));
      return true;
    case WM_MOUSEMOVE:
      lastMouseX_ = GET_X_LPARAM(lParam);
      lastMouseY_ = GET_Y_LPARAM(lParam);
      OnMouseMove(lastMouseX_, lastMouseY_);
      return true;
    case WM_LBUTTONDOWN:
      lastMouseX_ = GET_X_LPARAM(lParam);
      lastMouseY_ = GET_Y_LPARAM(lParam);
      dragging_ = true;
      SetCapture(hwnd_);
      OnLeftDown(lastMouseX_, lastMouseY_);
      return true;
    case WM_LBUTTONUP:
      lastMouseX_ = GET_X_LPARAM(lParam);
      lastMouseY_ = GET_Y_LPARAM(lParam);
      dragging_ = false;
      if (GetCapture() == hwnd_) ReleaseCapture();
      OnLeftUp(lastMouseX_, lastMouseY_);
      return true;
    case WM_CAPTURECHANGED:
      // Another window took the mouse in the middle of a drag: end it where the mouse
      // was last seen, so no drag stays open with the button already up.
      if (dragging_ && reinterpret_cast<HWND>(lParam) != hwnd_) {
        dragging_ = false;
        OnLeftUp(lastMouseX_, lastMouseY_);
      }
      return true;
    case WM_RBUTTONDOWN:
      OnRightDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return true;
    case WM_MOUSEWHEEL: {
      // The wheel message goes to the focused window; the user means the window under
      // the pointer, so it goes on there when that is another window of this program.
      static bool forwarding = false;
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const HWND under = WindowFromPoint(at);
      DWORD process = 0;
      if (!forwarding && under && under != hwnd_ && GetWindowThreadProcessId(under, &process) &&
          process == GetCurrentProcessId()) {
        forwarding = true;
        SendMessageW(under, WM_MOUSEWHEEL, wParam, lParam);
        forwarding = false;
        return true;
      }
      OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam));
      return true;
    }
    case WM_KEYDOWN:
      return OnKeyDown(static_cast<UINT>(wParam));
    case WM_HSCROLL:
    case WM_VSCROLL: {
      const ScrollAxis axis = message == WM_HSCROLL ? ScrollAxis::Horizontal : ScrollAxis::Vertical;
      HWND control = reinterpret_cast<HWND>(lParam);
      const int code = LOWORD(wParam);
      const int bar = control != nullptr ? SB_CTL : (axis == ScrollAxis::Horizontal ? SB_HORZ : SB_VERT);
      OnScroll(axis, code, ThumbPosition(control != nullptr ? control : hwnd_, bar, code, HIWORD(wParam)),
               control);
      return true;
    }
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return true;
    case WM_CLOSE:
      return OnClose();
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      LRESULT result = 0;
      if (header == nullptr || !OnNotify(*header, result)) return false;
      setResult(result);
      return true;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      StatusBar* bar = item != nullptr ? StatusBar::ofItem(*item) : nullptr;
      if (bar == nullptr) return false;
      bar->drawPart(*item);
      return true;
    }
    case WM_DROPFILES:
      dropFiles(reinterpret_cast<HDROP>(wParam));
      return true;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return true;
    default:
      return false;
  }
}

int BaseWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 1;
    case WM_DESTROY:
      OnDestroy();
      if (quitOnDestroy_) PostQuitMessage(0);
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
      return handleTyped(message, wParam, lParam) ? 1 : 0;
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
  if (message == WM_NCDESTROY) {
    // The handle dies with this message; a later window may be given the same value,
    // and the application forgets the window until it is created again.
    hwnd_ = nullptr;
    dragging_ = false;
    if (WindowList* list = CurrentWindowList()) list->remove(this);
  }
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
    if (const WindowList* list = CurrentWindowList()) {
      // A copy: handlers may set up new windows while this message is dispatched.
      std::vector<BaseWindow*> windows = list->windows();
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

std::vector<std::string> PathsOf(const std::vector<DroppedFile>& files) {
  std::vector<std::string> paths;
  for (const DroppedFile& file : files) paths.push_back(file.path);
  return paths;
}
