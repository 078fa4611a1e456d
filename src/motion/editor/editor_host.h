#pragma once
// What the motion editor asks of the windows and the system, in small pieces so that
// each editor takes only what it uses: repaints, showing and focusing the windows,
// and the dialogs. ZorvHost joins them with the user prompts, the frame's part of
// FrameHost, sounds and pauses, the surfaces' palette and clear colour, presenting
// playback frames and the bundle selector. The Win32 frame implements it; tests
// script it.

#include "graphics/draw_context.h"
#include "motion/editor/sound_sink.h"
#include "sprites/palette.h"
#include "ui/colour_dialog.h"
#include "ui/frame_host.h"
#include "ui/user_prompts.h"

class NewBundleDialog;
class DelayDialog;
class SoundDialog;
class FlagsDialog;
class EffectsDialog;
class GifExportDialog;

// The windows of the editor, for repaints and focus.
enum class ZorvWindow { Frame, Canvas, MotionWindow, SpriteWindow };

// What to repaint; the frame part covers its title and status bar.
enum RepaintFlag : unsigned {
  kRepaintFrame = 1,
  kRepaintCanvas = 2,
  kRepaintMotionWindow = 4,
  kRepaintSpriteWindow = 8,
  kRepaintBundleSelector = 16,  // refill from the frame's bundle names
  kRepaintAll = 31,
  // Only the status bar's texts: a mouse move changes nothing else of the frame.
  kRepaintStatus = 32,
};

class ZorvRepaint {
 public:
  virtual ~ZorvRepaint() = default;
  // Invalidates the windows named by RepaintFlag bits.
  virtual void repaint(unsigned windows) = 0;
};

class ZorvWindowControl {
 public:
  virtual ~ZorvWindowControl() = default;
  // The canvas and the motion window are shown and hidden together; afterwards the
  // main frame has the keyboard focus.
  virtual void showCanvas(bool show) = 0;
  virtual void showSpriteWindow(bool show) = 0;
  virtual ZorvWindow focusedWindow() const = 0;
  virtual void focus(ZorvWindow window) = 0;
};

// Modal dialogs: true for OK. The dialog objects hold their values in and out and
// check them when OK is pressed.
class ZorvDialogs : public ColourDialogHost {
 public:
  virtual bool runNewBundleDialog(NewBundleDialog& dialog) = 0;
  virtual bool runDelayDialog(DelayDialog& dialog) = 0;
  virtual bool runSoundDialog(SoundDialog& dialog) = 0;
  virtual bool runFlagsDialog(FlagsDialog& dialog) = 0;
  virtual bool runEffectsDialog(EffectsDialog& dialog) = 0;
  virtual bool runGifExportDialog(GifExportDialog& dialog) = 0;
};

class ZorvHost : public UserPrompts,
                 public FrameHost,
                 public SoundSink,
                 public Sleeper,
                 public ZorvRepaint,
                 public ZorvWindowControl,
                 public ZorvDialogs {
 public:
  // The palette and the clear colour of the canvas, motion window and sprite window.
  virtual void usePalette(const PaletteBlock& palette) = 0;
  virtual void setBackground(int index) = 0;
  // Playback draws outside painting: into the canvas's context, then presented at
  // the canvas zoom. Null when there is no canvas surface.
  virtual DrawContext* canvasContext() = 0;
  virtual void presentCanvas() = 0;
  // The bundle selector's selected row, read when it reports a change.
  virtual int bundleSelectorIndex() const = 0;
};
