#include "cutter/app/frame_text.h"

#include <gtest/gtest.h>

TEST(CutterTitle, NothingLoadedShowsTheProgramTitle) {
  EXPECT_EQ(CutterTitle({}), "PlykII");
}

TEST(CutterTitle, OneSpriteCutFromAPictureIntoANewFile) {
  CutterTitleState state;
  state.modified = true;
  state.spriteCount = 1;
  state.hasFrame = true;
  state.pictureName = "a.pcx";
  state.frameWidth = 320;
  state.frameHeight = 200;
  state.frameIndex = 0;
  state.frameCount = 1;
  EXPECT_EQ(CutterTitle(state), "PlykII       [새 파일 *]   - a.pcx[320x200]  (1/1)");
}

TEST(CutterTitle, SpritesWithoutPictureUseTheShortForm) {
  CutterTitleState state;
  state.spriteFileName = "hero.plk";
  state.spriteCount = 12;
  EXPECT_EQ(CutterTitle(state), "PlykII       [hero.plk]");
  state.modified = true;
  EXPECT_EQ(CutterTitle(state), "PlykII       [hero.plk *]");
}

TEST(CutterTitle, PictureWithoutSpritesUsesTheLongForm) {
  CutterTitleState state;
  state.hasFrame = true;
  state.pictureName = "walk.flc";
  state.frameWidth = 64;
  state.frameHeight = 48;
  state.frameIndex = 4;
  state.frameCount = 9;
  EXPECT_EQ(CutterTitle(state), "PlykII       [새 파일]   - walk.flc[64x48]  (5/9)");
}

TEST(CutterCanvas, SmallFrameIsCentredInTheWorkArea) {
  // 640 x 480 client, 100 x 50 frame at zoom 1: canvas 120 x 70.
  CanvasPlacement placement = PlaceCanvas(640, 480, 100, 50);
  EXPECT_EQ(placement.width, 120);
  EXPECT_EQ(placement.height, 70);
  EXPECT_EQ(placement.x, (640 - 120) / 2);
  EXPECT_EQ(placement.y, 28 + (480 - 48 - 70) / 2);
}

TEST(CutterCanvas, LargeFrameFillsTheWorkArea) {
  CanvasPlacement placement = PlaceCanvas(640, 480, 2000, 1000);
  EXPECT_EQ(placement.x, 0);
  EXPECT_EQ(placement.y, 28);
  EXPECT_EQ(placement.width, 640);
  EXPECT_EQ(placement.height, 480 - 48);
}

TEST(CutterCanvas, ExactFitCountsAsTooLarge) {
  // Width + 20 equal to the client width is not "less than" it.
  CanvasPlacement placement = PlaceCanvas(640, 480, 620, 412);
  EXPECT_EQ(placement.x, 0);
  EXPECT_EQ(placement.width, 640);
  EXPECT_EQ(placement.y, 28);
  EXPECT_EQ(placement.height, 432);
}
