#include "cutter/editor/frame_text.h"

#include <string>

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
  std::string text = std::string(kCutterProgramTitle) + "       [" + file + mark + "]";
  if (!state.hasFrame) return text;
  const std::string picture = state.pictureName.empty() ? "그림 없음" : state.pictureName;
  return text + "   - " + picture + "[" + std::to_string(state.frameWidth) + "x" +
         std::to_string(state.frameHeight) + "]  (" + std::to_string(state.frameIndex + 1) + "/" +
         std::to_string(state.frameCount) + ")";
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
