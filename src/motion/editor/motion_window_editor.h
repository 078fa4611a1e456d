#pragma once
// The motion window ("동작 창"): the motions of the current bundle as thumbnails, the
// selection of the bundle's current motion, and the commands on motions: copy,
// info-only copy, cut, paste, delete and set as shadow, from its pop-up menu and
// from the keys the frame passes on while it has the focus.

#include <functional>
#include <string>

#include "motion/editor/zorv_list.h"
#include "motion/editor/zorv_settings.h"
#include "motion/motion_document.h"
#include "ui/command_table.h"

class MotionWindowEditor : public ZorvList {
 public:
  MotionWindowEditor(MotionDocument& doc, const ZorvSettings& settings, ZorvRepaint& repaint,
                     ZorvWindowControl& windows);

  // Pop-up ids (menu 123) and the key ids the frame passes on; enabled = menu state.
  const CommandTable& commands() const { return commands_; }
  std::string title() const;
  void paint(DrawContext& dc) const;

  // Told after a paste or a delete that changed the bundle (the frame's command 1000).
  std::function<void()> motionsChanged;

 private:
  bool ready() const override { return doc_.file.current() != nullptr; }
  int itemCount() const override;
  int selection() const override;
  void select(int index) override;
  ZorvWindow window() const override { return ZorvWindow::MotionWindow; }

  bool hasMotion() const { return doc_.currentMotion() != nullptr; }
  void mark(ClipboardMode mode);
  // Paste and delete: the frame hears of a change, the grid is laid out again.
  void change(bool changed);

  MotionDocument& doc_;
  const ZorvSettings& settings_;
  CommandTable commands_;
};
