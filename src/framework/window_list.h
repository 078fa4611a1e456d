#pragma once
// Every window set up so far, in the order of set-up, and the main window. The
// application owns one list; the windows and the shared window procedure reach it
// through CurrentWindowList, so they need not know the application.

#include <vector>

class BaseWindow;

class WindowList {
 public:
  // Set-up appends a window and counts it; a destroyed window is forgotten (it is
  // added again when created anew), so the list never holds a dangling entry.
  void add(BaseWindow* window);
  void remove(BaseWindow* window);
  bool has(const BaseWindow* window) const;
  const std::vector<BaseWindow*>& windows() const { return windows_; }
  // Incremented by every set-up, never decremented.
  int count() const { return count_; }

  // The window whose accelerators the loop translates; forgotten with the window.
  BaseWindow* main() const { return main_; }
  void setMain(BaseWindow* window) { main_ = window; }

 private:
  int count_ = 0;
  BaseWindow* main_ = nullptr;
  std::vector<BaseWindow*> windows_;
};

// The running application's list; null outside AppMain.
WindowList* CurrentWindowList();
void SetCurrentWindowList(WindowList* list);
