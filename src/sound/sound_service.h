#pragma once
// The operations the wave player needs of a platform sound service. DirectSound
// supplies them on Windows; tests use the recording fake. Nothing here names a
// platform type, so the player stays portable.

#include <cstddef>
#include <cstdint>
#include <memory>

// The owner window of the cooperative level (an HWND on Windows).
using NativeWindow = void*;

constexpr int kCooperativeNormal = 1;

// Static buffer with frequency, pan and volume control.
constexpr uint32_t kStaticBufferFlags = 0xE2;
constexpr uint32_t kBufferDescriptionSize = 20;

// Volume is an attenuation in hundredths of a decibel; pan runs left to right.
constexpr int32_t kVolumeFull = 0;
constexpr int32_t kVolumeSilent = -10000;
constexpr int32_t kPanLeft = -10000;
constexpr int32_t kPanRight = 10000;

struct SoundBufferDescription {
  uint32_t size = kBufferDescriptionSize;
  uint32_t flags = kStaticBufferFlags;
  uint32_t bufferBytes = 0;
  // The "fmt " chunk's bytes, taken as a wave format block. The service must not
  // read past formatSize (a plain PCM block has no cbSize field).
  const uint8_t* format = nullptr;
  size_t formatSize = 0;
};

// The writable regions a lock hands out; together they cover the locked range.
struct SoundRegions {
  uint8_t* first = nullptr;
  uint32_t firstBytes = 0;
  uint8_t* second = nullptr;
  uint32_t secondBytes = 0;
};

class SoundBuffer {
 public:
  virtual bool lock(uint32_t offset, uint32_t length, SoundRegions& regions) = 0;
  virtual bool unlock(const SoundRegions& regions) = 0;
  // Tells whether the buffer is playing; false when the status cannot be had.
  virtual bool getStatus(bool& playing) = 0;
  virtual bool setVolume(int32_t attenuation) = 0;
  virtual bool setPan(int32_t pan) = 0;
  // Starts from the current position.
  virtual bool play(bool looping) = 0;
  // Frees the buffer; the object is gone afterwards.
  virtual void release() = 0;

 protected:
  ~SoundBuffer() = default;
};

struct ReleaseSoundBuffer {
  void operator()(SoundBuffer* buffer) const {
    if (buffer) buffer->release();
  }
};
using SoundBufferPtr = std::unique_ptr<SoundBuffer, ReleaseSoundBuffer>;

class SoundService {
 public:
  virtual ~SoundService() = default;
  // Creates the device object on the default sound device.
  virtual bool create() = 0;
  virtual bool setCooperativeLevel(NativeWindow window, int level) = 0;
  // Returns no buffer when the service refuses the description or the format.
  virtual SoundBufferPtr createSoundBuffer(const SoundBufferDescription& description) = 0;
  // Frees the device object; every buffer must have been released before.
  virtual void release() = 0;
};
