#pragma once
// A named animation: an ordered list of motions with a current motion (the one the
// motion window selects and the canvas edits).

#include <string_view>

#include "base/cursor_list.h"
#include "motion/fixed_name.h"
#include "motion/motion.h"

class MotionBundle : public CursorList<Motion> {
 public:
  MotionBundle() = default;
  explicit MotionBundle(std::string_view bundleName) : name(bundleName) {}

  // 1 to 31 bytes, unique within the document (byte-exact comparison).
  FixedName name;
};
