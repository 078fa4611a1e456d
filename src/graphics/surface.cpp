#include "graphics/surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace {

// Larger images than this are refused as if the allocation had failed.
constexpr int kMaxSide = 32768;
constexpr int64_t kMaxPixels = int64_t(1) << 28;

// Clamps [first, first + count) to the 256 palette entries.
bool ClampRange(int& first, int& count) {
  if (first < 0) {
    count += first;
    first = 0;
  }
  if (first >= 256 || count <= 0) return false;
  count = std::min(count, 256 - first);
  return true;
}

}  // namespace

int Surface::Init() {
  if (initialized_) {
    message_ = kAlreadyInitialized;
    return 0;
  }
  initialized_ = 1;
  const int w = requestedWidth_;
  const int h = requestedHeight_;
  if (w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide && int64_t(w) * h <= kMaxPixels) {
    try {
      pixels_.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    } catch (const std::bad_alloc&) {
      // Refused below: the buffer, empty since Release, stays empty.
    }
  }
  if (pixels_.empty()) {
    Release();
    message_ = kCannotCreate;
    return 0;
  }
  colourTable_.fill(0);
  logicalPalette_.fill(0);
  hasLogicalPalette_ = true;
  width_ = w;
  height_ = h;
  pitch_ = w;
  message_ = nullptr;
  return 1;
}

int Surface::Create(const SurfaceParams& params) {
  presenter_ = params.presenter;
  requestedWidth_ = params.width;
  requestedHeight_ = params.height;
  windowed_ = params.windowed;
  rate_ = params.rate;
  return Init();
}

void Surface::Present(float zoom) {
  if (!initialized_ || pixels_.empty() || !presenter_) return;
  PresentFrame frame;
  frame.pixels = pixels_.data();
  frame.width = width_;
  frame.height = height_;
  frame.pitch = pitch_;
  frame.colourTable = colourTable_.data();
  if (zoom == 1.0f) {
    frame.destWidth = width_;
    frame.destHeight = height_;
    frame.stretched = false;
  } else {
    // The products are taken in single precision like the zoom itself; a zoom that
    // gives a size no window can have is not presented.
    const float dw = std::trunc(zoom * static_cast<float>(width_));
    const float dh = std::trunc(zoom * static_cast<float>(height_));
    if (!(dw >= 0.0f && dh >= 0.0f && dw < 1e9f && dh < 1e9f)) return;
    frame.destWidth = static_cast<int>(dw);
    frame.destHeight = static_cast<int>(dh);
    frame.stretched = true;
  }
  presenter_->present(frame);
}

uint8_t* Surface::Lock() {
  return pixels_.empty() ? nullptr : pixels_.data();
}

int Surface::SetColors(int first, int count, const uint8_t* rgb) {
  if (!rgb || !ClampRange(first, count)) return 1;
  for (int i = first; i < first + count; ++i) {
    const uint8_t r = rgb[3 * i], g = rgb[3 * i + 1], b = rgb[3 * i + 2];
    logicalPalette_[4 * i] = r;
    logicalPalette_[4 * i + 1] = g;
    logicalPalette_[4 * i + 2] = b;
    logicalPalette_[4 * i + 3] = 0;
    colourTable_[4 * i] = b;
    colourTable_[4 * i + 1] = g;
    colourTable_[4 * i + 2] = r;
    colourTable_[4 * i + 3] = 0;
  }
  return 1;
}

int Surface::GetColors(int first, int count, uint8_t* out) const {
  if (!out || !ClampRange(first, count)) return 1;
  for (int i = first; i < first + count; ++i) {
    out[3 * i] = logicalPalette_[4 * i];
    out[3 * i + 1] = logicalPalette_[4 * i + 1];
    out[3 * i + 2] = logicalPalette_[4 * i + 2];
  }
  return 1;
}

int Surface::Release() {
  if (!initialized_) return 0;
  pixels_.clear();
  pixels_.shrink_to_fit();
  hasLogicalPalette_ = false;
  width_ = height_ = pitch_ = 0;
  initialized_ = 0;
  return 1;
}

int Surface::GetSize(int* width, int* height, int* pitch) const {
  if (!initialized_) return 0;
  if (width) *width = width_;
  if (height) *height = height_;
  if (pitch) *pitch = pitch_;
  return 1;
}

void Surface::SetPalette(int first, int count, const uint8_t* block, int mixFlag) {
  if (!block) return;
  const bool any = ClampRange(first, count);
  if (any) std::memcpy(palette_.data() + 3 * first, block, static_cast<size_t>(3 * count));
  if (mixFlag) std::memcpy(mixTable_.data(), block + 768, mixTable_.size());
  if (!any) return;

  uint8_t gammaTable[256];
  const double exponent = 1.0 / static_cast<double>(gamma_);
  for (int i = 0; i < 256; ++i) {
    const double v = std::trunc(256.0 * std::pow(i / 256.0, exponent));
    gammaTable[i] = static_cast<uint8_t>(std::isnan(v) ? 0 : std::clamp(v, 0.0, 255.0));
  }
  uint8_t adjusted[768];
  for (int i = 0; i < 768; ++i) adjusted[i] = gammaTable[palette_[i]];
  const int brightness = std::clamp(brightness_, 0, 255);
  for (int i = 3 * first; i < 3 * (first + count); ++i) {
    adjusted[i] = static_cast<uint8_t>(brightness * adjusted[i] / 255);
  }
  SetColors(first, count, adjusted);
}
