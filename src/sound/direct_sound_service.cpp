#include "sound/direct_sound_service.h"

// windows.h must come first; the DirectSound header builds on its types.
#include <windows.h>
// clang-format off
#include <mmsystem.h>
#include <dsound.h>
// clang-format on

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

class DirectSoundBuffer final : public SoundBuffer {
 public:
  explicit DirectSoundBuffer(IDirectSoundBuffer* buffer) : buffer_(buffer) {}

  bool lock(uint32_t offset, uint32_t length, SoundRegions& regions) override {
    regions = SoundRegions{};
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    if (FAILED(buffer_->Lock(offset, length, &first, &firstBytes, &second, &secondBytes, 0))) return false;
    regions.first = static_cast<uint8_t*>(first);
    regions.firstBytes = firstBytes;
    regions.second = static_cast<uint8_t*>(second);
    regions.secondBytes = secondBytes;
    return true;
  }
  bool unlock(const SoundRegions& regions) override {
    return SUCCEEDED(buffer_->Unlock(regions.first, regions.firstBytes, regions.second, regions.secondBytes));
  }
  bool getStatus(bool& playing) override {
    DWORD status = 0;
    playing = false;
    if (FAILED(buffer_->GetStatus(&status))) return false;
    playing = (status & DSBSTATUS_PLAYING) != 0;
    return true;
  }
  bool setVolume(int32_t attenuation) override { return SUCCEEDED(buffer_->SetVolume(attenuation)); }
  bool setPan(int32_t pan) override { return SUCCEEDED(buffer_->SetPan(pan)); }
  bool play(bool looping) override { return SUCCEEDED(buffer_->Play(0, 0, looping ? DSBPLAY_LOOPING : 0)); }
  void release() override {
    buffer_->Release();
    delete this;
  }

 private:
  IDirectSoundBuffer* buffer_;
};

class DirectSoundService final : public SoundService {
 public:
  ~DirectSoundService() override { release(); }

  bool create() override {
    release();
    return SUCCEEDED(DirectSoundCreate(nullptr, &device_, nullptr)) && device_;
  }
  bool setCooperativeLevel(NativeWindow window, int level) override {
    return device_ &&
           SUCCEEDED(device_->SetCooperativeLevel(static_cast<HWND>(window), static_cast<DWORD>(level)));
  }
  SoundBufferPtr createSoundBuffer(const SoundBufferDescription& description) override {
    if (!device_ || !description.format || description.formatSize < 16) return nullptr;
    // DirectSound reads a whole WAVEFORMATEX and then cbSize extra bytes. A plain
    // PCM block has no cbSize, and a hostile one may claim more than the chunk
    // holds: give it a copy that is at least a WAVEFORMATEX and never overstated.
    const size_t head = sizeof(WAVEFORMATEX);
    std::vector<uint8_t> format(std::max(head, description.formatSize), 0);
    std::memcpy(format.data(), description.format, description.formatSize);
    const size_t extra = description.formatSize > head ? description.formatSize - head : 0;
    WAVEFORMATEX* wave = reinterpret_cast<WAVEFORMATEX*>(format.data());
    if (wave->cbSize > extra) wave->cbSize = static_cast<WORD>(std::min<size_t>(extra, 0xFFFF));

    DSBUFFERDESC1 desc;
    std::memset(&desc, 0, sizeof desc);
    // The portable description carries the 32-bit record's size; the record handed
    // over is this build's own, whose size differs in a 64-bit build.
    desc.dwSize = sizeof desc;
    desc.dwFlags = description.flags;
    desc.dwBufferBytes = description.bufferBytes;
    desc.lpwfxFormat = wave;
    IDirectSoundBuffer* buffer = nullptr;
    if (FAILED(device_->CreateSoundBuffer(reinterpret_cast<const DSBUFFERDESC*>(&desc), &buffer, nullptr)) ||
        !buffer) {
      return nullptr;
    }
    return SoundBufferPtr(new DirectSoundBuffer(buffer));
  }
  void release() override {
    if (device_) device_->Release();
    device_ = nullptr;
  }

 private:
  IDirectSound* device_ = nullptr;
};

}  // namespace

std::unique_ptr<SoundService> CreateDirectSoundService() {
  return std::make_unique<DirectSoundService>();
}
