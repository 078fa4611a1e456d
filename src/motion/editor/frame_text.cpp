#include "motion/editor/frame_text.h"

#include <algorithm>
#include <string>

const char* const kMotionProgramTitle = "ZorvII";

std::string MotionTitle(const MotionTitleState& state) {
  if (state.bundleCount <= 0 && state.spriteCount <= 0) return kMotionProgramTitle;
  const std::string name = state.documentName.empty() ? "새 파일" : state.documentName;
  return std::string(kMotionProgramTitle) + "       [" + name + (state.modified ? " *" : "") + "]   - " +
         std::to_string(state.bundleCount) + " 개 동작 묶음";
}

std::string MotionToolText(const std::string& toolName, int toolNumber, bool showsToolNumber,
                           bool selectAll) {
  std::string text = showsToolNumber ? " " + std::to_string(toolNumber) + "번 " + toolName : " " + toolName;
  if (selectAll) text += "  * All *";
  return text;
}

CanvasPlacement PlaceMotionCanvas(int clientWidth, int clientHeight) {
  return CanvasPlacement{0, 28, std::max(clientWidth, 0), std::max(clientHeight - 48, 0)};
}
