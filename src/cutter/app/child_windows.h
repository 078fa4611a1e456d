#pragma once
// The picture canvas, the sprite window and the detail window of Plyk2. They are
// drawing windows; for now they show an empty surface.

#include "framework/draw_window.h"
#include "framework/owned_window.h"

// The sprite and detail windows live as long as the frame: their close boxes hide them.
class HidingListWindow : public OwnedToolWindow {
 public:
  bool OnClose() override {
    show(false);
    return true;
  }
};

class PictureCanvas : public DrawWindow {};
class SpriteWindow : public HidingListWindow {};
class DetailWindow : public HidingListWindow {};
