#include "framework/dib_presenter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

struct Dib256 {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

// Source coordinate of destination coordinate `d` when `source` pixels fill `dest`.
int ToSource(int64_t d, int64_t source, int64_t dest, bool roundUp) {
  if (dest <= 0) return 0;
  return static_cast<int>((d * source + (roundUp ? dest - 1 : 0)) / dest);
}

}  // namespace

void DibPresenter::exposed(const RECT& client) {
  if (client.right <= client.left || client.bottom <= client.top) return;
  if (exposed_.right <= exposed_.left || exposed_.bottom <= exposed_.top) {
    exposed_ = client;
    return;
  }
  exposed_.left = std::min(exposed_.left, client.left);
  exposed_.top = std::min(exposed_.top, client.top);
  exposed_.right = std::max(exposed_.right, client.right);
  exposed_.bottom = std::max(exposed_.bottom, client.bottom);
}

void DibPresenter::present(const PresentFrame& frame) {
  if (frame.pixels == nullptr || frame.width <= 0 || frame.height <= 0 || frame.pitch < frame.width) return;
  if (window_ == nullptr && targetDc_ == nullptr) return;

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
  if (width <= 0 || height <= 0 || destWidth <= 0 || destHeight <= 0) return;

  // A different zoom shows every pixel elsewhere.
  const int scale = destWidth * 16 / width;
  if (scale != shownScale_) shown_.forget();
  shownScale_ = scale;
  std::vector<DrawRectangle> areas =
      shown_.changes(frame.pixels, frame.pitch, width, height, frame.colourTable);
  if (exposed_.right > exposed_.left && exposed_.bottom > exposed_.top) {
    const DrawRectangle area{ToSource(exposed_.left, width, destWidth, false),
                             ToSource(exposed_.top, height, destHeight, false),
                             std::min(width, ToSource(exposed_.right, width, destWidth, true)),
                             std::min(height, ToSource(exposed_.bottom, height, destHeight, true))};
    if (area.right > area.left && area.bottom > area.top) areas.push_back(area);
    exposed_ = RECT{};
  }
  if (areas.empty()) return;

  HDC dc = targetDc_ != nullptr ? targetDc_ : GetDC(window_);
  if (dc == nullptr) return;
  if (frame.stretched) SetStretchBltMode(dc, COLORONCOLOR);
  for (const DrawRectangle& area : areas) presentArea(dc, frame, area, destWidth, destHeight, width, height);
  if (dc != targetDc_) ReleaseDC(window_, dc);
}

void DibPresenter::presentArea(HDC dc, const PresentFrame& frame, const DrawRectangle& area, int destWidth,
                               int destHeight, int width, int height) {
  // The bitmap handed over starts at the area's first row, so its rows are counted
  // from the top whichever way the call counts them.
  const int rows = area.bottom - area.top;
  const int stride = (frame.width + 3) & ~3;
  const uint8_t* bits = frame.pixels + static_cast<size_t>(frame.pitch) * area.top;
  if (frame.pitch != stride) {
    // Device-independent bitmap rows start on four-byte boundaries.
    aligned_.resize(static_cast<size_t>(stride) * static_cast<size_t>(rows));
    for (int y = 0; y < rows; ++y) {
      std::memcpy(aligned_.data() + static_cast<size_t>(y) * stride,
                  bits + static_cast<size_t>(y) * frame.pitch, static_cast<size_t>(frame.width));
    }
    bits = aligned_.data();
  }

  Dib256 dib{};
  dib.header.biSize = sizeof(BITMAPINFOHEADER);
  dib.header.biWidth = frame.width;
  dib.header.biHeight = -rows;
  dib.header.biPlanes = 1;
  dib.header.biBitCount = 8;
  dib.header.biCompression = BI_RGB;
  dib.header.biClrUsed = 256;
  if (frame.colourTable != nullptr) std::memcpy(dib.colours, frame.colourTable, sizeof(dib.colours));
  const auto* info = reinterpret_cast<const BITMAPINFO*>(&dib);

  const int columns = area.right - area.left;
  if (frame.stretched) {
    // The system stretches the small picture with its colour table (DIB_RGB_COLORS)
    // about as fast as it copies one of the zoomed size.
    const int x0 = static_cast<int>(int64_t(area.left) * destWidth / width);
    const int x1 = static_cast<int>(int64_t(area.right) * destWidth / width);
    const int y0 = static_cast<int>(int64_t(area.top) * destHeight / height);
    const int y1 = static_cast<int>(int64_t(area.bottom) * destHeight / height);
    StretchDIBits(dc, x0, y0, x1 - x0, y1 - y0, area.left, 0, columns, rows, bits, info, DIB_RGB_COLORS,
                  SRCCOPY);
  } else {
    SetDIBitsToDevice(dc, area.left, area.top, static_cast<DWORD>(columns), static_cast<DWORD>(rows),
                      area.left, 0, 0, static_cast<UINT>(rows), bits, info, DIB_RGB_COLORS);
  }
}
