#pragma once
// Shows a Surface in a window as a 256-colour device-independent bitmap: copied
// unscaled with SetDIBitsToDevice, or stretched with StretchDIBits.

#include <cstdint>
#include <vector>

#include "framework/win32.h"
#include "graphics/presenter.h"

class DibPresenter : public Presenter {
 public:
  explicit DibPresenter(HWND window = nullptr) : window_(window) {}

  void setWindow(HWND window) { window_ = window; }
  // The device context to draw on while painting; without one the window's own
  // context is taken for the call.
  void setPaintDc(HDC dc) { paintDc_ = dc; }

  void present(const PresentFrame& frame) override;

 private:
  HWND window_ = nullptr;
  HDC paintDc_ = nullptr;
  std::vector<uint8_t> aligned_;  // rows padded to four bytes when the pitch is not
};
