#include "ui/zoom_view.h"

#include <gtest/gtest.h>

TEST(ZoomView, ClientToDocumentAtZoomThreeWithOffsets) {
  ZoomView view;
  view.setClientSize(600, 400);
  view.setDocumentSize(1000, 1000);
  view.setZoom(3);
  auto pair = [](ViewPoint p) { return std::make_pair(p.x, p.y); };
  EXPECT_EQ(pair(view.clientToDocument(301, 299)), std::make_pair(100, 99));
  view.scroll(ScrollAxis::Horizontal, kScrollPageDown, 0);
  view.scroll(ScrollAxis::Vertical, kScrollLineDown, 0);
  EXPECT_EQ(pair(view.clientToDocument(301, 299)), std::make_pair(160, 129));
  EXPECT_EQ(pair(view.documentToClient(160, 129)), std::make_pair(300, 297));
  EXPECT_EQ(view.clientToDocument(-1, -3).x, 59) << "left of the client area stays outside";
  EXPECT_EQ(view.barPosition(ScrollAxis::Horizontal), 180);
  view.setClientSize(500, 300);
  EXPECT_EQ(std::make_pair(view.offsetX(), view.offsetY()), std::make_pair(0, 0))
      << "a new size starts at the top left";
}

TEST(ZoomView, ScrollingIsClampedToTheZoomedDocument) {
  ZoomView view;
  view.setClientSize(500, 300);
  view.setDocumentSize(320, 400);
  view.setZoom(2);
  EXPECT_EQ(view.scrollMax(ScrollAxis::Horizontal), 140);
  EXPECT_EQ(view.scrollMax(ScrollAxis::Vertical), 500);
  view.scroll(ScrollAxis::Vertical, kScrollPageDown, 0);
  view.scroll(ScrollAxis::Vertical, kScrollPageDown, 0);
  EXPECT_EQ(view.offsetY(), 120);
  EXPECT_EQ(view.barPosition(ScrollAxis::Vertical), 240);
  view.scroll(ScrollAxis::Vertical, kScrollPageDown, 0);
  view.scroll(ScrollAxis::Vertical, kScrollPageDown, 0);
  EXPECT_EQ(view.offsetY(), 240) << "500 / 2 is the end";
  view.scroll(ScrollAxis::Vertical, kScrollThumbTrack, 101);
  EXPECT_EQ(view.offsetY(), 50);
  EXPECT_FALSE(view.scroll(ScrollAxis::Vertical, kScrollEnd, 0));
  view.setDocumentSize(100, 100);
  EXPECT_FALSE(view.barEnabled(ScrollAxis::Horizontal));
  EXPECT_FALSE(view.scroll(ScrollAxis::Horizontal, kScrollLineDown, 0));
  EXPECT_FALSE(view.setZoom(9) && view.zoom() != 4);
  EXPECT_EQ(view.zoom(), 4);
  EXPECT_FALSE(view.setZoom(4)) << "at the limit nothing changes";
  // No picture in a window without a client area: nothing to scroll.
  view.setClientSize(0, 0);
  view.setDocumentSize(0, 0);
  EXPECT_FALSE(view.barEnabled(ScrollAxis::Horizontal) || view.barEnabled(ScrollAxis::Vertical));
  EXPECT_EQ(view.visibleWidth() + view.visibleHeight(), 0);
}
