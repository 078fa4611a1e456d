#pragma once
// What a paste in a list window does with what was marked: nothing, a copy, a move,
// or (the motion window only) the marked motion's data without its sprite.

#include <cstdint>

enum class ClipboardMode : int32_t { Empty = 0, Copy = 1, Cut = 2, InfoOnly = 3 };
