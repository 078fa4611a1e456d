#pragma once
// What both main frames' editors ask of the frame window itself, beside the user
// prompts: the canvas's place, the system pointer, the about box and closing.

#include "ui/frame_layout.h"

class FrameHost {
 public:
  virtual ~FrameHost() = default;
  // Moves the canvas window within the frame's client area.
  virtual void placeCanvas(const CanvasPlacement& placement) = 0;
  // Moves the system pointer by screen pixels.
  virtual void movePointer(int dx, int dy) = 0;
  virtual void showAbout() = 0;
  // Destroys the frame (the unsaved-work question has been answered).
  virtual void closeFrame() = 0;
};
