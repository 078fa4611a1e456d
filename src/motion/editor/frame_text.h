#pragma once
// The texts and layout of the Zorv2 main frame, as plain functions of the document's
// state so that they can be checked without windows.

#include <string>

#include "ui/frame_layout.h"

struct MotionTitleState {
  std::string documentName;  // without folder; empty for a new document
  bool modified = false;
  int bundleCount = 0;
  int spriteCount = 0;
};

extern const char* const kMotionProgramTitle;  // "ZorvII"

std::string MotionTitle(const MotionTitleState& state);

// Status bar part 0: the tool's status name, with the tool number for the tools that
// use one, and the select-all mark.
std::string MotionToolText(const std::string& toolName, int toolNumber, bool showsToolNumber, bool selectAll);

// The editing canvas fills the client area between the tool bar and the status bar.
CanvasPlacement PlaceMotionCanvas(int clientWidth, int clientHeight);
