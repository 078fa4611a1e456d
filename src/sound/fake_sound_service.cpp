#include "sound/fake_sound_service.h"

#include <algorithm>
#include <cstdlib>

class FakeSoundService::Buffer final : public SoundBuffer {
 public:
  Buffer(FakeSoundService& service, int id) : service_(service), id_(id) {}

  bool lock(uint32_t offset, uint32_t length, SoundRegions& regions) override {
    regions = SoundRegions{};
    if (!service_.call(SoundOp::kLock, id_, length, offset)) return false;
    std::vector<uint8_t>& bytes = state().bytes;
    if (offset > bytes.size() || length > bytes.size() - offset) return false;
    const uint32_t split = service_.splitAt_;
    regions.first = bytes.data() + offset;
    regions.firstBytes = length;
    if (split > 0 && split < length) {
      regions.firstBytes = split;
      regions.second = bytes.data() + offset + split;
      regions.secondBytes = length - split;
    }
    return true;
  }
  bool unlock(const SoundRegions& regions) override {
    return service_.call(SoundOp::kUnlock, id_, regions.firstBytes, regions.secondBytes);
  }
  bool getStatus(bool& playing) override {
    playing = false;
    if (!service_.call(SoundOp::kGetStatus, id_)) return false;
    playing = state().playing;
    return true;
  }
  bool setVolume(int32_t attenuation) override {
    if (!service_.call(SoundOp::kSetVolume, id_, attenuation)) return false;
    if (attenuation > kVolumeFull || attenuation < kVolumeSilent) return false;
    state().volume = attenuation;
    return true;
  }
  bool setPan(int32_t pan) override {
    if (!service_.call(SoundOp::kSetPan, id_, pan)) return false;
    if (pan < kPanLeft || pan > kPanRight) return false;
    state().pan = pan;
    return true;
  }
  bool play(bool looping) override {
    if (!service_.call(SoundOp::kPlay, id_, looping)) return false;
    state().playing = true;
    state().looping = looping;
    ++state().plays;
    return true;
  }
  void release() override {
    service_.call(SoundOp::kReleaseBuffer, id_);
    state().released = true;
    state().playing = false;
    delete this;
  }

 private:
  FakeBufferState& state() { return service_.buffers_.at(id_); }

  FakeSoundService& service_;
  int id_;
};

const char* SoundOpName(SoundOp op) {
  switch (op) {
    case SoundOp::kCreate:
      return "Create";
    case SoundOp::kSetCooperativeLevel:
      return "SetCooperativeLevel";
    case SoundOp::kCreateSoundBuffer:
      return "CreateSoundBuffer";
    case SoundOp::kLock:
      return "Lock";
    case SoundOp::kUnlock:
      return "Unlock";
    case SoundOp::kGetStatus:
      return "GetStatus";
    case SoundOp::kSetVolume:
      return "SetVolume";
    case SoundOp::kSetPan:
      return "SetPan";
    case SoundOp::kPlay:
      return "Play";
    case SoundOp::kReleaseBuffer:
      return "ReleaseBuffer";
    case SoundOp::kReleaseDevice:
      return "ReleaseDevice";
  }
  return "?";
}

FakeSoundService::~FakeSoundService() {
  // A buffer left alive past its service would point at freed state: that is a
  // fault of the code under test, so make it loud.
  if (liveBuffers() != 0) std::abort();
}

bool FakeSoundService::call(SoundOp op, int buffer, int64_t a, int64_t b) {
  bool ok = failAlways_.count(op) == 0 && failNext_.erase(op) == 0;
  calls_.push_back(SoundCall{op, buffer, a, b, ok});
  return ok;
}

bool FakeSoundService::create() {
  if (!call(SoundOp::kCreate, -1)) return false;
  deviceAlive_ = true;
  return true;
}

bool FakeSoundService::setCooperativeLevel(NativeWindow window, int level) {
  return call(SoundOp::kSetCooperativeLevel, -1, level,
              static_cast<int64_t>(reinterpret_cast<intptr_t>(window)));
}

SoundBufferPtr FakeSoundService::createSoundBuffer(const SoundBufferDescription& description) {
  if (!call(SoundOp::kCreateSoundBuffer, -1, description.bufferBytes, description.flags)) return nullptr;
  // Refuse what a real service refuses: no device, a wrong description or no format.
  if (!deviceAlive_ || description.size != kBufferDescriptionSize || description.bufferBytes == 0 ||
      !description.format || description.formatSize == 0) {
    return nullptr;
  }
  const int id = static_cast<int>(buffers_.size());
  FakeBufferState& state = buffers_[id];
  state.description = description;
  state.description.format = nullptr;
  state.format.assign(description.format, description.format + description.formatSize);
  state.bytes.assign(description.bufferBytes, 0);
  calls_.back().buffer = id;
  return SoundBufferPtr(new Buffer(*this, id));
}

void FakeSoundService::release() {
  call(SoundOp::kReleaseDevice, -1, liveBuffers());
  deviceAlive_ = false;
}

void FakeSoundService::failAlways(SoundOp op, bool fail) {
  if (fail) {
    failAlways_.insert(op);
  } else {
    failAlways_.erase(op);
  }
}

void FakeSoundService::failNext(SoundOp op) {
  failNext_.insert(op);
}

void FakeSoundService::finish(int buffer) {
  buffers_.at(buffer).playing = false;
}

void FakeSoundService::finishAll() {
  for (auto& entry : buffers_) entry.second.playing = false;
}

int FakeSoundService::count(SoundOp op) const {
  return static_cast<int>(
      std::count_if(calls_.begin(), calls_.end(), [op](const SoundCall& c) { return c.op == op; }));
}

std::string FakeSoundService::trace() const {
  std::string text;
  for (const SoundCall& c : calls_) {
    if (!text.empty()) text += ' ';
    text += SoundOpName(c.op);
  }
  return text;
}

int FakeSoundService::liveBuffers() const {
  return static_cast<int>(std::count_if(buffers_.begin(), buffers_.end(),
                                        [](const auto& entry) { return !entry.second.released; }));
}
