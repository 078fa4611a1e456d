#pragma once
// Turns mouse-wheel deltas into whole notches. A notch is 120; a high-resolution wheel
// sends parts of one, which add up until they make a notch, and one message may carry
// several notches. Turning the other way forgets a part left over.

class WheelNotches {
 public:
  static constexpr int kNotch = 120;

  // Whole notches for this delta: positive away from the user (up), negative towards.
  int add(int delta) {
    if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0)) rest_ = 0;
    rest_ += delta;
    const int notches = rest_ / kNotch;
    rest_ -= notches * kNotch;
    return notches;
  }

 private:
  int rest_ = 0;
};
