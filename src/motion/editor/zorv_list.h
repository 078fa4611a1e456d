#pragma once
// A list window of the motion editor (the motion window, the sprite window): the
// shared thumbnail list, which tells the host what to repaint and focus.

#include "motion/editor/editor_host.h"
#include "ui/thumbnail_list.h"

class ZorvList : public ThumbnailList {
 public:
  explicit ZorvList(ZorvHost& host) : host_(host) {}

 protected:
  virtual ZorvWindow window() const = 0;
  void takeFocus() override {
    if (host_.focusedWindow() != window()) host_.focus(window());
  }
  void repaintList() override {
    host_.repaint(window() == ZorvWindow::MotionWindow ? kRepaintMotionWindow : kRepaintSpriteWindow);
  }
  // The canvas shows what is selected, so every window follows.
  void laidOut() override { host_.repaint(kRepaintAll); }

  ZorvHost& host_;
};
