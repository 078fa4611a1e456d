#pragma once
// Playing a bundle (or every bundle) as an animation, one tick per idle call: each
// tick sleeps until 17 ms after the last one was due, so the drawing between ticks
// does not lengthen them, and a motion stays for its delay + 1 ticks. The motion being
// played is held by position, so a document changed under a running playback ends
// it instead of leaving a stale reference. The sound of each motion shown starts at
// once.

#include <cstdint>
#include <string>

#include "motion/editor/sound_sink.h"
#include "motion/motion_file.h"

constexpr int kPlaybackTickMilliseconds = 17;
// How late a tick may come and still keep the pace (made up by the next wait).
constexpr double kPlaybackLateMilliseconds = 1.0;

class Playback {
 public:
  enum class Step { Stay, Show, End };

  // waveDirectory: the setting whose folder part goes in front of sound names.
  Playback(const MotionFile& file, Sleeper& sleeper, SoundSink& sound, const std::string& waveDirectory)
      : file_(file), sleeper_(sleeper), sound_(sound), waveDirectory_(waveDirectory) {}

  // The first motion of the current bundle, or with allBundles of the first bundle
  // that has one. False (nothing starts) when there is none; else the motion is to
  // be shown.
  bool start(bool allBundles);
  // Sleeps until the next tick is due and counts it; Show when the next motion is due, End after the
  // last one (or when the played motion is gone).
  Step tick();
  void stop() { playing_ = false; }

  bool playing() const { return playing_; }
  // The motion on screen, or null.
  const Motion* motion() const;
  int32_t tickCount() const { return tickCount_; }
  int32_t remaining() const { return remaining_; }
  int bundleIndex() const { return bundleIndex_; }
  int motionIndex() const { return motionIndex_; }

 private:
  // The first bundle from `from` on that has a motion, or -1.
  int nextBundleWithMotion(int from) const;
  void show(int bundle, int motion);

  const MotionFile& file_;
  Sleeper& sleeper_;
  SoundSink& sound_;
  const std::string& waveDirectory_;
  bool playing_ = false;
  bool allBundles_ = false;
  int bundleIndex_ = -1;
  int motionIndex_ = -1;
  int32_t tickCount_ = 0;
  int32_t remaining_ = 0;
  double dueAt_ = 0;  // when the next tick is due, on the sleeper's clock
};
