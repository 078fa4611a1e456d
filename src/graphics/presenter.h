#pragma once
// Where a Surface goes when it is presented. The Win32 framework implements this for
// a window (SetDIBitsToDevice when the frame is unscaled, StretchDIBits with SRCCOPY
// otherwise); the native tests use a presenter that records the frames.

#include <cstdint>

struct PresentFrame {
  // Palette indices, row 0 at the top, `pitch` bytes from one row to the next.
  const uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;
  // The 256 display colours (after gamma and brightness) as a DIB colour table:
  // blue, green, red, 0 for each entry, entry 0 first (1,024 bytes, RGBQUAD order).
  const uint8_t* colourTable = nullptr;
  // Destination rectangle at the window's client origin. When `stretched` is false
  // it equals width x height and the image is copied unscaled.
  int destWidth = 0;
  int destHeight = 0;
  bool stretched = false;
};

class Presenter {
 public:
  virtual ~Presenter() = default;
  // Shows the frame in the owning window. The pointers are only valid during the call.
  virtual void present(const PresentFrame& frame) = 0;
};
