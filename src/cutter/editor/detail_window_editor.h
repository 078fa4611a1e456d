#pragma once
// The detail window ("자세히 보기 창"): the selected sprite at full size with an
// outline just outside it, centred on an axis where it is smaller than the client
// area and scrolled (line 15, page 30 pixels) where it is larger.

#include <string>

#include "cutter/editor/cutter_document.h"
#include "cutter/editor/cutter_host.h"
#include "cutter/editor/cutter_settings.h"
#include "graphics/draw_context.h"
#include "ui/scroll_bar_state.h"
#include "ui/scroll_code.h"

class DetailWindowEditor {
 public:
  DetailWindowEditor(CutterDocument& document, CutterSettings& settings, CutterRepaint& repaint,
                     CutterWindowControl& windows);

  void resize(int clientWidth, int clientHeight);
  // After the selection or the set changed: ranges for the selected sprite, offsets
  // 0 or centring, repaint.
  void relayout();
  void scroll(ScrollAxis axis, int code, int thumb);
  // The close box hides the window and turns the setting off.
  void closeRequested();

  std::string title() const;
  ScrollBarState scrollBar(ScrollAxis axis) const;
  // View offsets: negative when the sprite is centred.
  int offsetX() const { return offsetX_; }
  int offsetY() const { return offsetY_; }

  void paint(DrawContext& dc) const;

 private:
  int spriteSize(ScrollAxis axis) const;
  int clientSize(ScrollAxis axis) const {
    return axis == ScrollAxis::Horizontal ? clientWidth_ : clientHeight_;
  }
  int scrollMax(ScrollAxis axis) const;

  CutterDocument& doc_;
  CutterSettings& settings_;
  CutterRepaint& repaint_;
  CutterWindowControl& windows_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int offsetX_ = 0;
  int offsetY_ = 0;
};
