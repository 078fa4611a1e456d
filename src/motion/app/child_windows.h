#pragma once
// The editing canvas, the sprite window and the motion window of Zorv2. They are
// drawing windows; for now they show an empty surface.

#include "framework/draw_window.h"
#include "framework/owned_window.h"

// The sprite and motion windows live as long as the frame: their close boxes hide them.
class HidingListWindow : public OwnedToolWindow {
 public:
  bool OnClose() override {
    show(false);
    return true;
  }
};

class EditCanvas : public DrawWindow {};
class SpriteWindow : public HidingListWindow {};
class MotionWindow : public HidingListWindow {};
