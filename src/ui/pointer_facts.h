#pragma once
// What a window knows about the system pointer when its leave check runs. The
// window reads these; each editor decides from them whether the pointer has left.

struct PointerFacts {
  int x = 0;  // client pixels
  int y = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  // No other window lies in front of this one at the pointer.
  bool overThisWindow = false;
};
