#pragma once
// The sprite window ("스프라이트 창"): the document's sprites as thumbnails, the choice
// of the current sprite (the one the stamp tool places) and adding the sprites of a
// sprite file. Copy, cut, paste and delete stay disabled here.

#include <string>

#include "motion/editor/zorv_list.h"
#include "motion/editor/zorv_settings.h"
#include "motion/motion_document.h"
#include "ui/command_table.h"

class SpriteWindowEditor : public ZorvList {
 public:
  SpriteWindowEditor(MotionDocument& doc, ZorvSettings& settings, ZorvRepaint& repaint,
                     ZorvWindowControl& windows, UserPrompts& prompts);

  // Pop-up ids (menu 122) and the "[" and "]" keys; enabled = menu state.
  const CommandTable& commands() const { return commands_; }
  std::string title() const;
  void paint(DrawContext& dc) const;

  // "스프라이트 추가": asks for a sprite file and inserts its sprites in front of the
  // current one, skipping those already in the set. A file that cannot be read
  // whole adds nothing. True when the file was read.
  bool addSpriteFile();
  // The close box hides the window and turns its setting off.
  void closeRequested();

 private:
  bool ready() const override { return true; }
  int itemCount() const override { return doc_.file.sprites.Count(); }
  int selection() const override { return doc_.file.sprites.CurrentIndex(); }
  void select(int index) override { doc_.file.sprites.SetCurrent(index); }
  ZorvWindow window() const override { return ZorvWindow::SpriteWindow; }

  MotionDocument& doc_;
  ZorvSettings& settings_;
  UserPrompts& prompts_;
  CommandTable commands_;
};
