#pragma once
// A sound service for tests. It records every call in order, keeps each buffer's
// bytes, plays a buffer until the test marks it finished, and fails any
// operation it is told to fail.

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "sound/sound_service.h"

enum class SoundOp {
  kCreate,
  kSetCooperativeLevel,
  kCreateSoundBuffer,
  kLock,
  kUnlock,
  kGetStatus,
  kSetVolume,
  kSetPan,
  kPlay,
  kReleaseBuffer,
  kReleaseDevice,
};

const char* SoundOpName(SoundOp op);

struct SoundCall {
  SoundOp op;
  int buffer;  // id of the buffer, or -1 for the device
  int64_t a;   // first argument: level, length, volume, pan, looping
  int64_t b;   // second argument: window as an integer, lock offset
  bool ok;
};

struct FakeBufferState {
  SoundBufferDescription description;  // format pointer cleared; see format
  std::vector<uint8_t> format;
  std::vector<uint8_t> bytes;
  bool playing = false;
  bool looping = false;
  bool released = false;
  int32_t volume = 0;
  int32_t pan = 0;
  int plays = 0;
};

class FakeSoundService : public SoundService {
 public:
  FakeSoundService() = default;
  ~FakeSoundService() override;

  bool create() override;
  bool setCooperativeLevel(NativeWindow window, int level) override;
  SoundBufferPtr createSoundBuffer(const SoundBufferDescription& description) override;
  void release() override;

  // Every later call of op fails (until cleared), or only the next one.
  void failAlways(SoundOp op, bool fail = true);
  void failNext(SoundOp op);
  // Lock hands out two regions, the first of at most this many bytes.
  void splitLockAt(uint32_t firstBytes) { splitAt_ = firstBytes; }

  // Playing buffers stop as a one-shot sound would at its end.
  void finish(int buffer);
  void finishAll();

  const std::vector<SoundCall>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }
  int count(SoundOp op) const;
  // The ops of the recorded calls, in order, as "Create SetVolume ..." text.
  std::string trace() const;

  int bufferCount() const { return static_cast<int>(buffers_.size()); }
  const FakeBufferState& buffer(int id) const { return buffers_.at(id); }
  int liveBuffers() const;
  bool deviceAlive() const { return deviceAlive_; }

 private:
  class Buffer;
  friend class Buffer;

  bool call(SoundOp op, int buffer, int64_t a = 0, int64_t b = 0);

  std::vector<SoundCall> calls_;
  std::set<SoundOp> failAlways_;
  std::set<SoundOp> failNext_;
  std::map<int, FakeBufferState> buffers_;
  uint32_t splitAt_ = 0;
  bool deviceAlive_ = false;
};
