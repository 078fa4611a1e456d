#pragma once
// What a scroll bar asks for. The values are the system's scroll-bar codes, so the
// window code passes them on unchanged.

enum ScrollCode : int {
  kScrollLineUp = 0,  // also line left
  kScrollLineDown = 1,
  kScrollPageUp = 2,
  kScrollPageDown = 3,
  kScrollThumbPosition = 4,  // the thumb was let go
  kScrollThumbTrack = 5,     // the thumb is being dragged
  kScrollTop = 6,
  kScrollBottom = 7,
  kScrollEnd = 8,
};

enum class ScrollAxis { Horizontal, Vertical };
