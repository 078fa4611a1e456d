#pragma once
// The 500 ms timer (id 1) both canvases run to notice the pointer leaving them: the
// window starts and stops it and passes each tick's facts to its editor.

#include <optional>

#include "framework/win32.h"
#include "ui/pointer_facts.h"

void StartLeaveCheck(HWND window);
void StopLeaveCheck(HWND window);
// The pointer facts for a tick of the leave check, nothing for another timer.
std::optional<PointerFacts> LeaveCheckTick(HWND window, UINT_PTR timerId);
