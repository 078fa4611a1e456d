// The main frames' titles, status texts and layout, as plain functions.
#include <gtest/gtest.h>

#include <array>

#include "cutter/editor/frame_text.h"
#include "motion/editor/frame_text.h"
#include "ui/status_text.h"

TEST(CutterTitle, ShortFormForSpritesLongFormWithAPicture) {
  const std::pair<CutterTitleState, const char*> cases[] = {
      // file, modified, sprites, has frame, picture, frame width, height, index, count
      // The frame editors' tests see the titles of named and modified files.
      {{"", false, 0, false, "", 0, 0, 0, 0}, "PlykII"},
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

TEST(MotionFrame, TheCanvasIsNeverNegative) {
  // The frame editor's tests see the titles, the canvas's the tool texts.
  CanvasPlacement area = PlaceMotionCanvas(800, 600);
  EXPECT_EQ((std::array<int, 4>{area.x, area.y, area.width, area.height}),
            (std::array<int, 4>{0, 28, 800, 552}));
  // A frame dragged smaller than its bars leaves an empty canvas, never a negative one.
  area = PlaceMotionCanvas(-2, 30);
  EXPECT_EQ((std::array<int, 4>{area.x, area.y, area.width, area.height}), (std::array<int, 4>{0, 28, 0, 0}));
}

TEST(StatusText, PartsSplitTheBarInThirteenthsAndMouseTextsWiden) {
  EXPECT_EQ(StatusPartEdges(1299), (std::array<int, 3>{594, 693, -1}));  // 1299 div 13 = 99 first
  EXPECT_EQ(StatusPartEdges(12), (std::array<int, 3>{0, 0, -1}));
  EXPECT_EQ(MouseText(true, 1234, -7), " 마우스 : 1234 ,  -7");
}
