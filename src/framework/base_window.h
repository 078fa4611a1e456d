#pragma once
// The base of every window of both programs. A window object registers its own
// window class and receives its messages through virtual handlers; one shared window
// procedure routes each message to its object by window handle, and binds a newly
// created window to its object by class name on the creation message.
//
// HandleMessage turns the messages into typed handlers (size, mouse, keys, scroll
// bars, timer, close, notifications, dropped files, menus), so a window overrides
// only what it handles. Commands run through the window's command table, which also
// greys and checks its menu entries when a menu opens; a greyed command does nothing
// whether it comes from the menu, a tool-bar button or a key.

#include <functional>
#include <string>
#include <vector>

#include "framework/file_chooser.h"
#include "framework/win32.h"
#include "ui/command_table.h"
#include "ui/scroll_code.h"

// A file dropped on a window: its path (CP949) and whether it names a folder.
struct DroppedFile {
  std::string path;
  bool directory = false;
};
// The paths alone, for editors that tell folders apart themselves.
std::vector<std::string> PathsOf(const std::vector<DroppedFile>& files);

class BaseWindow {
 public:
  BaseWindow();
  virtual ~BaseWindow();
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  // Non-zero when the message was handled (the window procedure then returns the
  // value given to setResult, 0 unless set); zero passes it to the system. The
  // default calls the handlers below.
  virtual int HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void OnCreate() {}
  virtual void OnDestroy() {}
  virtual void OnPaint(HDC, PAINTSTRUCT*) {}
  // The command message's first parameter. The default runs the command table.
  virtual void OnCommand(WPARAM wParam);
  // Idle work of the window; true while more is pending.
  virtual bool Idle() { return false; }

  // Typed handlers. Mouse positions are client coordinates and may lie outside the
  // client area while the left button is held: the window keeps the mouse captured
  // from left button down to up, so a drag that leaves the window still ends here.
  virtual void OnSize(int /*width*/, int /*height*/, UINT /*kind*/) {}
  virtual void OnMouseMove(int /*x*/, int /*y*/) {}
  virtual void OnLeftDown(int /*x*/, int /*y*/) {}
  virtual void OnLeftUp(int /*x*/, int /*y*/) {}
  virtual void OnRightDown(int /*x*/, int /*y*/) {}
  // The wheel, in 120ths of a notch (a fine wheel sends less), with the MK_ key flags;
  // it reaches the window under the pointer.
  virtual void OnMouseWheel(int /*delta*/, UINT /*keys*/) {}
  // True when the key was used.
  virtual bool OnKeyDown(UINT /*key*/) { return false; }
  // A window scroll bar (control null) or a scroll-bar control. `position` is the
  // 32-bit thumb position for the thumb codes.
  virtual void OnScroll(ScrollAxis /*axis*/, int /*code*/, int /*position*/, HWND /*control*/) {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  // True keeps the window: the close box or Alt+F4 then does nothing more. False lets
  // the system destroy the window.
  virtual bool OnClose() { return false; }
  // True when handled; `result` is what the notification returns.
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // Paths already converted; folders marked.
  virtual void OnDropFiles(const std::vector<DroppedFile>& /*files*/) {}
  // A menu is about to open. The default greys and checks its entries from the table.
  virtual void OnInitMenuPopup(HMENU menu);

  // Set-up, in this order. A null class name gives "기본윈도우".
  void Setup(HINSTANCE instance, int showCommand, const char* className, BaseWindow* parent);
  // Negative values give: no background brush, the system application icon, the
  // arrow cursor, no menu.
  void SetClass(int backgroundStockObject, int iconId, int cursorId, int menuId);
  // Registers the class and creates the window with the class name as its caption,
  // then shows and updates it. Returns 0 (and creates nothing) without an instance
  // or when the class cannot be registered, which happens for a second window of the
  // same class name. A top-level window with a parent is owned by it.
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
  // Connects the window to its editor's command table, which outlives it: command
  // messages run the table's rows, through `run` when the editor does something
  // first, and menus and tool bars are greyed and checked from it.
  void bindCommands(const CommandTable& table, std::function<bool(int)> run = {});
  // The bound table; an empty one before binding.
  const CommandTable& commands() const;

  // Greys and checks every entry of the menu (and its sub-menus) the table knows.
  void applyMenuState(HMENU menu) const;
  // Opens a pop-up menu at a client point, tracked with the right button; the chosen
  // command comes back to this window.
  void trackPopupMenu(HMENU menu, int x, int y);

  // Sets the window's caption from a CP949 text (only when it changed).
  void setTitle(const std::string& title);
  std::string title() const;
  virtual void invalidate(bool erase = true);
  bool visible() const;
  // The size of the client area.
  int clientWidth() const;
  int clientHeight() const;
  // The window's rectangle in screen coordinates.
  RECT screenRect() const;
  // Whether the window posts the quit message when it is destroyed (the default; the
  // windows a frame owns turn it off).
  void setQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }
  bool quitsOnDestroy() const { return quitOnDestroy_; }

  // Stores the message and calls HandleMessage; what the shared procedure calls.
  LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  void setResult(LRESULT result) { result_ = result; }

 private:
  bool handleTyped(UINT message, WPARAM wParam, LPARAM lParam);
  void dropFiles(HDROP drop);

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
  const CommandTable* commands_ = nullptr;
  std::function<bool(int)> runCommand_;
  LRESULT result_ = 0;
  bool quitOnDestroy_ = true;
  bool dragging_ = false;
  int lastMouseX_ = 0;
  int lastMouseY_ = 0;
};

// The window procedure of every class of both programs.
LRESULT CALLBACK SharedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
