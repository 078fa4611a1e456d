#pragma once
// The sprite window ("스프라이트 창"): every sprite of the document as a thumbnail in
// a grid of 61 x 61 cells, the selection (also where the next cut or paste goes,
// the set's current index, count being the empty end slot), a hold for copy, cut
// and paste inside the set, and merging the sprites of another sprite file. Its
// commands (pop-up menu 105 and the keys the frame passes on) are one table whose
// rows also answer the menu state.

#include <string>

#include "cutter/editor/cutter_document.h"
#include "cutter/editor/cutter_host.h"
#include "cutter/editor/cutter_settings.h"
#include "graphics/draw_context.h"
#include "ui/clipboard_mode.h"
#include "ui/command_table.h"
#include "ui/scroll_bar_state.h"
#include "ui/thumbnail_grid.h"

class DetailWindowEditor;

class CutterSpriteWindowEditor {
 public:
  CutterSpriteWindowEditor(CutterDocument& document, CutterSettings& settings, DetailWindowEditor& detail,
                           CutterHost& host);

  // The client area changed size.
  void resize(int clientWidth, int clientHeight);
  // After every change of the set: the grid is measured again, the selected cell
  // brought into view, the detail window laid out again.
  void relayout();
  void ensureSelectionVisible();
  void scroll(int code, int thumb);
  // A mouse-wheel delta: one row per notch.
  void wheel(int delta);
  void leftDown(int x, int y);
  // Selects like a left click, then opens the pop-up menu at the point.
  void rightDown(int x, int y);

  // A command of the pop-up menu or one the frame passes on; the window takes the
  // keyboard focus first. False when the command is unknown or greyed.
  bool command(int id);
  const CommandTable& commands() const { return commands_; }

  // Forgets the held sprite; the frame calls it whenever it replaces or empties the
  // set.
  void dropHold();
  // Drops the hold when an undo or redo took the held sprite out of the set.
  void forgetHoldIfGone();
  const Sprite* heldSprite() const { return held_; }
  ClipboardMode holdMode() const { return mode_; }

  std::string title() const;
  ScrollBarState scrollBar() const;
  const ThumbnailGrid& grid() const { return grid_; }
  int selection() const { return doc_.sprites.CurrentIndex(); }
  bool spriteSelected() const { return doc_.sprites.Current() != nullptr; }

  // Background, the visible cells only, the hold's marks and the selection outline.
  void paint(DrawContext& dc) const;

 private:
  void buildCommands();
  void selectNext(int step);
  void hold(ClipboardMode mode);
  void removeSelected();
  void paste();
  void merge();
  void changed();

  CutterDocument& doc_;
  CutterSettings& settings_;
  DetailWindowEditor& detail_;
  CutterHost& host_;
  ThumbnailGrid grid_;
  CommandTable commands_;
  const Sprite* held_ = nullptr;
  ClipboardMode mode_ = ClipboardMode::Empty;
};
