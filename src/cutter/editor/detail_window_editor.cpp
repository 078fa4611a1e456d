#include "cutter/editor/detail_window_editor.h"

#include <algorithm>
#include <cstdio>

DetailWindowEditor::DetailWindowEditor(CutterDocument& document, CutterSettings& settings,
                                       CutterRepaint& repaint, CutterWindowControl& windows)
    : doc_(document), settings_(settings), repaint_(repaint), windows_(windows) {}

void DetailWindowEditor::resize(int clientWidth, int clientHeight) {
  clientWidth_ = std::max(clientWidth, 0);
  clientHeight_ = std::max(clientHeight, 0);
  relayout();
}

int DetailWindowEditor::spriteSize(ScrollAxis axis) const {
  const Sprite* sprite = doc_.sprites.Current();
  if (!sprite) return 0;
  return axis == ScrollAxis::Horizontal ? sprite->width : sprite->height;
}

int DetailWindowEditor::scrollMax(ScrollAxis axis) const {
  return std::max(spriteSize(axis) - clientSize(axis), 0);
}

void DetailWindowEditor::relayout() {
  for (ScrollAxis axis : {ScrollAxis::Horizontal, ScrollAxis::Vertical}) {
    const int sprite = spriteSize(axis), client = clientSize(axis);
    int& offset = axis == ScrollAxis::Horizontal ? offsetX_ : offsetY_;
    offset = sprite < client ? -((client - sprite) / 2) : 0;
  }
  repaint_.repaint(kDetailWindow);
}

void DetailWindowEditor::scroll(ScrollAxis axis, int code, int thumb) {
  // A centred axis has nothing to scroll.
  const int max = scrollMax(axis);
  if (max <= 0) return;
  int& offset = axis == ScrollAxis::Horizontal ? offsetX_ : offsetY_;
  int64_t target = offset;
  switch (code) {
    case kScrollLineUp:
      target -= 15;
      break;
    case kScrollLineDown:
      target += 15;
      break;
    case kScrollPageUp:
      target -= 30;
      break;
    case kScrollPageDown:
      target += 30;
      break;
    case kScrollThumbTrack:
      target = thumb;
      break;
    default:
      return;
  }
  offset = static_cast<int>(std::clamp<int64_t>(target, 0, max));
  repaint_.repaint(kDetailWindow);
}

void DetailWindowEditor::closeRequested() {
  settings_.detailShown = false;
  windows_.showDetailWindow(false);
}

std::string DetailWindowEditor::title() const {
  const Sprite* sprite = doc_.sprites.Current();
  if (!sprite) return "자세히 보기 창";
  char text[64];
  std::snprintf(text, sizeof(text), "%d 번 [%dx%d]", doc_.sprites.CurrentIndex(), sprite->width,
                sprite->height);
  return text;
}

ScrollBarState DetailWindowEditor::scrollBar(ScrollAxis axis) const {
  const int max = scrollMax(axis);
  return ScrollBarState{max > 0, max, max > 0 ? (axis == ScrollAxis::Horizontal ? offsetX_ : offsetY_) : 0};
}

void DetailWindowEditor::paint(DrawContext& dc) const {
  if (clientWidth_ <= 0 || clientHeight_ <= 0) return;
  dc.FillRect(0, 0, clientWidth_ - 1, clientHeight_ - 1, settings_.backgroundIndex, 0);
  const Sprite* sprite = doc_.sprites.Current();
  if (!sprite) return;
  const int x = -offsetX_, y = -offsetY_;
  dc.DrawRect(x - 1, y - 1, x + sprite->width, y + sprite->height, settings_.systemIndex, 0);
  dc.DrawSprite(x, y, sprite, 0, DrawContext::kOwnPixels);
}
