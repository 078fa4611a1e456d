#pragma once
// What a window's scroll bar shows: its range 0 ... max and the thumb position, in
// the bar's own units, and whether it is enabled at all.

struct ScrollBarState {
  bool enabled = false;
  int max = 0;
  int position = 0;
  bool operator==(const ScrollBarState& o) const {
    return enabled == o.enabled && max == o.max && position == o.position;
  }
};
