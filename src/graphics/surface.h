#pragma once
// The 8-bit off-screen image every window draws into: pixels (pitch = width, row 0
// at the top), the source palette, the mixing table used by the translucent modes and
// the display colours handed to the presenter. Operations return 1 on success and 0
// on failure; the last failure is kept as a text (GetMessage).

#include <array>
#include <cstdint>
#include <vector>

#include "graphics/presenter.h"

// The record that creates a surface. `presenter` stands for the owning window.
struct SurfaceParams {
  Presenter* presenter = nullptr;
  int width = 0;
  int height = 0;
  int windowed = 1;
  int rate = 60;
};

// The abstract drawing device; the slot order is the device's interface order.
class DrawDevice {
 public:
  virtual ~DrawDevice() = default;
  virtual int Init() = 0;
  virtual int Create(const SurfaceParams& params) = 0;
  virtual void Present(float zoom) = 0;
  virtual void Reserved(int, int, int, int, int) {}
  virtual uint8_t* Lock() = 0;
  virtual void Unlock() = 0;
  virtual int SetColors(int first, int count, const uint8_t* rgb) = 0;
  virtual int GetColors(int first, int count, uint8_t* out) const = 0;
  virtual int Release() = 0;
};

class Surface final : public DrawDevice {
 public:
  static constexpr const char* kNotInitialized = "Draw Device Not initialized";
  static constexpr const char* kAlreadyInitialized = "DDERROR : DIB Draw Already initialized ";
  static constexpr const char* kCannotCreate = "DDERROR : Can Not Create DIB Surface";

  Surface() = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  ~Surface() override { Release(); }

  int Init() override;
  int Create(const SurfaceParams& params) override;
  // Unscaled at exactly 1.0, otherwise stretched to trunc(zoom x width) by
  // trunc(zoom x height). Does nothing without an image or a presenter.
  void Present(float zoom) override;
  uint8_t* Lock() override;
  void Unlock() override {}
  int SetColors(int first, int count, const uint8_t* rgb) override;
  int GetColors(int first, int count, uint8_t* out) const override;
  int Release() override;

  // 0 (outputs untouched) when not initialised.
  int GetSize(int* width, int* height, int* pitch) const;
  const char* GetMessage() const { return message_; }
  // Copies count colours from the start of block into the source palette at entry
  // first, and with mixFlag the 65,536 table bytes that follow the first 768 bytes;
  // then adjusts the colours and passes the range to SetColors. With mixFlag set the
  // block must hold a whole palette block.
  void SetPalette(int first, int count, const uint8_t* block, int mixFlag);

  void SetGamma(float gamma) { gamma_ = gamma; }
  void SetBrightness(int brightness) { brightness_ = brightness; }
  float gamma() const { return gamma_; }
  int brightness() const { return brightness_; }

  bool initialized() const { return initialized_ != 0; }
  const uint8_t* mixTable() const { return mixTable_.data(); }
  const uint8_t* sourcePalette() const { return palette_.data(); }
  // The colour table presented: blue, green, red, 0 per entry.
  const uint8_t* colourTable() const { return colourTable_.data(); }
  const uint8_t* pixels() const { return pixels_.empty() ? nullptr : pixels_.data(); }
  int width() const { return width_; }
  int height() const { return height_; }
  int pitch() const { return pitch_; }

 private:
  int initialized_ = 0;
  Presenter* presenter_ = nullptr;
  int requestedWidth_ = 0;
  int requestedHeight_ = 0;
  int windowed_ = 1;
  int rate_ = 60;
  const char* message_ = kNotInitialized;
  int brightness_ = 255;
  float gamma_ = 1.0f;
  int width_ = 0;
  int height_ = 0;
  int pitch_ = 0;
  std::array<uint8_t, 65536> mixTable_{};
  std::array<uint8_t, 768> palette_{};
  std::array<uint8_t, 1024> colourTable_{};     // blue, green, red, 0
  std::array<uint8_t, 1024> logicalPalette_{};  // red, green, blue, flags
  bool hasLogicalPalette_ = false;
  std::vector<uint8_t> pixels_;
};
