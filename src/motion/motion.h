#pragma once
// One frame of a motion bundle: a sprite placed relative to the base point, with six
// collision boxes, six points, ten free flags, a delay, a sound name and effects.
// Fields 1 to 10 are exactly the 244-byte record of the motion file.

#include <array>
#include <cstdint>

#include "base/unset.h"
#include "motion/fixed_name.h"

struct Sprite;

constexpr int kMotionBoxCount = 6;
constexpr int kMotionPointCount = 6;
constexpr int kMotionFlagCount = 10;
constexpr int32_t kDefaultMotionDelay = 2;
// The range the delay dialog accepts.
constexpr int32_t kMinMotionDelay = 1;
constexpr int32_t kMaxMotionDelay = 60;

// Effect bits, shared with the sprite blitter.
struct MotionEffect {
  static constexpr int32_t FlipLeftRight = 1;
  static constexpr int32_t FlipUpDown = 2;
  static constexpr int32_t Translucent = 4;
};

// A box is unset when x1 is kUnset; then all four are. A set box has x1 < x2, y1 < y2.
struct MotionBox {
  int32_t x1 = kUnset;
  int32_t y1 = kUnset;
  int32_t x2 = kUnset;
  int32_t y2 = kUnset;

  bool isSet() const { return x1 != kUnset; }
  void unset() { *this = MotionBox(); }
  bool operator==(const MotionBox& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
  bool operator!=(const MotionBox& o) const { return !(*this == o); }
};

// A point is unset when x is kUnset; then both are.
struct MotionPoint {
  int32_t x = kUnset;
  int32_t y = kUnset;

  bool isSet() const { return x != kUnset; }
  void unset() { *this = MotionPoint(); }
  bool operator==(const MotionPoint& o) const { return x == o.x && y == o.y; }
  bool operator!=(const MotionPoint& o) const { return !(*this == o); }
};

using MotionFlags = std::array<int32_t, kMotionFlagCount>;

struct Motion {
  // Index of the sprite in the document's set; meaningful only while the document is
  // read or written, -1 for no sprite.
  int32_t spriteIndex = 0;
  int32_t relX = 0;  // sprite's top-left corner relative to the base point
  int32_t relY = 0;
  int32_t delay = kDefaultMotionDelay;  // playback ticks
  int32_t effects = 0;                  // MotionEffect bits
  std::array<MotionBox, kMotionBoxCount> boxes;
  std::array<MotionPoint, kMotionPointCount> points;
  MotionFlags flags{};
  std::array<uint8_t, 8> reserved{};  // never interpreted, kept from reading to writing
  FixedName sound;                    // wave file name, empty for none
  // The picture, a member of the document's sprite set or null; authoritative while
  // editing.
  Sprite* sprite = nullptr;

  // Moves the sprite and every set box and point; unset ones stay unset.
  void moveBy(int32_t dx, int32_t dy);
  // Takes what an info-only paste copies: delay, effects, position, boxes, points,
  // flags and sound. The sprite and reserved bytes stay.
  void takeInfoFrom(const Motion& source);
  // Whether the fields an info-only paste copies are all equal.
  bool sameInfo(const Motion& other) const;
};
