#include "framework/dib_presenter.h"

#include <algorithm>
#include <cstdint>
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

  // Only the part of the surface that lands in the client area is handed over: the
  // surface is as large as the screen, the window usually much smaller.
  int width = frame.width;
  int height = frame.height;
  int destWidth = frame.stretched ? frame.destWidth : frame.width;
  int destHeight = frame.stretched ? frame.destHeight : frame.height;
  RECT client{};
  if (window_ != nullptr && GetClientRect(window_, &client) && destWidth > 0 && destHeight > 0) {
    const int64_t clientWidth = client.right, clientHeight = client.bottom;
    if (clientWidth < destWidth) {
      width =
          static_cast<int>(std::min<int64_t>(width, (clientWidth * frame.width + destWidth - 1) / destWidth));
      destWidth = static_cast<int>(int64_t(width) * destWidth / frame.width);
    }
    if (clientHeight < destHeight) {
      height = static_cast<int>(
          std::min<int64_t>(height, (clientHeight * frame.height + destHeight - 1) / destHeight));
      destHeight = static_cast<int>(int64_t(height) * destHeight / frame.height);
    }
  }
  if (width <= 0 || height <= 0) {
    if (ownDc) ReleaseDC(window_, dc);
    return;
  }

  // Device-independent bitmap rows start on four-byte boundaries.
  const uint8_t* bits = frame.pixels;
  const int stride = (frame.width + 3) & ~3;
  if (frame.pitch != stride) {
    aligned_.resize(static_cast<size_t>(stride) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
      std::memcpy(aligned_.data() + static_cast<size_t>(y) * stride,
                  frame.pixels + static_cast<size_t>(y) * frame.pitch, static_cast<size_t>(frame.width));
    }
    bits = aligned_.data();
  }

  // A top-down bitmap of the first `height` rows; the columns are chosen by the
  // source width.
  Dib256 dib{};
  dib.header.biSize = sizeof(BITMAPINFOHEADER);
  dib.header.biWidth = frame.width;
  dib.header.biHeight = -height;
  dib.header.biPlanes = 1;
  dib.header.biBitCount = 8;
  dib.header.biCompression = BI_RGB;
  dib.header.biClrUsed = 256;
  if (frame.colourTable != nullptr) std::memcpy(dib.colours, frame.colourTable, sizeof(dib.colours));
  const auto* info = reinterpret_cast<const BITMAPINFO*>(&dib);

  // The system stretches the small picture with its colour table (DIB_RGB_COLORS)
  // about as fast as it copies one of the zoomed size.
  if (frame.stretched) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, destWidth, destHeight, 0, 0, width, height, bits, info, DIB_RGB_COLORS, SRCCOPY);
  } else {
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), bits, info, DIB_RGB_COLORS);
  }
  if (ownDc) ReleaseDC(window_, dc);
}
