#pragma once
// The picture canvas, the sprite window and the detail window of Plyk2. They are
// drawing windows; for now they show an empty surface.

#include "framework/draw_window.h"

// The sprite and detail windows live as long as the frame: their close boxes hide them.
class OwnedListWindow : public DrawWindow {
 public:
  int HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class PictureCanvas : public DrawWindow {};
class SpriteWindow : public OwnedListWindow {};
class DetailWindow : public OwnedListWindow {};
