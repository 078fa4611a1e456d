#include "motion/editor/motion_canvas.h"

#include <algorithm>

#include "motion/editor/frame_text.h"
#include "ui/status_text.h"
#include "ui/zoom_view.h"

namespace {

// Client positions beyond this (a captured mouse far outside the window) are held
// here, which keeps every sum of positions and offsets inside 32 bits.
constexpr int kClientLimit = 1 << 20;

int32_t ClampPosition(int value) {
  return std::clamp(value, -kSettingsPositionLimit, kSettingsPositionLimit);
}

}  // namespace

const char* ToolStatusName(int tool) {
  static const char* const kNames[] = {"준비",           "새 동작 찍기",    "스프라이트 드래그",
                                       "충돌 박스 넣기", "포인트 넣기",     "기준선 옮김",
                                       "정보창 옮김",    "연결 동작 플레이"};
  return tool >= 0 && tool <= kToolPlaying ? kNames[tool] : kNames[0];
}

MotionCanvas::MotionCanvas(MotionDocument& doc, ZorvSettings& settings, ZorvHost& host)
    : doc_(doc), settings_(settings), host_(host), playback_(doc.file, host, host, settings.waveDirectory) {}

int MotionCanvas::canvasX(int clientX) const {
  return FloorDiv(std::clamp(clientX, -kClientLimit, kClientLimit), settings_.zoom);
}

int MotionCanvas::canvasY(int clientY) const {
  return FloorDiv(std::clamp(clientY, -kClientLimit, kClientLimit), settings_.zoom);
}

void MotionCanvas::setMouse(int clientX, int clientY) {
  mouseX_ = canvasX(clientX) - settings_.baseX;
  mouseY_ = canvasY(clientY) - settings_.baseY;
}

void MotionCanvas::edited() {
  host_.repaint(kRepaintFrame | kRepaintCanvas);
}

void MotionCanvas::resize(int clientWidth, int clientHeight) {
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
}

void MotionCanvas::mouseMove(int clientX, int clientY) {
  const int32_t oldX = mouseX_, oldY = mouseY_;
  setMouse(clientX, clientY);
  // The overlay and the status bar's mouse text follow the canvas pixel only.
  if (mouseX_ == oldX && mouseY_ == oldY) return;
  host_.repaint(playing() ? kRepaintStatus : kRepaintStatus | kRepaintCanvas);
}

void MotionCanvas::leftDown(int clientX, int clientY) {
  if (playing()) {
    stopPlayback();
    return;
  }
  setMouse(clientX, clientY);
  MotionBundle* bundle = doc_.file.current();
  if (!bundle) return;
  switch (tool_) {
    case kToolStamp:
      if (doc_.stampMotion(mouseX_, mouseY_)) {
        if (motionsChanged) motionsChanged();
        edited();
      }
      break;
    case kToolDrag:
    case kToolBox:
      if (bundle->current()) {
        dragX_ = mouseX_;
        dragY_ = mouseY_;
        host_.repaint(kRepaintCanvas);
      }
      break;
    case kToolPoint:
      if (doc_.setPoint(toolNumber_, mouseX_, mouseY_, selectAll_)) edited();
      break;
    case kToolBaseLine:
      settings_.baseX = ClampPosition(canvasX(clientX));
      settings_.baseY = ClampPosition(canvasY(clientY));
      tool_ = previousTool_;
      setMouse(clientX, clientY);
      host_.repaint(kRepaintFrame | kRepaintCanvas);
      break;
    case kToolInfo:
      settings_.infoX = ClampPosition(canvasX(clientX));
      settings_.infoY = ClampPosition(canvasY(clientY));
      tool_ = previousTool_;
      host_.repaint(kRepaintFrame | kRepaintCanvas);
      break;
    default:
      break;
  }
}

void MotionCanvas::leftUp() {
  const bool dragging = dragX_ != kUnset && dragY_ != kUnset;
  const int32_t dx = dragX_, dy = dragY_;
  dragX_ = dragY_ = kUnset;
  // A mouse that left the canvas during the drag gives no end point.
  if (!doc_.file.current() || !dragging || !hasMouse()) {
    if (dragging) host_.repaint(kRepaintCanvas);
    return;
  }
  bool changed = false;
  if (tool_ == kToolDrag) changed = doc_.moveMotions(mouseX_ - dx, mouseY_ - dy, selectAll_);
  if (tool_ == kToolBox) changed = doc_.setBox(toolNumber_, dx, dy, mouseX_, mouseY_, selectAll_);
  host_.repaint(changed ? kRepaintFrame | kRepaintCanvas : kRepaintCanvas);
}

void MotionCanvas::rightDown() {
  if (playing()) {
    stopPlayback();
    return;
  }
  if (!doc_.file.current()) return;
  // Clearing acts on the current motion only, also with select-all.
  if ((tool_ == kToolBox && doc_.clearBox(toolNumber_)) ||
      (tool_ == kToolPoint && doc_.clearPoint(toolNumber_)))
    edited();
}

void MotionCanvas::leaveCheck(const PointerFacts& pointer) {
  if (mouseX_ == kUnset && mouseY_ == kUnset) return;
  const bool inside = pointer.overThisWindow && pointer.x >= 0 && pointer.y >= 0 &&
                      pointer.x < pointer.clientWidth && pointer.y < pointer.clientHeight;
  if (inside && canvasX(pointer.x) - settings_.baseX == mouseX_ &&
      canvasY(pointer.y) - settings_.baseY == mouseY_)
    return;
  mouseX_ = mouseY_ = kUnset;
  if (!playing()) host_.repaint(kRepaintStatus | kRepaintCanvas);
}

void MotionCanvas::chooseTool(int tool) {
  if (tool < kToolStamp || tool > kToolInfo) return;
  endPlayback();
  switch (tool) {
    case kToolBox:
      settings_.showBoxes = true;
      break;
    case kToolPoint:
      settings_.showPoints = true;
      break;
    case kToolBaseLine:
      settings_.showBaseLine = true;
      break;
    case kToolInfo:
      settings_.showInfo = true;
      break;
  }
  // The one-click tools return to the tool before them; choosing one while another
  // is active must not make them return to themselves.
  const bool oneClick = tool == kToolBaseLine || tool == kToolInfo;
  if (oneClick && tool_ != kToolBaseLine && tool_ != kToolInfo) previousTool_ = tool_;
  tool_ = tool;
  dragX_ = dragY_ = kUnset;  // a release after the switch must not act with the new tool
  host_.repaint(kRepaintFrame | kRepaintCanvas);
}

void MotionCanvas::setToolNumber(int number) {
  if (number < 1 || number > kMotionBoxCount) return;
  toolNumber_ = number;
  host_.repaint(kRepaintFrame | kRepaintCanvas);
}

void MotionCanvas::toggleSelectAll() {
  selectAll_ = !selectAll_;
  host_.repaint(kRepaintFrame | kRepaintCanvas);
}

void MotionCanvas::wheel(int delta, bool ctrl) {
  if (!ctrl) return;
  const int notches = wheel_.add(delta);
  for (int n = 0; n < notches; ++n) zoomIn();
  for (int n = 0; n > notches; --n) zoomOut();
}

void MotionCanvas::zoomIn() {
  if (settings_.zoom >= kMaxZoom) return;
  ++settings_.zoom;
  host_.repaint(kRepaintFrame | kRepaintCanvas);
}

void MotionCanvas::zoomOut() {
  if (settings_.zoom <= kMinZoom) return;
  --settings_.zoom;
  host_.repaint(kRepaintFrame | kRepaintCanvas);
}

void MotionCanvas::stepPointer(int dx, int dy) {
  host_.movePointer(dx * settings_.zoom, dy * settings_.zoom);
}

void MotionCanvas::show(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  host_.showCanvas(visible);
  host_.repaint(kRepaintFrame);
}

bool MotionCanvas::startPlayback() {
  if (!visible_ || playing() || !playback_.start(selectAll_)) return false;
  previousTool_ = tool_;
  tool_ = kToolPlaying;
  showPlayFrame();
  host_.repaint(kRepaintFrame);
  return true;
}

void MotionCanvas::endPlayback() {
  if (!playing()) return;
  playback_.stop();
  tool_ = previousTool_;
}

void MotionCanvas::stopPlayback() {
  if (!playing()) return;
  endPlayback();
  host_.repaint(kRepaintFrame | kRepaintCanvas);
}

bool MotionCanvas::idle() {
  if (!playing()) return false;
  switch (playback_.tick()) {
    case Playback::Step::Stay:
      break;
    case Playback::Step::Show:
      showPlayFrame();
      break;
    case Playback::Step::End:
      tool_ = previousTool_;
      if (!settings_.repeatPlayback || !startPlayback()) host_.repaint(kRepaintFrame | kRepaintCanvas);
      break;
  }
  return playing();
}

std::array<std::string, 3> MotionCanvas::statusTexts() const {
  const bool numbered = tool_ == kToolBox || tool_ == kToolPoint;
  return {MotionToolText(ToolStatusName(tool_), toolNumber_, numbered, selectAll_), ZoomText(settings_.zoom),
          visible_ ? MouseText(hasMouse(), mouseX_, mouseY_) : std::string()};
}
