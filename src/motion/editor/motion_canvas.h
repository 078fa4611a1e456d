#pragma once
// The editing canvas: the current motion of the current bundle with its sprite, the
// shadow motion, boxes, points, base line, info panel and a tool overlay at the
// mouse, edited with the tools, and the playback of bundles. The window passes its
// input here in client pixels; positions are divided by the zoom (rounding down)
// and taken relative to the base point. paint draws the whole picture.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "graphics/draw_context.h"
#include "motion/editor/editor_host.h"
#include "motion/editor/playback.h"
#include "motion/editor/zorv_settings.h"
#include "motion/motion_document.h"
#include "motion/motion_drawing.h"
#include "sprites/sprite_set.h"
#include "ui/pointer_facts.h"
#include "ui/wheel_notches.h"

enum CanvasTool : int {
  kToolNone = 0,
  kToolStamp = 1,
  kToolDrag = 2,
  kToolBox = 3,
  kToolPoint = 4,
  kToolBaseLine = 5,
  kToolInfo = 6,
  kToolPlaying = 7,
};

// The built-in glyphs ("SPRITE" resource 135), drawn as masks at the mouse.
enum CanvasGlyph : int { kGlyphArrow = 0, kGlyphOpenHand = 1, kGlyphClosedHand = 2, kGlyphClapperboard = 3 };

// The info panel's size beyond its corner, and its text lines.
constexpr int kInfoPanelWidth = 180;
constexpr int kInfoPanelHeight = 102;
constexpr int kInfoLineCount = 8;
constexpr int kInfoLineHeight = 12;

// The status bar name of a tool ("준비" for none).
const char* ToolStatusName(int tool);

class MotionCanvas {
 public:
  MotionCanvas(MotionDocument& doc, ZorvSettings& settings, ZorvHost& host);

  // The built-in glyphs; without them no glyph is drawn.
  void setGlyphs(const SpriteSet* glyphs) { glyphs_ = glyphs; }

  // ---- Window input (client pixels) ----
  void resize(int clientWidth, int clientHeight);
  void mouseMove(int clientX, int clientY);
  void leftDown(int clientX, int clientY);
  void leftUp();
  void rightDown();
  // The 500 ms check: forgets the mouse once it is outside the client area (right
  // and bottom edges excluded), behind another window, or away from the last
  // position seen.
  void leaveCheck(const PointerFacts& pointer);

  // ---- Commands ----
  // Tools 1 to 6. The base-line and info tools return to the tool before them after
  // one click. Choosing a tool ends a playback.
  void chooseTool(int tool);
  void setToolNumber(int number);
  void toggleSelectAll();
  void zoomIn();
  void zoomOut();
  // The mouse wheel over the canvas: with Ctrl held each notch zooms in (away from the
  // user) or out, within 1 to 4; without Ctrl it does nothing, the canvas not scrolling.
  void wheel(int delta, bool ctrl);
  // Shift+arrow: one canvas pixel, zoom screen pixels.
  void stepPointer(int dx, int dy);
  // Shows or hides the canvas with the motion window.
  void show(bool visible);
  bool startPlayback();
  void stopPlayback();
  // The playback tick; true while playing.
  bool idle();

  // Called after a stamp added a motion, so the motion window lays out again.
  std::function<void()> motionsChanged;

  // ---- Output ----
  void paint(DrawContext& dc) const;
  // The tool's mark at the mouse, the last step of paint. The marks of the box,
  // point, base-line and info tools invert pixels, so drawing them twice restores
  // the picture.
  void paintOverlay(DrawContext& dc) const;
  // The boxes and points as the canvas shows them (view settings and colours).
  MotionMarks marks() const;
  // The three parts of the frame's status bar.
  std::array<std::string, 3> statusTexts() const;

  int tool() const { return tool_; }
  int previousTool() const { return previousTool_; }
  int toolNumber() const { return toolNumber_; }
  bool selectAll() const { return selectAll_; }
  bool visible() const { return visible_; }
  bool playing() const { return tool_ == kToolPlaying; }
  // A coordinate that meets the unset value holds no position, so neither does the mouse.
  bool hasMouse() const { return mouseX_ != kUnset && mouseY_ != kUnset; }
  int32_t mouseX() const { return mouseX_; }
  int32_t mouseY() const { return mouseY_; }
  int32_t dragX() const { return dragX_; }
  int32_t dragY() const { return dragY_; }
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  int zoom() const { return settings_.zoom; }
  const Playback& playback() const { return playback_; }

 private:
  WheelNotches wheel_;
  // Canvas pixel of a client pixel, within a range no arithmetic can overflow.
  int canvasX(int clientX) const;
  int canvasY(int clientY) const;
  void setMouse(int clientX, int clientY);
  void edited();
  void endPlayback();
  void showPlayFrame();

  void paintMarks(DrawContext& dc, const Motion& motion) const;
  void paintInfo(DrawContext& dc, const MotionBundle& bundle, const Motion& motion) const;
  void drawGlyph(DrawContext& dc, int glyph, int x, int y) const;

  MotionDocument& doc_;
  ZorvSettings& settings_;
  ZorvHost& host_;
  const SpriteSet* glyphs_ = nullptr;
  Playback playback_;
  int tool_ = kToolNone;
  int previousTool_ = kToolNone;
  int toolNumber_ = 1;
  bool selectAll_ = false;
  bool visible_ = true;
  int32_t mouseX_ = kUnset;
  int32_t mouseY_ = kUnset;
  int32_t dragX_ = kUnset;
  int32_t dragY_ = kUnset;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
};
