#include "motion/app/frame_text.h"

#include <gtest/gtest.h>

TEST(MotionTitle, EmptyDocumentShowsTheProgramTitle) {
  EXPECT_EQ(MotionTitle({}), "ZorvII");
}

TEST(MotionTitle, NewDocumentWithBundles) {
  MotionTitleState state;
  state.bundleCount = 2;
  state.modified = true;
  EXPECT_EQ(MotionTitle(state), "ZorvII       [새 파일 *]   - 2 개 동작 묶음");
}

TEST(MotionTitle, SpritesAloneAreEnoughForTheLongTitle) {
  MotionTitleState state;
  state.documentName = "hero.zrv";
  state.spriteCount = 3;
  EXPECT_EQ(MotionTitle(state), "ZorvII       [hero.zrv]   - 0 개 동작 묶음");
}

TEST(MotionStatus, ToolTextWithNumberAndSelectAll) {
  EXPECT_EQ(MotionToolText("준비", 1, false, false), " 준비");
  EXPECT_EQ(MotionToolText("충돌 박스", 3, true, false), " 3번 충돌 박스");
  EXPECT_EQ(MotionToolText("동작 찍기", 1, false, true), " 동작 찍기  * All *");
}

TEST(MotionCanvas, FillsBetweenToolBarAndStatusBar) {
  CanvasArea area = PlaceMotionCanvas(800, 600);
  EXPECT_EQ(area.x, 0);
  EXPECT_EQ(area.y, 28);
  EXPECT_EQ(area.width, 800);
  EXPECT_EQ(area.height, 552);
}
