#include "motion/motion_drawing.h"

#include <algorithm>

namespace {

constexpr int64_t kFar = int64_t(1) << 28;

}  // namespace

int MotionAt(int base, int64_t offset) {
  return static_cast<int>(std::clamp<int64_t>(base + offset, -kFar, kFar));
}

void DrawMotionSprite(DrawContext& dc, const Motion& motion, int baseX, int baseY, int extraEffects,
                      int colour) {
  dc.DrawSprite(MotionAt(baseX, motion.relX), MotionAt(baseY, motion.relY), motion.sprite,
                motion.effects | extraEffects, colour);
}

void DrawPointMark(DrawContext& dc, int x, int y, int colour) {
  dc.DrawLine(x - 2, y - 2, x + 2, y + 2, colour, 0);
  dc.DrawLine(x + 2, y - 2, x - 2, y + 2, colour, 0);
}

void DrawMotionMarks(DrawContext& dc, const Motion& motion, int bx, int by, const MotionMarks& marks) {
  if (marks.boxes) {
    for (size_t k = 0; k < motion.boxes.size(); ++k) {
      const MotionBox& b = motion.boxes[k];
      if (b.isSet())
        dc.DrawRect(MotionAt(bx, b.x1), MotionAt(by, b.y1), MotionAt(bx, b.x2), MotionAt(by, b.y2),
                    marks.colours[k], 0);
    }
  }
  if (marks.points) {
    for (size_t k = 0; k < motion.points.size(); ++k) {
      const MotionPoint& p = motion.points[k];
      if (!p.isSet()) continue;
      const int x = MotionAt(bx, p.x), y = MotionAt(by, p.y);
      DrawPointMark(dc, x + 1, y, 0);
      DrawPointMark(dc, x - 1, y, 0);
      DrawPointMark(dc, x, y + 1, 0);
      DrawPointMark(dc, x, y - 1, 0);
      DrawPointMark(dc, x, y, marks.colours[k]);
    }
  }
}
