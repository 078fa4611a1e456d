#pragma once
// The editing canvas, the sprite window and the motion window of Zorv2. They are
// drawing windows; for now they show an empty surface.

#include "framework/draw_window.h"

// The sprite and motion windows live as long as the frame: their close boxes hide them.
class OwnedListWindow : public DrawWindow {
 public:
  int HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class EditCanvas : public DrawWindow {};
class SpriteWindow : public OwnedListWindow {};
class MotionWindow : public OwnedListWindow {};
