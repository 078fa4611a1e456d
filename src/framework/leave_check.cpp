#include "framework/leave_check.h"

namespace {
constexpr UINT_PTR kLeaveCheckTimer = 1;
constexpr UINT kLeaveCheckMilliseconds = 500;
}  // namespace

void StartLeaveCheck(HWND window) {
  SetTimer(window, kLeaveCheckTimer, kLeaveCheckMilliseconds, nullptr);
}

void StopLeaveCheck(HWND window) {
  KillTimer(window, kLeaveCheckTimer);
}

std::optional<PointerFacts> LeaveCheckTick(HWND window, UINT_PTR timerId) {
  if (timerId != kLeaveCheckTimer) return std::nullopt;
  POINT screen{};
  GetCursorPos(&screen);
  POINT client = screen;
  ScreenToClient(window, &client);
  RECT area{};
  GetClientRect(window, &area);
  PointerFacts facts;
  facts.x = client.x;
  facts.y = client.y;
  facts.clientWidth = area.right - area.left;
  facts.clientHeight = area.bottom - area.top;
  facts.overThisWindow = WindowFromPoint(screen) == window;
  return facts;
}
