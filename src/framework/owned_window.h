#pragma once
// A tool window a frame owns (the list windows and the detail window): caption,
// system menu, sizing border and sunken client edge, its own icon, created at a
// remembered screen rectangle, which it writes back when it is destroyed. It never
// ends the program; what its close box does is the subclass's choice (OnClose).

#include "framework/draw_window.h"
#include "ui/settings_block.h"

struct OwnedWindowStyle {
  DWORD style = 0;          // added to caption, system menu and sizing border
  DWORD extendedStyle = 0;  // added to the sunken client edge
};

class OwnedToolWindow : public DrawWindow {
 public:
  OwnedToolWindow();

  // Sets up and creates the window owned by `frame` at `*rect` (screen coordinates),
  // shown without activation when `shown`. On destruction the window's rectangle is
  // written back to `*rect`, which must outlive the window.
  bool createOwned(BaseWindow* frame, const char* className, int iconId, WindowRect* rect, bool shown,
                   const OwnedWindowStyle& extra = {});
  // Shows (without taking the focus) or hides the window.
  void show(bool shown);

  int HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  WindowRect* rect_ = nullptr;
};
