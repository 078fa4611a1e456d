#pragma once
// The status bar both frames carry: three parts, the zoom and the mouse position.

#include <array>
#include <string>

// Right edges of the three parts for a client width (-1: to the end of the bar).
std::array<int, 3> StatusPartEdges(int clientWidth);

// " x%d".
std::string ZoomText(int zoom);
// " 마우스 : %3d , %3d", or dashes when there is no position.
std::string MouseText(bool hasPosition, int x, int y);
