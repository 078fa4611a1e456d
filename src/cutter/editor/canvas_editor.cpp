#include "cutter/editor/canvas_editor.h"

#include <algorithm>

#include "cutter/editor/sprite_window_editor.h"
#include "cutter/resource_ids.h"
#include "sprites/sprite_file.h"
#include "ui/status_text.h"

namespace {

constexpr int kInvert = -255;          // exclusive-or colour that inverts every index
constexpr int64_t kPointerGuard = 64;  // wider than any pointer image

int ClampInt(int64_t v, int64_t lo, int64_t hi) {
  return static_cast<int>(std::clamp(v, lo, hi));
}

// Narrows a context's clip to the client area while drawing: the surface is as
// large as the screen, but only width x height pixels of it are shown.
class ClientClip {
 public:
  ClientClip(DrawContext& dc, int width, int height) : dc_(dc), saved_(dc.clip()) {
    const DrawRectangle area{std::max(saved_.left, dc.originX()), std::max(saved_.top, dc.originY()),
                             std::min(saved_.right, dc.originX() + width - 1),
                             std::min(saved_.bottom, dc.originY() + height - 1)};
    // A width or height of 0 or less leaves the area empty too.
    empty_ = area.left > area.right || area.top > area.bottom;
    if (!empty_) dc_.SetViewport(area);
  }
  ~ClientClip() { dc_.SetViewport(saved_); }
  bool empty() const { return empty_; }

 private:
  DrawContext& dc_;
  DrawRectangle saved_;
  bool empty_ = false;
};

}  // namespace

const char* CutToolCaption(CutTool tool) {
  switch (tool) {
    case OutwardCut:
      return "밖으로 자르기(자동 크기 설정)";
    case InwardCut:
      return "안으로 자르기(자동 크기 설정)";
    case FreeCut:
      return "임의의 크기로 자르기";
    case FixedCut:
      return "일정 크기로 자르기";
    case GridCut:
      return "격자로 자르기";
    case PickTransparent:
      return "투명색 지정";
    case Ready:
      break;
  }
  return "준비";
}

CanvasEditor::CanvasEditor(CutterDocument& document, CutterSettings& settings,
                           CutterSpriteWindowEditor& sprites, CutterRepaint& repaint, UserPrompts& prompts)
    : doc_(document), settings_(settings), sprites_(sprites), repaint_(repaint), prompts_(prompts) {
  view_.setZoom(settings_.zoom);
}

bool CanvasEditor::loadPointerSprites(const uint8_t* data, size_t size) {
  SpriteSet pointers;
  if (!ReadSpritesFromMemory(pointers, data, size, false) || pointers.Count() < PLYK_POINTER_COUNT)
    return false;
  pointers_ = std::move(pointers);
  return true;
}

void CanvasEditor::resize(int clientWidth, int clientHeight) {
  view_.setClientSize(clientWidth, clientHeight);
  repaint_.repaint(kCanvasWindow);
}

void CanvasEditor::relayout() {
  view_.setZoom(settings_.zoom);
  const PictureFrame* frame = doc_.frame();
  view_.setDocumentSize(frame ? frame->width : 0, frame ? frame->height : 0);
  view_.setClientSize(view_.clientWidth(), view_.clientHeight());
  repaint_.repaint(kCanvasWindow);
}

bool CanvasEditor::zoomBy(int step) {
  const int zoom = std::clamp(settings_.zoom + step, kMinZoom, kMaxZoom);
  if (zoom == settings_.zoom) return false;
  settings_.zoom = zoom;
  relayout();
  return true;
}

void CanvasEditor::scroll(ScrollAxis axis, int code, int thumb) {
  view_.scroll(axis, code, thumb);
  repaint_.repaint(kCanvasWindow);
}

ScrollBarState CanvasEditor::scrollBar(ScrollAxis axis) const {
  return ScrollBarState{view_.barEnabled(axis), view_.scrollMax(axis), view_.barPosition(axis)};
}

ViewPoint CanvasEditor::picturePoint(int x, int y) const {
  // A captured mouse reports points far outside the window (even beyond 16 bits);
  // they count as one pixel outside its edge, so a drag can never span more than
  // the view and no position comes near overflow or kUnset.
  return view_.clientToDocument(std::clamp(x, -1, view_.clientWidth()),
                                std::clamp(y, -1, view_.clientHeight()));
}

void CanvasEditor::mouseMove(int x, int y) {
  if (!doc_.hasFrame()) return;
  const ViewPoint p = picturePoint(x, y);
  int32_t newX = p.x, newY = p.y;
  if (tool_ == GridCut) snapToGrid(newX, newY, CutSize{settings_.cutWidth, settings_.cutHeight});
  // Only the drawn cursor and the status bar's mouse text follow the mouse; on the
  // same picture pixel neither changes.
  if (newX == mouseX_ && newY == mouseY_) return;
  mouseX_ = newX;
  mouseY_ = newY;
  repaint_.repaint(kStatusBar | kCanvasWindow);
}

void CanvasEditor::leaveCheck(const PointerFacts& pointer) {
  if (!hasMouse()) return;
  const bool cursorInClient = pointer.x >= 0 && pointer.y >= 0 && pointer.x <= pointer.clientWidth &&
                              pointer.y <= pointer.clientHeight;
  const ViewPoint p = picturePoint(pointer.x, pointer.y);
  const bool samePlace = mouseX_ == p.x && mouseY_ == p.y;
  if (cursorInClient && (tool_ == GridCut || samePlace)) return;
  mouseX_ = mouseY_ = kUnset;
  repaint_.repaint(kStatusBar | kCanvasWindow);
}

void CanvasEditor::leftDown() {
  // Without a position (the pointer has left) no tool acts: an outward cut there
  // would take the whole frame when the transparent colour is ignored.
  if (!doc_.hasFrame() || !hasMouse()) return;
  RunReportingFailure(prompts_, [this] {
    doc_.refreshCut();
    doc_.cut.ignoreTransparent = settings_.ignoreTransparent ? 1 : 0;
    auto change = doc_.beginChange();
    const CutAction action = tools_.buttonDown(
        tool_, mouseX_, mouseY_, CutSize{settings_.cutWidth, settings_.cutHeight}, doc_.cut, doc_.sprites);
    if (action.returnToPrevious) tool_ = previousTool_;
    cutDone(action, std::move(change));
  });
}

void CanvasEditor::leftUp() {
  if (!tools_.dragging()) return;
  RunReportingFailure(prompts_, [this] {
    doc_.refreshCut();
    doc_.cut.ignoreTransparent = settings_.ignoreTransparent ? 1 : 0;
    auto change = doc_.beginChange();
    cutDone(tools_.buttonUp(mouseX_, mouseY_, doc_.cut, doc_.sprites), std::move(change));
  });
}

void CanvasEditor::cutDone(const CutAction& action, std::unique_ptr<SpriteSetChange> change) {
  if (action.spriteAdded) {
    // A cut goes in front of the selection, which moves up past it.
    change->inserted(doc_.sprites.CurrentIndex() - 1);
    doc_.commit(std::move(change));
    sprites_.relayout();
  }
  repaint_.repaint(kFrameWindow | kCanvasWindow);
}

void CanvasEditor::setTool(CutTool tool) {
  if (tool == PickTransparent && tool_ != PickTransparent) previousTool_ = tool_;
  tool_ = tool;
  repaint_.repaint(kFrameWindow | kCanvasWindow);
}

std::string CanvasEditor::toolText() const {
  return std::string(" ") + CutToolCaption(tool_);
}

std::string CanvasEditor::zoomText() const {
  return ZoomText(settings_.zoom);
}

std::string CanvasEditor::mouseText() const {
  if (!visible_) return "";
  return MouseText(hasMouse(), mouseX_, mouseY_);
}

void CanvasEditor::paint(DrawContext& dc) const {
  paintPicture(dc);
  paintCursor(dc);
}

void CanvasEditor::paintPicture(DrawContext& dc) const {
  const int width = view_.visibleWidth(), height = view_.visibleHeight();
  ClientClip clip(dc, width, height);
  if (clip.empty()) return;
  dc.FillRect(0, 0, width - 1, height - 1, settings_.backgroundIndex, 0);
  // The copy is clipped to the client area before any pixel moves.
  if (const PictureFrame* frame = doc_.frame())
    dc.CopyBlock(-view_.offsetX(), -view_.offsetY(), frame->pixels.data(), frame->width, frame->height);
}

void CanvasEditor::drawOutline(DrawContext& dc, int64_t x1, int64_t y1, int64_t x2, int64_t y2) const {
  // Corners far outside are pulled to just outside the client area, where their
  // lines stay invisible, so a line never walks across millions of pixels.
  const int64_t w = view_.visibleWidth(), h = view_.visibleHeight();
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  dc.DrawRect(ClampInt(x1, -1, w), ClampInt(y1, -1, h), ClampInt(x2, -1, w), ClampInt(y2, -1, h), kInvert, 0);
}

void CanvasEditor::paintCursor(DrawContext& dc) const {
  if (!doc_.hasFrame() || !hasMouse()) return;
  const int64_t x = int64_t(mouseX_) - view_.offsetX(), y = int64_t(mouseY_) - view_.offsetY();
  const int w = view_.visibleWidth(), h = view_.visibleHeight();
  ClientClip clip(dc, w, h);
  if (clip.empty()) return;
  int pointer = -1;
  switch (tool_) {
    case Ready:
      pointer = PLYK_POINTER_ARROW;
      break;
    case OutwardCut:
      pointer = PLYK_POINTER_OUTWARD;
      break;
    case PickTransparent:
      pointer = PLYK_POINTER_PICK;
      break;
    case InwardCut:
    case FreeCut:
      if (tools_.dragging()) {
        drawOutline(dc, int64_t(tools_.dragX()) - view_.offsetX(), int64_t(tools_.dragY()) - view_.offsetY(),
                    x, y);
      } else {
        // A line off the client area is hidden by the clip.
        dc.DrawLine(0, int(y), w - 1, int(y), kInvert, 0);
        dc.DrawLine(int(x), 0, int(x), h - 1, kInvert, 0);
      }
      return;
    case FixedCut:
    case GridCut:
      drawOutline(dc, x, y, x + settings_.cutWidth, y + settings_.cutHeight);
      return;
  }
  const Sprite* sprite = pointers_.Get(pointer);
  if (sprite && x > -kPointerGuard && y > -kPointerGuard && x < w && y < h)
    dc.DrawMask(int(x), int(y), sprite, settings_.backgroundIndex, settings_.shadowIndex);
}
