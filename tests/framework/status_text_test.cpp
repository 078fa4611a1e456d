#include "framework/status_text.h"

#include <gtest/gtest.h>

TEST(StatusText, PartsSplitTheBarInThirteenths) {
  std::array<int, 3> edges = StatusPartEdges(1300);
  EXPECT_EQ(edges[0], 600);
  EXPECT_EQ(edges[1], 700);
  EXPECT_EQ(edges[2], -1);
  // Integer division first: 1299 div 13 = 99.
  edges = StatusPartEdges(1299);
  EXPECT_EQ(edges[0], 594);
  EXPECT_EQ(edges[1], 693);
}

TEST(StatusText, NarrowWindowGivesEmptyFirstParts) {
  std::array<int, 3> edges = StatusPartEdges(12);
  EXPECT_EQ(edges[0], 0);
  EXPECT_EQ(edges[1], 0);
}

TEST(StatusText, ZoomAndMouse) {
  EXPECT_EQ(ZoomText(3), " x3");
  EXPECT_EQ(MouseText(true, 64, 5), " 마우스 :  64 ,   5");
  EXPECT_EQ(MouseText(true, 1234, -7), " 마우스 : 1234 ,  -7");
  EXPECT_EQ(MouseText(false, 0, 0), " 마우스 : --- , ---");
}
