#pragma once
// The system colour chooser.

#include <cstdint>

#include "framework/win32.h"

// 0 at once when `colour` or the 16 custom colours are missing. Otherwise shows the
// chooser starting from white with the custom colours (which it may change); on
// confirmation stores the colour (red in the lowest byte, then green, then blue) and
// returns 1; 0 when cancelled.
int ChooseColor(HWND owner, uint32_t* colour, uint32_t* customColours);
