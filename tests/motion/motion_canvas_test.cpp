// The canvas: tools driven by mouse sequences, its picture, its status texts.
#include "motion/editor/motion_canvas.h"

#include <gtest/gtest.h>

#include <climits>

#include "canvas_fixture.h"

const MotionBox kNoBox;
const MotionPoint kNoPoint;

TEST(CanvasTools, BoxDragIsNormalisedAndNeedsWidthAndHeight) {
  const struct {
    int x1, y1, x2, y2;
    bool all;
    MotionBox current, other;
  } cases[] = {
      {110, 120, 130, 105, false, {10, 5, 30, 20}, kNoBox},
      {130, 105, 110, 120, true, {10, 5, 30, 20}, {10, 5, 30, 20}},
      {90, 120, 60, 120, false, kNoBox, kNoBox},  // no height: refused by the document
  };
  for (const auto& c : cases) {
    CanvasFixture f;
    f.canvas.chooseTool(kToolBox);
    f.canvas.setToolNumber(4);
    if (c.all) f.canvas.toggleSelectAll();
    f.drag(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(f.motion(1).boxes[3], c.current) << c.x1 << "," << c.y1;
    EXPECT_EQ(f.motion(0).boxes[3], c.other) << c.x1 << "," << c.y1;
    EXPECT_EQ(f.doc.modified, c.current.isSet());
    EXPECT_EQ(f.canvas.dragX(), kUnset);
  }
}

TEST(CanvasTools, SelectAllSetsEveryMotionAndRightClickClearsTheCurrentOnly) {
  for (int tool : {kToolBox, kToolPoint}) {
    CanvasFixture f;
    f.canvas.chooseTool(tool);
    f.canvas.setToolNumber(2);
    f.canvas.toggleSelectAll();
    f.drag(105, 95, 110, 100);  // the point tool takes the press
    f.canvas.rightDown();
    EXPECT_TRUE(f.doc.modified);
    for (int i = 0; i < 3; ++i) {
      const bool box = tool == kToolBox && i != 1, point = tool == kToolPoint && i != 1;
      EXPECT_EQ(f.motion(i).boxes[1], box ? (MotionBox{5, -5, 10, 0}) : kNoBox) << tool << " " << i;
      EXPECT_EQ(f.motion(i).points[1], point ? (MotionPoint{5, -5}) : kNoPoint) << tool << " " << i;
      EXPECT_EQ(f.motion(i).points[0], kNoPoint);
    }
    f.doc.modified = false;
    f.canvas.rightDown();  // already clear
    EXPECT_FALSE(f.doc.modified);
  }
}

TEST(CanvasTools, DragMovesTheCurrentMotionOrWithSelectAllEveryMotion) {
  for (bool all : {false, true}) {
    CanvasFixture f;
    f.motion(0).boxes[2] = {0, 0, 4, 4};
    f.canvas.chooseTool(kToolDrag);
    if (all) f.canvas.toggleSelectAll();
    f.drag(100, 100, 107, 97);
    for (int i = 0; i < 3; ++i) {
      const bool moved = all || i == 1;
      EXPECT_EQ(f.motion(i).relX, i + (moved ? 7 : 0)) << "motion " << i;
      EXPECT_EQ(f.motion(i).relY, moved ? -3 : 0) << "motion " << i;
      EXPECT_EQ(f.motion(i).boxes[0], kNoBox);
    }
    EXPECT_EQ(f.motion(0).boxes[2], all ? (MotionBox{7, -3, 11, 1}) : (MotionBox{0, 0, 4, 4}));
    // A drag whose mouse left the canvas has no end point and moves nothing.
    f.click(100, 100);
    f.canvas.leaveCheck(PointerFacts{});
    f.canvas.leftUp();
    EXPECT_EQ(f.motion(1).relX, 8);
  }
}

TEST(CanvasTools, BaseLineAndInfoMovesReturnToThePreviousToolAndStampsCentre) {
  CanvasFixture f;
  f.settings.showBaseLine = f.settings.showInfo = false;
  f.canvas.chooseTool(kToolDrag);
  f.click(100, 100);  // a drag that choosing a tool drops
  f.canvas.chooseTool(kToolBaseLine);
  f.canvas.chooseTool(kToolBaseLine);  // twice: still back to the drag tool
  EXPECT_TRUE(f.settings.showBaseLine);
  f.click(50, 60);
  EXPECT_EQ(f.canvas.tool(), kToolDrag);
  EXPECT_EQ((std::pair{f.settings.baseX, f.settings.baseY}), (std::pair{50, 60}));
  EXPECT_EQ((std::pair{f.canvas.mouseX(), f.canvas.mouseY()}), (std::pair{0, 0}));
  f.canvas.chooseTool(kToolInfo);
  EXPECT_TRUE(f.settings.showInfo);
  f.drag(7, 8, 7, 8);  // the release ends no drag
  EXPECT_EQ(f.canvas.tool(), kToolDrag);
  EXPECT_EQ((std::pair{f.settings.infoX, f.settings.infoY}), (std::pair{7, 8}));
  EXPECT_EQ(f.motion(1).relX, 1);  // motions keep their data
  EXPECT_FALSE(f.doc.modified);
  // A stamp centres the sprite on the click and tells the motion window.
  int refreshed = 0;
  f.canvas.motionsChanged = [&] { ++refreshed; };
  f.canvas.chooseTool(kToolStamp);
  f.click(130, 90);
  ASSERT_EQ(f.bundle->count(), 4);
  EXPECT_EQ((std::pair{f.motion(1).relX, f.motion(1).relY}), (std::pair{76, 27}));
  EXPECT_EQ(refreshed, 1);
}

TEST(CanvasInput, ZoomDividesRoundingDownAndFarPositionsStayHarmless) {
  CanvasFixture f;
  f.settings.baseX = f.settings.baseY = 0;
  f.canvas.zoomIn();
  f.canvas.zoomIn();
  const struct {
    int x, y, cx, cy;
  } cases[] = {{301, 299, 100, 99}, {0, 2, 0, 0}, {-1, -3, -1, -1}, {-4, 3, -2, 1}};
  for (const auto& c : cases) {
    f.canvas.mouseMove(c.x, c.y);
    EXPECT_EQ((std::pair{f.canvas.mouseX(), f.canvas.mouseY()}), (std::pair{c.cx, c.cy}))
        << c.x << "," << c.y;
  }
  // A captured mouse may report anything; every tool paints and acts within bounds.
  for (int tool = kToolStamp; tool <= kToolInfo; ++tool) {
    for (auto [x, y] : {std::pair{INT_MIN, INT_MAX}, {-40000, 70000}, {INT_MAX, -5}}) {
      f.canvas.chooseTool(tool);
      f.click(x, y);
      f.canvas.mouseMove(y, x);
      f.paint();
      f.canvas.leftUp();
      f.paint();
    }
  }
  EXPECT_LE(std::abs(f.settings.baseX), kSettingsPositionLimit);
  EXPECT_LE(std::abs(f.settings.infoY), kSettingsPositionLimit);
  const int zoom = f.canvas.zoom();
  f.canvas.wheel(-120, false);  // without Ctrl the wheel does not zoom
  EXPECT_EQ(f.canvas.zoom(), zoom);
  f.canvas.wheel(-120 * 5, true);  // one step per notch, within 1 ... 4
  EXPECT_EQ(f.canvas.zoom(), 1);
  f.canvas.wheel(240, true);
  EXPECT_EQ(f.canvas.zoom(), 3);
  f.canvas.wheel(120 * 5, true);
  EXPECT_EQ(f.canvas.zoom(), 4);
  f.canvas.wheel(-120, true);
  EXPECT_EQ(f.canvas.zoom(), 3);
}

TEST(CanvasStatus, ToolNumberSelectAllZoomAndMouse) {
  CanvasFixture f;
  using Texts = std::array<std::string, 3>;
  EXPECT_EQ(f.canvas.statusTexts(), (Texts{" 준비", " x1", " 마우스 : --- , ---"}));
  f.canvas.chooseTool(kToolBox);
  f.canvas.chooseTool(kToolPlaying);  // not a tool to choose: ignored
  f.canvas.setToolNumber(3);
  f.canvas.setToolNumber(0);  // no such box: ignored
  f.canvas.toggleSelectAll();
  f.canvas.zoomIn();
  f.canvas.mouseMove(150, 40);
  EXPECT_EQ(f.canvas.statusTexts(), (Texts{" 3번 충돌 박스 넣기  * All *", " x2", " 마우스 : -25 , -80"}));
  f.canvas.leaveCheck(PointerFacts{152, 40, 400, 300, true});  // moved without a move message
  EXPECT_EQ(f.canvas.statusTexts()[2], " 마우스 : --- , ---");
  f.settings.baseY = 20 - kUnset;  // a position whose y meets the unset value is no position
  f.canvas.mouseMove(150, 40);
  EXPECT_EQ(f.canvas.statusTexts()[2], " 마우스 : --- , ---");
  f.canvas.chooseTool(kToolStamp);
  f.canvas.show(false);
  EXPECT_FALSE(f.host.canvasShown);
  EXPECT_EQ(f.canvas.statusTexts(), (Texts{" 새 동작 찍기  * All *", " x2", ""}));
  EXPECT_STREQ(ToolStatusName(kToolPlaying + 1), "준비");  // no such tool
}

TEST(CanvasPaint, LayersOfThePicture) {
  CanvasFixture f;
  f.settings.showInfo = false;
  f.settings.indices.background = 17;
  f.settings.indices.shadow = 3;
  f.doc.file.sprites.Append(MakeSprite(8, 6, 50));
  f.motion(0).sprite = f.doc.file.sprites.Get(1);
  f.motion(0).relX = f.motion(0).relY = -20;
  f.bundle->select(0);
  f.doc.setShadow();
  f.bundle->select(1);
  f.motion(1).boxes[0] = {10, 10, 30, 20};
  f.motion(1).points[0] = {-60, 10};
  f.motion(1).points[1] = {-30, 30};  // drawn at (70, 130) in colour 2 with a dark outline
  f.canvas.mouseMove(200, 150);
  TestSurface s(400, 300);
  f.canvas.paint(*s.dc);
  const PaletteBlock& p = TestPalette();
  const struct {
    int x, y, value;
  } pixels[] = {
      {83, 83, p.mix(50, 3)},  // shadow: its sprite with the shadow colour mixed in
      {104, 103, 40},          // the current motion
      {110, 115, 9},           // box 1 in colour 1
      {130, 112, 9},
      {120, 112, 255},
      {40, 120, 255},            // points are no box
      {50, 100, p.mix(255, 1)},  // base lines, mixed with the system colour
      {100, 50, p.mix(255, 1)},
      {205, 150, 3},   // arrow glyph: outline in the shadow colour
      {205, 155, 17},  // body in the background colour
  };
  for (const auto& px : pixels) EXPECT_EQ(s.at(px.x, px.y), px.value) << px.x << "," << px.y;
  const struct {
    int dx, dy, value;
  } marks[] = {{0, 0, 10}, {1, 1, 10}, {2, 2, 10}, {-2, 2, 10}, {2, -2, 10}, {3, 2, 0},  {-3, -2, 0},
               {2, 3, 0},  {1, 0, 0},  {0, -1, 0}, {3, 3, 255}, {1, 2, 0},   {0, 2, 255}};
  for (const auto& m : marks) EXPECT_EQ(s.at(70 + m.dx, 130 + m.dy), m.value) << m.dx << "," << m.dy;
  f.settings.showPoints = false;
  TestSurface hidden(400, 300);
  f.canvas.paint(*hidden.dc);
  EXPECT_EQ(hidden.at(70, 130), 255);
  // The stamp tool shows the current sprite, 8 x 6, centred on the pointer.
  f.canvas.chooseTool(kToolStamp);
  f.doc.file.sprites.SetCurrent(1);
  TestSurface stamp(400, 300);
  f.canvas.paint(*stamp.dc);
  for (auto [x, y, in] : {std::tuple{196, 147, true},
                          {195, 147, false},
                          {196, 146, false},
                          {203, 152, true},
                          {204, 152, false},
                          {203, 153, false}})
    EXPECT_EQ(stamp.at(x, y) == 50, in) << x << "," << y;
}

TEST(CanvasPaint, InfoPanelShowsEightLines) {
  CanvasFixture f;
  f.settings.showBaseLine = f.settings.showBoxes = false;
  f.settings.infoX = 200;  // the whole panel and its outline on the surface
  Motion& m = f.motion(1);
  m.sprite = nullptr;
  m.relX = -3;
  m.relY = 12;
  m.effects = 5;
  m.sound.assign("hit.wav");
  m.boxes[1] = {1, 2, 3, 4};
  for (int k = 0; k < 10; ++k) m.flags[k] = k * (k % 2 ? -1 : 100);
  f.canvas.setToolNumber(2);
  const std::vector<uint8_t> painted = f.paint();

  // The same panel with the expected texts.
  const char* lines[] = {"['walk' 동작 1 번]",
                         "상대:   -3,   12   지연:  2 ",
                         "웨이브: hit.wav",
                         "좌우  반투명",
                         "박스: (   1,   2)-(   3,   4)    ",
                         "포인트:    0,    0  ",
                         "   0   -1  200   -3  400",
                         "  -5  600   -7  800   -9"};
  TestSurface expected(400, 300);
  DrawContext& dc = *expected.dc;
  dc.DrawRect(199, 99, 381, 203, 0, 0);
  dc.FillRect(200, 100, 380, 202, 0, 1);
  dc.setTextColour(0);
  for (int i = 0; i < 8; ++i) dc.DrawText(203, 103 + 12 * i, lines[i]);
  EXPECT_EQ(painted, expected.snapshot());
}

TEST(CanvasPaint, XorOverlaysRestoreThePictureWhenDrawnTwice) {
  for (int tool : {+kToolBox, +kToolPoint, +kToolBaseLine, +kToolInfo, -kToolBox}) {
    CanvasFixture f;
    f.canvas.chooseTool(std::abs(tool));
    if (tool < 0) f.click(120, 130);  // a box drag in progress
    f.canvas.mouseMove(150, 140);
    TestSurface s(400, 300);
    f.canvas.paint(*s.dc);
    const std::vector<uint8_t> withOverlay = s.snapshot();
    f.canvas.paintOverlay(*s.dc);
    f.canvas.leaveCheck(PointerFacts{});
    const std::vector<uint8_t> without = f.paint();
    EXPECT_NE(withOverlay, without) << "tool " << tool;
    auto drawn = [&](int x, int y) { return withOverlay[y * 400 + x] != without[y * 400 + x]; };
    // The point tool's X is centred 5 pixels right of and below the mouse: (154, 144) lies on it.
    EXPECT_TRUE(tool != kToolPoint || drawn(154, 144));
    // The box tool's square reaches 6 pixels right of and below the mouse, no further.
    EXPECT_TRUE(tool != kToolBox || (drawn(156, 146) && !drawn(157, 146) && !drawn(156, 147)));
    // The base line cross reaches 16 pixels each way, no further.
    EXPECT_TRUE(tool != kToolBaseLine ||
                (drawn(134, 140) && !drawn(133, 140) && drawn(166, 140) && !drawn(167, 140) &&
                 drawn(150, 124) && !drawn(150, 123) && drawn(150, 156) && !drawn(150, 157)));
    EXPECT_EQ(s.snapshot(), without) << "tool " << tool;
  }
}

TEST(MotionCanvasMouse, AMoveRepaintsOverlayAndStatusTextOnlyWhenItsCanvasPixelChanges) {
  CanvasFixture f;
  f.settings.zoom = 2;
  const unsigned both = kRepaintStatus | kRepaintCanvas;
  const struct {
    int x, y;
    unsigned repaints;
  } moves[] = {{300, 300, both}, {301, 301, 0}, {302, 301, both}, {302, 301, 0}, {302, 305, both}};
  for (const auto& move : moves) {
    f.host.repaints = 0;
    f.canvas.mouseMove(move.x, move.y);
    EXPECT_EQ(f.host.repaints, move.repaints) << move.x << "," << move.y;
  }
  EXPECT_EQ(f.canvas.statusTexts()[2], " 마우스 :  51 ,  52");
}

TEST(MotionCanvasMouse, TheLeaveCheckKeepsThePositionOnlyInsideInFrontAndUnmoved) {
  CanvasFixture f;  // a 400 x 300 client area: the right and bottom edges lie outside
  const unsigned both = kRepaintStatus | kRepaintCanvas;
  const struct {
    int moveX, moveY, checkX, checkY;
    bool inFront, kept;
  } checks[] = {{150, 40, 150, 40, true, true},    {150, 40, 152, 40, true, false},
                {150, 40, 150, 40, false, false},  {399, 299, 399, 299, true, true},
                {400, 100, 400, 100, true, false}, {100, 300, 100, 300, true, false},
                {0, 0, 0, 0, true, true},          {0, 0, -1, 0, true, false}};
  for (const auto& c : checks) {
    f.canvas.mouseMove(c.moveX, c.moveY);
    f.host.repaints = 0;
    f.canvas.leaveCheck(PointerFacts{c.checkX, c.checkY, 400, 300, c.inFront});
    EXPECT_EQ(f.canvas.mouseX() != kUnset, c.kept) << c.checkX << "," << c.checkY << " " << c.inFront;
    EXPECT_EQ(f.host.repaints, c.kept ? 0 : both) << c.checkX << "," << c.checkY;
  }
}
