#pragma once
// The motion editor's sound player: five channels, each holding one platform
// sound buffer, over a first-in-first-out cache of whole wave files. Every
// operation returns false on failure and leaves the reason in message().

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "sound/sound_service.h"
#include "sound/wave_cache.h"
#include "sound/wave_file_loader.h"

// Volume 0..10000 (full) scaled by the master level, as an attenuation in
// hundredths of a decibel: 0 is full, -10000 silent.
int32_t WaveAttenuation(int32_t masterLevel, int32_t volume);

class WavePlayer {
 public:
  static constexpr int kChannelCount = 5;
  static constexpr int32_t kMasterLevel = 10000;

  explicit WavePlayer(std::unique_ptr<SoundService> service);
  ~WavePlayer();
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;

  // Creates the device and sets the normal cooperative level for window, which
  // tells whether sound works; then closes the device again until the first sound
  // plays: an open device mixes silence all the time (under Wine a steady share of
  // a core for an idle program).
  bool init(NativeWindow window);
  // path: the bytes of a file name or full path; volume 0..10000; pan -10000..10000
  // passed on unchanged; loop non-zero plays in a loop.
  bool play(const std::string& path, int32_t volume, int32_t pan, int loop);
  const char* message() const { return message_; }
  // Frees names, releases every channel's buffer and then the device. Also done
  // by the destructor; afterwards the player is no longer ready.
  void shutdown();

  // The program replaces this to open paths its own way; ReadWaveFile by default.
  void setFileLoader(WaveFileLoader loader) { loader_ = std::move(loader); }

  bool ready() const { return ready_; }
  NativeWindow window() const { return window_; }
  int currentChannel() const { return currentChannel_; }
  bool channelInUse(int channel) const { return channels_[channel].inUse; }
  const std::string& channelName(int channel) const { return channels_[channel].name; }
  bool channelHasBuffer(int channel) const { return channels_[channel].buffer != nullptr; }
  const WaveCache& cache() const { return cache_; }

 private:
  // Opens the device for the window if it is not open.
  bool openDevice();
  struct Channel {
    bool inUse = false;
    std::string name;
    SoundBufferPtr buffer;
  };

  bool isPlaying(const Channel& channel) const;
  int findReusableChannel(const std::string& path) const;
  int takeChannel(const std::string& path);
  void freeChannel(int channel);
  int readIntoCache(const std::string& path);
  bool buildBuffer(Channel& channel, int entry);
  bool start(Channel& channel, int32_t attenuation, int32_t pan, int loop);

  std::unique_ptr<SoundService> service_;
  WaveFileLoader loader_;
  NativeWindow window_ = nullptr;
  bool ready_ = false;
  bool deviceCreated_ = false;
  int32_t masterLevel_ = kMasterLevel;
  const char* message_ = "";
  WaveCache cache_;
  int currentChannel_ = -1;
  std::array<Channel, kChannelCount> channels_;
};
