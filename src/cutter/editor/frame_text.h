#pragma once
// The texts and layout of the Plyk2 main frame, as plain functions of the document's
// state so that they can be checked without windows.

#include <cstdint>
#include <string>

#include "ui/frame_layout.h"

struct CutterTitleState {
  std::string spriteFileName;  // without folder; empty for a new file
  bool modified = false;
  int spriteCount = 0;
  bool hasFrame = false;    // the picture has a current frame
  std::string pictureName;  // without folder; empty without a picture
  int frameWidth = 0;
  int frameHeight = 0;
  int frameIndex = 0;  // counted from 0
  int frameCount = 0;
};

extern const char* const kCutterProgramTitle;  // "PlykII"

std::string CutterTitle(const CutterTitleState& state);

// Where the picture canvas goes in a client area of the given size for a picture
// frame of the given zoomed size: centred in the work area between the tool bar and
// the status bar when it fits, otherwise filling it.
CanvasPlacement PlaceCanvas(int clientWidth, int clientHeight, int64_t zoomedWidth, int64_t zoomedHeight);
