#include "cutter/cut_tools.h"

#include <cstdint>

namespace {
// Integer division rounding down, so negative positions snap to the cell they lie in.
int32_t FloorDiv(int32_t a, int32_t b) {
  const int32_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
}  // namespace

CutRect fixedRect(int32_t x, int32_t y, const CutSize& size) {
  // Sizes come from the settings file; one that would overflow gives no rectangle.
  const int64_t right = int64_t(x) + size.width - 1, bottom = int64_t(y) + size.height - 1;
  if (size.width < 1 || size.height < 1 || right > INT32_MAX || bottom > INT32_MAX) return {};
  return {x, y, static_cast<int32_t>(right), static_cast<int32_t>(bottom)};
}

void snapToGrid(int32_t& x, int32_t& y, const CutSize& size) {
  if (x == kUnset || y == kUnset || size.width < 1 || size.height < 1) return;
  x = size.width * FloorDiv(x, size.width);
  y = size.height * FloorDiv(y, size.height);
}

CutAction CutTools::buttonDown(CutTool tool, int32_t x, int32_t y, const CutSize& size, CutSource& source,
                               SpriteSet& set) {
  CutAction action;
  // Without a mouse position no tool acts: an outward cut would otherwise take the
  // whole frame when the transparent colour is ignored.
  if (!source.hasFrame() || x == kUnset || y == kUnset) return action;
  switch (tool) {
    case OutwardCut:
      action.spriteAdded = cutToSprite(source, source.findOutwardBounds(x, y), set) != 0;
      break;
    case InwardCut:
    case FreeCut:
      dragX_ = x;
      dragY_ = y;
      dragTool_ = tool;
      break;
    case FixedCut:
    case GridCut:
      action.spriteAdded = cutToSprite(source, fixedRect(x, y, size), set) != 0;
      break;
    case PickTransparent: {
      // Outside the frame nothing is picked, but the tool still returns.
      const int index = source.pixelAt(x, y);
      if (index >= 0) {
        source.transparentIndex = index;
        action.transparentPicked = true;
      }
      action.returnToPrevious = true;
      break;
    }
    case Ready:
      break;
  }
  return action;
}

CutAction CutTools::buttonUp(int32_t x, int32_t y, const CutSource& source, SpriteSet& set) {
  CutAction action;
  if (!dragging()) return action;
  const int32_t startX = dragX_, startY = dragY_;
  const CutTool tool = dragTool_;
  dragX_ = dragY_ = kUnset;
  dragTool_ = Ready;
  if (x == kUnset || y == kUnset) return action;
  const CutRect rect = normaliseRect(startX, startY, x, y);
  if (tool == InwardCut) {
    action.spriteAdded = cutToSprite(source, source.findInwardBounds(rect), set) != 0;
  } else if (tool == FreeCut) {
    action.spriteAdded = cutToSprite(source, rect, set) != 0;
  }
  return action;
}
