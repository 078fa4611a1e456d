#include "cutter/editor/frame_text.h"

#include <cstdio>

const char* const kCutterProgramTitle = "PlykII";

namespace {
constexpr int kToolBarBottom = 28;
constexpr int kStatusBarHeight = 20;
constexpr int kScrollBarRoom = 20;  // the canvas's own scroll bars
}  // namespace

std::string CutterTitle(const CutterTitleState& state) {
  if (state.spriteCount <= 0 && !state.hasFrame) return kCutterProgramTitle;
  const std::string file = state.spriteFileName.empty() ? "새 파일" : state.spriteFileName;
  const char* mark = state.modified ? " *" : "";
  char text[1024];
  if (!state.hasFrame) {
    std::snprintf(text, sizeof(text), "%s       [%s%s]", kCutterProgramTitle, file.c_str(), mark);
    return text;
  }
  const std::string picture = state.pictureName.empty() ? "그림 없음" : state.pictureName;
  std::snprintf(text, sizeof(text), "%s       [%s%s]   - %s[%dx%d]  (%d/%d)", kCutterProgramTitle,
                file.c_str(), mark, picture.c_str(), state.frameWidth, state.frameHeight,
                state.frameIndex + 1, state.frameCount);
  return text;
}

CanvasPlacement PlaceCanvas(int clientWidth, int clientHeight, int64_t zoomedWidth, int64_t zoomedHeight) {
  CanvasPlacement placement;
  const int64_t width = zoomedWidth + kScrollBarRoom;
  const int64_t height = zoomedHeight + kScrollBarRoom;
  const int workHeight = clientHeight - kToolBarBottom - kStatusBarHeight;
  if (width < clientWidth) {
    placement.width = static_cast<int>(width);
    placement.x = (clientWidth - placement.width) / 2;
  } else {
    placement.width = clientWidth;
    placement.x = 0;
  }
  if (height < workHeight) {
    placement.height = static_cast<int>(height);
    placement.y = kToolBarBottom + (workHeight - placement.height) / 2;
  } else {
    placement.height = workHeight;
    placement.y = kToolBarBottom;
  }
  return placement;
}
