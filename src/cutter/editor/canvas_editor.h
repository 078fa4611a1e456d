#pragma once
// The picture canvas: the current frame at zoom 1 to 4 with scroll offsets, the
// mouse position in picture pixels, the cut tools and the cursors drawn for them.
// The canvas window passes its size, scroll-bar codes, mouse moves (client pixels)
// and button presses; it paints with paint() into its surface, which the window
// presents enlarged by the zoom, so one surface pixel is one picture pixel.

#include <cstddef>
#include <cstdint>
#include <string>

#include "cutter/cut_tools.h"
#include "cutter/editor/cutter_document.h"
#include "cutter/editor/cutter_host.h"
#include "cutter/editor/cutter_settings.h"
#include "graphics/draw_context.h"
#include "sprites/sprite_set.h"
#include "ui/pointer_facts.h"
#include "ui/scroll_bar_state.h"
#include "ui/zoom_view.h"

class CutterSpriteWindowEditor;

// The caption of a tool in the status bar ("준비", "밖으로 자르기(자동 크기 설정)", ...).
const char* CutToolCaption(CutTool tool);

class CanvasEditor {
 public:
  CanvasEditor(CutterDocument& document, CutterSettings& settings, CutterSpriteWindowEditor& sprites,
               CutterRepaint& repaint, UserPrompts& prompts);

  // The built-in pointer images: a sprite file image holding the arrow, the
  // outward-cut figure and the pick figure. False when the data is not one.
  bool loadPointerSprites(const uint8_t* data, size_t size);

  // The client area changed size: new ranges, offsets back to 0, repaint.
  void resize(int clientWidth, int clientHeight);
  // The picture or the zoom changed: the same with the current frame's size.
  void relayout();
  // Zoom in or out by one within 1 ... 4; false at a limit (nothing changes).
  bool zoomBy(int step);
  void scroll(ScrollAxis axis, int code, int thumb);

  // Mouse input in client pixels, which may lie anywhere (negative, or beyond 16
  // bits) while the mouse is captured; outside the client area they count as one
  // pixel beyond its edge.
  void mouseMove(int x, int y);
  void leftDown();
  void leftUp();
  // The 500 ms check for a pointer that left the canvas. The pointer is in when it
  // lies in the client area, both ends included, whatever window is in front.
  void leaveCheck(const PointerFacts& pointer);

  // Choosing a tool; the pick tool remembers the tool to return to.
  void setTool(CutTool tool);
  CutTool tool() const { return tool_; }
  CutTool previousTool() const { return previousTool_; }
  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  bool dragging() const { return tools_.dragging(); }

  bool hasMouse() const { return mouseX_ != kUnset && mouseY_ != kUnset; }
  int32_t mouseX() const { return mouseX_; }
  int32_t mouseY() const { return mouseY_; }
  const ZoomView& view() const { return view_; }
  ScrollBarState scrollBar(ScrollAxis axis) const;

  // The three status-bar texts: the tool's caption, the zoom, the mouse position
  // (empty while the canvas is hidden).
  std::string toolText() const;
  std::string zoomText() const;
  std::string mouseText() const;

  // The background, the visible part of the frame and the tool's cursor, within the
  // client area (client size divided by the zoom, rounded up).
  void paint(DrawContext& dc) const;
  void paintPicture(DrawContext& dc) const;
  // The cursor alone; outlines and cross-hairs are exclusive-or, so drawing them
  // twice restores the picture.
  void paintCursor(DrawContext& dc) const;

 private:
  ViewPoint picturePoint(int x, int y) const;
  void cutDone(const CutAction& action, std::unique_ptr<SpriteSetChange> change);
  void drawOutline(DrawContext& dc, int64_t x1, int64_t y1, int64_t x2, int64_t y2) const;

  CutterDocument& doc_;
  CutterSettings& settings_;
  CutterSpriteWindowEditor& sprites_;
  CutterRepaint& repaint_;
  UserPrompts& prompts_;
  SpriteSet pointers_;
  ZoomView view_;
  CutTools tools_;
  CutTool tool_ = Ready;
  CutTool previousTool_ = Ready;
  int32_t mouseX_ = kUnset;
  int32_t mouseY_ = kUnset;
  bool visible_ = false;
};
