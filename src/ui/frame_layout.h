#pragma once
// The main frame's layout as both editors see it: how its size changed and where
// the drawing canvas goes in its client area.

// How the frame's size changed (the system's size message kinds).
enum class SizeKind { Restored = 0, Minimized = 1, Maximized = 2 };

// The canvas window's rectangle in the frame's client pixels.
struct CanvasPlacement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
