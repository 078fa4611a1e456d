#include "motion/editor/playback.h"

#include <algorithm>
#include <cmath>

int Playback::nextBundleWithMotion(int from) const {
  for (int b = from; b < file_.count(); ++b) {
    if (file_.get(b)->count() > 0) return b;
  }
  return -1;
}

void Playback::show(int bundle, int motion) {
  bundleIndex_ = bundle;
  motionIndex_ = motion;
  tickCount_ = 0;
  const Motion* m = this->motion();
  remaining_ = m ? m->delay : 0;
  if (m && !m->sound.empty()) sound_.playWave(WavePath(waveDirectory_, m->sound.str()));
}

bool Playback::start(bool allBundles) {
  allBundles_ = allBundles;
  int bundle = allBundles ? nextBundleWithMotion(0) : file_.currentIndex();
  const MotionBundle* b = file_.get(bundle);
  playing_ = b && b->count() > 0;
  if (!playing_) return false;
  dueAt_ = sleeper_.milliseconds() + kPlaybackTickMilliseconds;
  show(bundle, 0);
  return true;
}

const Motion* Playback::motion() const {
  const MotionBundle* bundle = playing_ ? file_.get(bundleIndex_) : nullptr;
  return bundle ? bundle->get(motionIndex_) : nullptr;
}

Playback::Step Playback::tick() {
  if (!playing_) return Step::End;
  // The time spent since the last tick (drawing, sleeping a little long) comes off
  // this wait. A tick already late by more than that (the program was held up) is
  // taken at once and the pace starts afresh: later motions are never hurried.
  const double now = sleeper_.milliseconds();
  if (now > dueAt_ + kPlaybackLateMilliseconds || dueAt_ - now > kPlaybackTickMilliseconds) dueAt_ = now;
  sleeper_.sleep(static_cast<int>(std::ceil(std::max(dueAt_ - now, 0.0))));
  dueAt_ += kPlaybackTickMilliseconds;
  ++tickCount_;
  if (motion() && tickCount_ <= remaining_) return Step::Stay;
  const MotionBundle* bundle = file_.get(bundleIndex_);
  if (bundle && motionIndex_ + 1 < bundle->count()) {
    show(bundleIndex_, motionIndex_ + 1);
    return Step::Show;
  }
  const int next = allBundles_ ? nextBundleWithMotion(bundleIndex_ + 1) : -1;
  if (next >= 0) {
    show(next, 0);
    return Step::Show;
  }
  playing_ = false;
  return Step::End;
}
