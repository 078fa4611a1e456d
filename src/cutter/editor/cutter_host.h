#pragma once
// What the sprite cutter's editors ask of the windows around them, in small pieces
// so that each editor takes only what it uses: repaints, showing and focusing the
// windows, and the dialogs. CutterHost joins them with UserPrompts, the frame's part
// of FrameHost and the palette of the drawing surfaces, for the frame editor.
// The Win32 frame implements it; tests script it.

#include "cutter/editor/frame_text.h"
#include "ui/colour_dialog.h"
#include "ui/frame_host.h"
#include "ui/user_prompts.h"

struct PaletteBlock;
class CutSizeDialog;

// Windows named in repaint requests, combined as bits.
enum CutterWindow : int {
  kFrameWindow = 1,  // title, status bar, frame scroll bar
  kCanvasWindow = 2,
  kSpriteWindow = 4,
  kDetailWindow = 8,
  kAllWindows = 15,
  kStatusBar = 16,  // the frame's status texts alone
};

class CutterRepaint {
 public:
  virtual ~CutterRepaint() = default;
  // Invalidates the windows (CutterWindow bits); when each repaints it takes its
  // title, scroll bars and status texts from its editor.
  virtual void repaint(int windows) = 0;
};

class CutterWindowControl {
 public:
  virtual ~CutterWindowControl() = default;
  // Both give the keyboard focus back to the frame.
  virtual void showCanvas(bool visible) = 0;
  virtual void showDetailWindow(bool visible) = 0;
  virtual bool spriteWindowFocused() = 0;
  virtual void focusSpriteWindow() = 0;
  // The sprite window's pop-up menu at a client point of that window; its commands
  // go to CutterSpriteWindowEditor::command.
  virtual void showSpritePopup(int x, int y) = 0;
};

// Modal dialogs over the rules of cut_size_dialog.h and ui/colour_dialog.h; true
// when confirmed.
class CutterDialogs : public ColourDialogHost {
 public:
  virtual bool runCutSizeDialog(CutSizeDialog& dialog) = 0;
};

class CutterHost : public UserPrompts,
                   public FrameHost,
                   public CutterRepaint,
                   public CutterWindowControl,
                   public CutterDialogs {
 public:
  // The palette of the canvas, sprite window and detail window surfaces.
  virtual void usePalette(const PaletteBlock& palette) = 0;
};
