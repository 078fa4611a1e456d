#pragma once
// Shows a Surface in a window as a 256-colour device-independent bitmap: copied
// unscaled with SetDIBitsToDevice, or stretched with StretchDIBits. Only what
// changed since the last present is handed over, plus what the system asked to be
// painted again.

#include <cstdint>
#include <vector>

#include "framework/win32.h"
#include "graphics/presenter.h"
#include "graphics/shown_frame.h"

class DibPresenter : public Presenter {
 public:
  explicit DibPresenter(HWND window = nullptr) : window_(window) {}

  void setWindow(HWND window) { window_ = window; }
  // The device context to draw on instead of the window's own (a memory bitmap in
  // the tests); without a window nothing is clipped to a client area.
  void setTargetDc(HDC dc) { targetDc_ = dc; }
  // A client rectangle the screen no longer shows (the update rectangle of a paint):
  // the next present hands it over whether it changed or not.
  void exposed(const RECT& client);

  void present(const PresentFrame& frame) override;

 private:
  // Hands over the source rows and columns `area` (a part of the `width` x `height`
  // source that is drawn to `destWidth` x `destHeight`).
  void presentArea(HDC dc, const PresentFrame& frame, const DrawRectangle& area, int destWidth,
                   int destHeight, int width, int height);

  HWND window_ = nullptr;
  HDC targetDc_ = nullptr;
  ShownFrame shown_;
  int shownScale_ = 0;  // destination pixels per 16 source pixels at the last present
  RECT exposed_{};
  std::vector<uint8_t> aligned_;  // rows padded to four bytes when the pitch is not
};
