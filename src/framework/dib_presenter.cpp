#include "framework/dib_presenter.h"

#include <cstring>

namespace {

struct Dib256 {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

}  // namespace

void DibPresenter::present(const PresentFrame& frame) {
  if (frame.pixels == nullptr || frame.width <= 0 || frame.height <= 0 || frame.pitch < frame.width) return;
  HDC dc = paintDc_;
  bool ownDc = false;
  if (dc == nullptr) {
    if (window_ == nullptr) return;
    dc = GetDC(window_);
    if (dc == nullptr) return;
    ownDc = true;
  }

  // Device-independent bitmap rows start on four-byte boundaries.
  const uint8_t* bits = frame.pixels;
  const int stride = (frame.width + 3) & ~3;
  if (frame.pitch != stride) {
    aligned_.resize(static_cast<size_t>(stride) * static_cast<size_t>(frame.height));
    for (int y = 0; y < frame.height; ++y) {
      std::memcpy(aligned_.data() + static_cast<size_t>(y) * stride,
                  frame.pixels + static_cast<size_t>(y) * frame.pitch, static_cast<size_t>(frame.width));
    }
    bits = aligned_.data();
  }

  Dib256 dib{};
  dib.header.biSize = sizeof(BITMAPINFOHEADER);
  dib.header.biWidth = frame.width;
  dib.header.biHeight = -frame.height;  // row 0 at the top
  dib.header.biPlanes = 1;
  dib.header.biBitCount = 8;
  dib.header.biCompression = BI_RGB;
  dib.header.biClrUsed = 256;
  if (frame.colourTable != nullptr) std::memcpy(dib.colours, frame.colourTable, sizeof(dib.colours));
  const auto* info = reinterpret_cast<const BITMAPINFO*>(&dib);

  if (frame.stretched) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, frame.destWidth, frame.destHeight, 0, 0, frame.width, frame.height, bits, info,
                  DIB_RGB_COLORS, SRCCOPY);
  } else {
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(frame.width), static_cast<DWORD>(frame.height), 0, 0, 0,
                      static_cast<UINT>(frame.height), bits, info, DIB_RGB_COLORS);
  }
  if (ownDc) ReleaseDC(window_, dc);
}
