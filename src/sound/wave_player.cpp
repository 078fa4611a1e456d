#include "sound/wave_player.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "sound/wave_parser.h"
#include "sound/wave_texts.h"

int32_t WaveAttenuation(int32_t masterLevel, int32_t volume) {
  // Out-of-range volumes saturate instead of wrapping to a nonsense attenuation.
  const uint32_t level = static_cast<uint32_t>(std::clamp(volume, 0, 10000));
  const uint32_t scaled = static_cast<uint32_t>(masterLevel) * level / 10000u - 10000u;
  return static_cast<int32_t>(scaled);
}

WavePlayer::WavePlayer(std::unique_ptr<SoundService> service)
    : service_(std::move(service)), loader_(ReadWaveFile) {}

WavePlayer::~WavePlayer() {
  shutdown();
}

bool WavePlayer::init(NativeWindow window) {
  window_ = window;
  if (ready_) return true;
  if (!openDevice()) return false;
  ready_ = true;
  service_->release();
  deviceCreated_ = false;
  return true;
}

bool WavePlayer::openDevice() {
  if (deviceCreated_) return true;
  if (!service_ || !service_->create()) {
    message_ = wave_text::kCreateFailed;
    return false;
  }
  deviceCreated_ = true;
  if (!service_->setCooperativeLevel(window_, kCooperativeNormal)) {
    message_ = wave_text::kCooperativeFailed;
    return false;
  }
  return true;
}

void WavePlayer::shutdown() {
  cache_.clear();
  for (Channel& channel : channels_) {
    channel.buffer.reset();
    channel.name.clear();
    channel.inUse = false;
  }
  currentChannel_ = -1;
  if (deviceCreated_) service_->release();
  deviceCreated_ = false;
  ready_ = false;
}

bool WavePlayer::isPlaying(const Channel& channel) const {
  if (!channel.buffer) return false;
  bool playing = false;
  // A buffer whose status cannot be had is left alone rather than taken away.
  if (!channel.buffer->getStatus(playing)) return true;
  return playing;
}

int WavePlayer::findReusableChannel(const std::string& path) const {
  for (int i = 0; i < kChannelCount; ++i) {
    const Channel& channel = channels_[i];
    if (channel.inUse && !channel.name.empty() && channel.buffer && channel.name == path &&
        !isPlaying(channel)) {
      return i;
    }
  }
  return -1;
}

int WavePlayer::takeChannel(const std::string& path) {
  for (int i = 0; i < kChannelCount; ++i) {
    if (!channels_[i].inUse) {
      channels_[i].inUse = true;
      channels_[i].name = path;
      return i;
    }
  }
  for (int i = 0; i < kChannelCount; ++i) {
    if (!isPlaying(channels_[i])) {
      channels_[i].buffer.reset();
      channels_[i].name = path;
      return i;
    }
  }
  return -1;
}

void WavePlayer::freeChannel(int channel) {
  channels_[channel].buffer.reset();
  channels_[channel].name.clear();
  channels_[channel].inUse = false;
}

int WavePlayer::readIntoCache(const std::string& path) {
  std::vector<uint8_t> bytes;
  // The file is read whole before the cache is touched, so a failed read keeps
  // every entry.
  const WaveFileLoad result =
      loader_ ? loader_(path, bytes, WaveCache::kCapacity) : WaveFileLoad::kCannotRead;
  if (result == WaveFileLoad::kTooLarge ||
      (result == WaveFileLoad::kLoaded && bytes.size() > WaveCache::kCapacity)) {
    message_ = wave_text::kTooLarge;
    return -1;
  }
  if (result != WaveFileLoad::kLoaded) {
    message_ = wave_text::kReadFailed;
    return -1;
  }
  return cache_.add(path, bytes.data(), bytes.size());
}

bool WavePlayer::buildBuffer(Channel& channel, int entry) {
  WaveView wave;
  const ReadResult parsed = ParseWave(cache_.data(entry), cache_.size(entry), wave);
  if (!parsed) {
    message_ = parsed.problem == ReadProblem::NotThisKind ? wave_text::kNotWave : wave_text::kDamaged;
    return false;
  }
  SoundBufferDescription description;
  description.bufferBytes = wave.dataSize;
  description.format = wave.format;
  description.formatSize = wave.formatSize;
  SoundBufferPtr buffer = service_->createSoundBuffer(description);
  if (!buffer) {
    message_ = wave_text::kBufferFailed;
    return false;
  }
  SoundRegions regions;
  if (!buffer->lock(0, wave.dataSize, regions)) {
    message_ = wave_text::kLockFailed;
    return false;
  }
  // Copy no more than either side holds, whatever sizes the service reports.
  size_t left = wave.dataSize;
  const uint8_t* from = wave.data;
  if (regions.first) {
    const size_t part = std::min<size_t>(left, regions.firstBytes);
    std::memcpy(regions.first, from, part);
    from += part;
    left -= part;
  }
  if (regions.second && left) {
    const size_t part = std::min<size_t>(left, regions.secondBytes);
    std::memcpy(regions.second, from, part);
  }
  if (!buffer->unlock(regions)) {
    message_ = wave_text::kUnlockFailed;
    return false;
  }
  channel.buffer = std::move(buffer);
  return true;
}

bool WavePlayer::start(Channel& channel, int32_t attenuation, int32_t pan, int loop) {
  if (!channel.buffer->setVolume(attenuation)) {
    message_ = wave_text::kVolumeFailed;
    return false;
  }
  if (!channel.buffer->setPan(pan)) {
    message_ = wave_text::kPanFailed;
    return false;
  }
  return channel.buffer->play(loop != 0);
}

bool WavePlayer::play(const std::string& path, int32_t volume, int32_t pan, int loop) {
  if (!ready_) {
    message_ = wave_text::kNotReady;
    return false;
  }
  if (path.empty() || !openDevice()) return false;
  const int32_t attenuation = WaveAttenuation(masterLevel_, volume);
  currentChannel_ = -1;
  message_ = wave_text::kBufferPlay;

  int channel = findReusableChannel(path);
  if (channel < 0) {
    channel = takeChannel(path);
    if (channel < 0) {
      message_ = wave_text::kNoFreeChannel;
      return false;
    }
    message_ = wave_text::kCachePlay;
    int entry = cache_.find(path);
    if (entry < 0) {
      message_ = wave_text::kFilePlay;
      entry = readIntoCache(path);
    }
    if (entry < 0 || !buildBuffer(channels_[channel], entry)) {
      freeChannel(channel);
      return false;
    }
  }
  currentChannel_ = channel;
  // A channel whose buffer cannot be started goes back to free, so the next play
  // of the sound builds a fresh buffer instead of retrying this one.
  if (!start(channels_[channel], attenuation, pan, loop)) {
    freeChannel(channel);
    currentChannel_ = -1;
    return false;
  }
  return true;
}
