#pragma once
// Where the editor's sounds and playback pauses go. The program plays through its
// wave player and sleeps for real; tests record both.

#include <string>

class SoundSink {
 public:
  virtual ~SoundSink() = default;
  // Plays a wave file at full volume, centred, once; failures are not reported.
  virtual void playWave(const std::string& path) = 0;
};

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void sleep(int milliseconds) = 0;
  // A steady clock in milliseconds, which playback paces its ticks by.
  virtual double milliseconds() = 0;
};

// The path a motion's sound plays from: the folder part of `folder` (up to and
// including its last backslash) followed by `name`; the name alone when `folder`
// holds no backslash.
std::string WavePath(const std::string& folder, const std::string& name);
