#pragma once
// The base of every window of both programs. A window object registers its own
// window class and receives its messages through virtual handlers; one shared window
// procedure routes each message to its object by window handle, and binds a newly
// created window to its object by class name on the creation message.

#include <string>

#include "framework/file_chooser.h"
#include "framework/win32.h"

class BaseWindow {
 public:
  BaseWindow();
  virtual ~BaseWindow();
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  // Non-zero when the message was handled (the window procedure then returns the
  // value given to setResult, 0 unless set); zero passes it to the system.
  virtual int HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnCreate() {}
  virtual void OnDestroy() {}
  virtual void OnPaint(HDC, PAINTSTRUCT*) {}
  virtual void OnCommand(WPARAM) {}
  // Idle work of the window; true while more is pending.
  virtual bool Idle() { return false; }

  // Set-up, in this order. A null class name gives "기본윈도우".
  void Setup(HINSTANCE instance, int showCommand, const char* className, BaseWindow* parent);
  // Negative values give: no background brush, the system application icon, the
  // arrow cursor, no menu.
  void SetClass(int backgroundStockObject, int iconId, int cursorId, int menuId);
  // Registers the class and creates the window with the class name as its caption,
  // then shows and updates it. Returns 0 (and creates nothing) without an instance
  // or when the class cannot be registered, which happens for a second window of the
  // same class name.
  int CreateWindowed(DWORD style, DWORD extendedStyle, int x, int y, int width, int height, HMENU menu);

  HWND hwnd() const { return hwnd_; }
  HINSTANCE instance() const { return instance_; }
  BaseWindow* parent() const { return parent_; }
  const std::string& className() const { return className_; }
  int showCommand() const { return showCommand_; }
  UINT lastMessage() const { return lastMessage_; }
  WPARAM lastWParam() const { return lastWParam_; }
  LPARAM lastLParam() const { return lastLParam_; }
  FileChooser& fileChooser() { return fileChooser_; }

  // Sets the window's caption from a CP949 text.
  void setTitle(const std::string& title);
  std::string title() const;
  void invalidate(bool erase = true);

  // Stores the message and calls HandleMessage; what the shared procedure calls.
  LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  void setResult(LRESULT result) { result_ = result; }

 private:
  BaseWindow* parent_ = nullptr;
  HWND hwnd_ = nullptr;
  HINSTANCE instance_ = nullptr;
  WNDCLASSEXW class_{};
  std::string className_ = "기본윈도우";
  std::wstring wideClassName_;
  int showCommand_ = SW_SHOWNORMAL;
  UINT lastMessage_ = 0;
  WPARAM lastWParam_ = 0;
  LPARAM lastLParam_ = 0;
  FileChooser fileChooser_;
  LRESULT result_ = 0;
};

// The window procedure of every class of both programs.
LRESULT CALLBACK SharedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
