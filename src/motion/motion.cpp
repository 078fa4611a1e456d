#include "motion/motion.h"

namespace {

// Coordinates wrap instead of overflowing: a hostile file may hold any value.
int32_t Add(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

void Motion::moveBy(int32_t dx, int32_t dy) {
  relX = Add(relX, dx);
  relY = Add(relY, dy);
  for (MotionBox& box : boxes) {
    if (!box.isSet()) continue;
    box.x1 = Add(box.x1, dx);
    box.y1 = Add(box.y1, dy);
    box.x2 = Add(box.x2, dx);
    box.y2 = Add(box.y2, dy);
  }
  for (MotionPoint& point : points) {
    if (!point.isSet()) continue;
    point.x = Add(point.x, dx);
    point.y = Add(point.y, dy);
  }
}

void Motion::takeInfoFrom(const Motion& source) {
  delay = source.delay;
  effects = source.effects;
  relX = source.relX;
  relY = source.relY;
  boxes = source.boxes;
  points = source.points;
  flags = source.flags;
  sound = source.sound;
}

bool Motion::sameInfo(const Motion& other) const {
  return delay == other.delay && effects == other.effects && relX == other.relX && relY == other.relY &&
         boxes == other.boxes && points == other.points && flags == other.flags && sound == other.sound;
}
