#pragma once
// A list window of the motion editor (the motion window, the sprite window): the
// shared thumbnail list, which tells the windows what to repaint and focus.

#include "motion/editor/editor_host.h"
#include "ui/thumbnail_list.h"

class ZorvList : public ThumbnailList {
 public:
  ZorvList(ZorvRepaint& repaint, ZorvWindowControl& windows) : repaint_(repaint), windows_(windows) {}

 protected:
  virtual ZorvWindow window() const = 0;
  void takeFocus() override {
    if (windows_.focusedWindow() != window()) windows_.focus(window());
  }
  void repaintList() override {
    repaint_.repaint(window() == ZorvWindow::MotionWindow ? kRepaintMotionWindow : kRepaintSpriteWindow);
  }
  // The canvas shows what is selected, so every window follows.
  void laidOut() override { repaint_.repaint(kRepaintAll); }

  ZorvRepaint& repaint_;
  ZorvWindowControl& windows_;
};
