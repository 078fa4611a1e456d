#include "ui/status_text.h"

#include <cstdio>

std::array<int, 3> StatusPartEdges(int clientWidth) {
  const int unit = clientWidth / 13;
  return {6 * unit, 7 * unit, -1};
}

std::string ZoomText(int zoom) {
  return " x" + std::to_string(zoom);
}

std::string MouseText(bool hasPosition, int x, int y) {
  if (!hasPosition) return " 마우스 : --- , ---";
  char text[64];
  std::snprintf(text, sizeof(text), " 마우스 : %3d , %3d", x, y);
  return text;
}
