#pragma once
// The canvas's cut tools as plain operations: what a left button down and up do in
// each tool, the drag in progress, and the grid snapping of the mouse position. The
// canvas window passes picture coordinates (already divided by the zoom and offset
// by the scroll position) and repaints after an action.

#include <cstdint>

#include "base/unset.h"
#include "cutter/cut.h"

enum CutTool : int {
  Ready = 0,
  OutwardCut = 1,
  InwardCut = 2,
  FreeCut = 3,
  FixedCut = 4,
  GridCut = 5,
  PickTransparent = 6,
};

// The fixed and grid cut size; each side at least 1.
struct CutSize {
  int32_t width = 32;
  int32_t height = 32;
};

// Snaps a picture position down to the grid anchored at the frame's top-left pixel.
// Unset coordinates stay unset.
void snapToGrid(int32_t& x, int32_t& y, const CutSize& size);

// The fixed-size (and grid) rectangle with its top-left pixel at (x, y).
CutRect fixedRect(int32_t x, int32_t y, const CutSize& size);

struct CutAction {
  bool spriteAdded = false;        // the document changed: mark it, refresh windows
  bool transparentPicked = false;  // the pick tool was used
  bool returnToPrevious = false;   // the tool goes back to the one before the pick
};

class CutTools {
 public:
  // Left button down at the stored mouse position (x, y); an unset position does
  // nothing in any tool.
  CutAction buttonDown(CutTool tool, int32_t x, int32_t y, const CutSize& size, CutSource& source,
                       SpriteSet& set);
  // Left button up: ends a drag started in the inward or free cut, whatever tool is
  // active now, and cuts with the tool that started it.
  CutAction buttonUp(int32_t x, int32_t y, const CutSource& source, SpriteSet& set);

  bool dragging() const { return dragX_ != kUnset && dragY_ != kUnset; }
  int32_t dragX() const { return dragX_; }
  int32_t dragY() const { return dragY_; }

 private:
  int32_t dragX_ = kUnset;
  int32_t dragY_ = kUnset;
  CutTool dragTool_ = Ready;
};
