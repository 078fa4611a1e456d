// The main frames' titles, status texts and layout, as plain functions.
#include <gtest/gtest.h>

#include <array>

#include "cutter/editor/frame_text.h"
#include "motion/editor/frame_text.h"
#include "ui/status_text.h"

TEST(CutterTitle, ShortFormForSpritesLongFormWithAPicture) {
  const std::pair<CutterTitleState, const char*> cases[] = {
      // file, modified, sprites, has frame, picture, frame width, height, index, count
      {{"", false, 0, false, "", 0, 0, 0, 0}, "PlykII"},
      {{"", true, 1, true, "a.pcx", 320, 200, 0, 1}, "PlykII       [새 파일 *]   - a.pcx[320x200]  (1/1)"},
      {{"hero.plk", false, 12, false, "", 0, 0, 0, 0}, "PlykII       [hero.plk]"},
      {{"hero.plk", true, 12, false, "", 0, 0, 0, 0}, "PlykII       [hero.plk *]"},
      {{"", false, 0, true, "walk.flc", 64, 48, 4, 9}, "PlykII       [새 파일]   - walk.flc[64x48]  (5/9)"}};
  for (const auto& [state, title] : cases) EXPECT_EQ(CutterTitle(state), title);
}

TEST(CutterCanvas, SmallFrameIsCentredOtherwiseTheWorkAreaIsFilled) {
  // 640 x 480 client: the work area lies between the tool bar (28) and the status bar (20).
  const struct {
    int frameWidth, frameHeight, x, y, width, height;
  } cases[] = {{100, 50, (640 - 120) / 2, 28 + (480 - 48 - 70) / 2, 120, 70},  // 10 pixels of margin around
               {2000, 1000, 0, 28, 640, 432},
               {620, 412, 0, 28, 640, 432}};  // an exact fit counts as too large
  for (const auto& c : cases) {
    CanvasPlacement p = PlaceCanvas(640, 480, c.frameWidth, c.frameHeight);
    EXPECT_EQ((std::array<int, 4>{p.x, p.y, p.width, p.height}),
              (std::array<int, 4>{c.x, c.y, c.width, c.height}))
        << "case " << c.frameWidth << "x" << c.frameHeight;
  }
}

TEST(MotionTitle, LongFormOnceThereAreBundlesOrSprites) {
  EXPECT_EQ(MotionTitle({}), "ZorvII");
  EXPECT_EQ(MotionTitle({"", true, 2, 0}), "ZorvII       [새 파일 *]   - 2 개 동작 묶음");
  EXPECT_EQ(MotionTitle({"hero.zrv", false, 0, 3}), "ZorvII       [hero.zrv]   - 0 개 동작 묶음");
}

TEST(MotionFrame, ToolTextAndCanvas) {
  EXPECT_EQ(MotionToolText("준비", 1, false, false), " 준비");
  EXPECT_EQ(MotionToolText("충돌 박스", 3, true, false), " 3번 충돌 박스");
  EXPECT_EQ(MotionToolText("동작 찍기", 1, false, true), " 동작 찍기  * All *");
  CanvasArea area = PlaceMotionCanvas(800, 600);
  EXPECT_EQ((std::array<int, 4>{area.x, area.y, area.width, area.height}),
            (std::array<int, 4>{0, 28, 800, 552}));
  // A frame dragged smaller than its bars leaves an empty canvas, never a negative one.
  area = PlaceMotionCanvas(-2, 30);
  EXPECT_EQ((std::array<int, 4>{area.x, area.y, area.width, area.height}), (std::array<int, 4>{0, 28, 0, 0}));
}

TEST(StatusText, PartsSplitTheBarInThirteenthsAndShowZoomAndMouse) {
  EXPECT_EQ(StatusPartEdges(1300), (std::array<int, 3>{600, 700, -1}));
  EXPECT_EQ(StatusPartEdges(1299), (std::array<int, 3>{594, 693, -1}));  // 1299 div 13 = 99 first
  EXPECT_EQ(StatusPartEdges(12), (std::array<int, 3>{0, 0, -1}));
  EXPECT_EQ(ZoomText(3), " x3");
  EXPECT_EQ(MouseText(true, 64, 5), " 마우스 :  64 ,   5");
  EXPECT_EQ(MouseText(true, 1234, -7), " 마우스 : 1234 ,  -7");
  EXPECT_EQ(MouseText(false, 0, 0), " 마우스 : --- , ---");
}
