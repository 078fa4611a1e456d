// The canvas picture: shadow, motion, boxes, points, base line, info panel and the
// tool overlay, in that order.
#include <algorithm>
#include <cstdio>

#include "motion/editor/motion_canvas.h"
#include "motion/motion_drawing.h"

namespace {

int At(int base, int64_t offset) {
  return MotionAt(base, offset);
}

constexpr int kXor = -255;

void DrawXMark(DrawContext& dc, int x, int y, int colour) {
  DrawPointMark(dc, x, y, colour);
}

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char text[256];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

}  // namespace

void MotionCanvas::paint(DrawContext& dc) const {
  if (playing()) return;
  const ColourIndices& colour = settings_.indices;
  const int bx = settings_.baseX, by = settings_.baseY;

  if (const Motion* shadow = doc_.shadow.motion) {
    DrawMotionSprite(dc, *shadow, bx, by);
    DrawMotionSprite(dc, *shadow, bx, by, kTranslucent, colour.shadow);
  }
  const MotionBundle* bundle = doc_.file.current();
  const Motion* motion = bundle ? bundle->current() : nullptr;
  if (motion) {
    DrawMotionSprite(dc, *motion, bx, by);
    paintMarks(dc, *motion);
  }
  if (settings_.showBaseLine) {
    dc.DrawLine(0, by, clientWidth_, by, colour.system, 1);
    dc.DrawLine(bx, 0, bx, clientHeight_, colour.system, 1);
  }
  if (settings_.showInfo) {
    const int ix = settings_.infoX, iy = settings_.infoY;
    dc.DrawRect(ix - 1, iy - 1, ix + kInfoPanelWidth + 1, iy + kInfoPanelHeight + 1, colour.shadow, 0);
    dc.FillRect(ix, iy, ix + kInfoPanelWidth, iy + kInfoPanelHeight, colour.shadow, 1);
    if (motion) paintInfo(dc, *bundle, *motion);
  }
  paintOverlay(dc);
}

void MotionCanvas::paintMarks(DrawContext& dc, const Motion& motion) const {
  DrawMotionMarks(dc, motion, settings_.baseX, settings_.baseY, marks());
}

MotionMarks MotionCanvas::marks() const {
  MotionMarks m;
  m.boxes = settings_.showBoxes;
  m.points = settings_.showPoints;
  for (size_t k = 0; k < m.colours.size(); ++k) m.colours[k] = settings_.indices.boxes[k];
  return m;
}

void MotionCanvas::paintInfo(DrawContext& dc, const MotionBundle& bundle, const Motion& m) const {
  const MotionBox& box = m.boxes[static_cast<size_t>(toolNumber_ - 1)];
  const MotionPoint& point = m.points[static_cast<size_t>(toolNumber_ - 1)];
  const auto boxValue = [&](int32_t v) { return box.isSet() ? v : 0; };
  const auto pointValue = [&](int32_t v) { return point.isSet() ? v : 0; };
  const std::string lines[kInfoLineCount] = {
      Format("['%s' 동작 %d 번]", bundle.name.str().c_str(), bundle.currentIndex()),
      Format("상대: %4d, %4d   지연: %2d ", m.relX, m.relY, m.delay),
      Format("웨이브: %s", m.sound.empty() ? "없음" : m.sound.str().c_str()),
      Format("%s%s%s", (m.effects & MotionEffect::FlipLeftRight) ? "좌우  " : "",
             (m.effects & MotionEffect::FlipUpDown) ? "상하  " : "",
             (m.effects & MotionEffect::Translucent) ? "반투명" : ""),
      Format("박스: (%4d,%4d)-(%4d,%4d)    ", boxValue(box.x1), boxValue(box.y1), boxValue(box.x2),
             boxValue(box.y2)),
      Format("포인트: %4d, %4d  ", pointValue(point.x), pointValue(point.y)),
      Format("%4d %4d %4d %4d %4d", m.flags[0], m.flags[1], m.flags[2], m.flags[3], m.flags[4]),
      Format("%4d %4d %4d %4d %4d", m.flags[5], m.flags[6], m.flags[7], m.flags[8], m.flags[9]),
  };
  dc.setTextColour(settings_.indices.shadow);
  for (int line = 0; line < kInfoLineCount; ++line)
    dc.DrawText(settings_.infoX + 3, settings_.infoY + 3 + kInfoLineHeight * line, lines[line].c_str());
}

void MotionCanvas::drawGlyph(DrawContext& dc, int glyph, int x, int y) const {
  const Sprite* sprite = glyphs_ ? glyphs_->Get(glyph) : nullptr;
  if (sprite) dc.DrawMask(x, y, sprite, settings_.indices.background, settings_.indices.shadow);
}

void MotionCanvas::paintOverlay(DrawContext& dc) const {
  if (!hasMouse()) return;
  const int bx = settings_.baseX, by = settings_.baseY;
  const int mx = bx + mouseX_, my = by + mouseY_;
  const bool dragging = dragX_ != kUnset && dragY_ != kUnset;
  const auto crossHairs = [&] {
    dc.DrawLine(0, my, clientWidth_, my, kXor, 0);
    dc.DrawLine(mx, 0, mx, clientHeight_, kXor, 0);
  };
  switch (tool_) {
    case kToolNone:
      drawGlyph(dc, kGlyphArrow, mx, my);
      break;
    case kToolStamp:
      if (const Sprite* s = doc_.file.sprites.Current())
        dc.DrawSprite(mx - s->width / 2, my - s->height / 2, s, 0, DrawContext::kOwnPixels);
      break;
    case kToolDrag: {
      const Motion* motion = doc_.currentMotion();
      if (dragging && motion) {
        const int x = At(bx, int64_t(motion->relX) + mouseX_ - dragX_);
        const int y = At(by, int64_t(motion->relY) + mouseY_ - dragY_);
        dc.DrawSprite(x, y, motion->sprite, motion->effects | kTranslucent, settings_.indices.system);
      }
      drawGlyph(dc, dragging ? kGlyphClosedHand : kGlyphOpenHand, mx, my);
      break;
    }
    case kToolBox:
      if (dragging) {
        dc.DrawRect(bx + dragX_, by + dragY_, mx, my, kXor, 0);
      } else {
        crossHairs();
        dc.FillRect(mx + 2, my + 2, mx + 6, my + 6, kXor, 0);
      }
      break;
    case kToolPoint:
      crossHairs();
      DrawXMark(dc, mx + 5, my + 5, kXor);
      break;
    case kToolBaseLine:
      dc.DrawLine(mx - 16, my, mx + 16, my, kXor, 0);
      dc.DrawLine(mx, my - 16, mx, my + 16, kXor, 0);
      break;
    case kToolInfo:
      dc.DrawRect(mx, my, mx + kInfoPanelWidth, my + kInfoPanelHeight, kXor, 0);
      break;
    default:
      break;
  }
}

void MotionCanvas::showPlayFrame() {
  DrawContext* dc = host_.canvasContext();
  if (!dc) return;
  dc->Lock();
  dc->Begin();
  if (const Motion* m = playback_.motion()) {
    DrawMotionSprite(*dc, *m, settings_.baseX, settings_.baseY);
  }
  if (hasMouse()) drawGlyph(*dc, kGlyphClapperboard, settings_.baseX + mouseX_, settings_.baseY + mouseY_);
  dc->Unlock();
  host_.presentCanvas();
}
