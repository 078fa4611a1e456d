#include "framework/window_list.h"

#include <algorithm>

namespace {
WindowList* g_list = nullptr;
}

void WindowList::add(BaseWindow* window) {
  ++count_;
  if (!has(window)) windows_.push_back(window);
}

void WindowList::remove(BaseWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
  if (main_ == window) main_ = nullptr;
}

bool WindowList::has(const BaseWindow* window) const {
  return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

WindowList* CurrentWindowList() {
  return g_list;
}

void SetCurrentWindowList(WindowList* list) {
  g_list = list;
}
