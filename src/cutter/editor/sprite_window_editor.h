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
#include "ui/thumbnail_list.h"

class DetailWindowEditor;

class CutterSpriteWindowEditor : public ThumbnailList {
 public:
  CutterSpriteWindowEditor(CutterDocument& document, CutterSettings& settings, DetailWindowEditor& detail,
                           CutterRepaint& repaint, CutterWindowControl& windows, UserPrompts& prompts);

  // relayout() after every change of the set: the grid is measured again, the
  // selected cell brought into view, the detail window laid out again.
  using ThumbnailList::ensureSelectionVisible;
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
  int selection() const override { return doc_.sprites.CurrentIndex(); }
  bool spriteSelected() const { return doc_.sprites.Current() != nullptr; }

  // Background, the visible cells only, the hold's marks and the selection outline.
  void paint(DrawContext& dc) const;

 private:
  int itemCount() const override { return doc_.sprites.Count(); }
  void select(int index) override { doc_.sprites.SetCurrent(index); }
  void takeFocus() override;
  void repaintList() override;
  void laidOut() override;

  void buildCommands();
  void hold(ClipboardMode mode);
  void removeSelected();
  void paste();
  void merge();
  void changed();

  CutterDocument& doc_;
  CutterSettings& settings_;
  DetailWindowEditor& detail_;
  CutterRepaint& repaint_;
  CutterWindowControl& windows_;
  UserPrompts& prompts_;
  CommandTable commands_;
  const Sprite* held_ = nullptr;
  ClipboardMode mode_ = ClipboardMode::Empty;
};
