// The picture canvas driven by event sequences: zoom and scrolling, mouse positions,
// the leave check, the tools' cuts and the cursors they draw.
#include "cutter/editor/canvas_editor.h"

#include <gtest/gtest.h>

#include "cutter/resource_ids.h"
#include "editor_support.h"
#include "support/graphics_test_support.h"

using namespace edtest;

namespace {

// Picture values 100 ... 199: never an interface colour index of the built-in palette.
uint8_t Busy(int x, int y) {
  return static_cast<uint8_t>(100 + (x * 3 + y * 7) % 100);
}

class CanvasTest : public ::testing::Test {
 protected:
  Frame f;
  ScratchFolder dir{"canvas_test"};
  CanvasEditor& canvas() { return f.editor.canvas(); }
  SpriteSet& sprites() { return f.doc().sprites; }

  void Import(int w, int h, const std::function<uint8_t(int, int)>& pixel, int clientW = 200,
              int clientH = 200) {
    ASSERT_TRUE(f.editor.importPicture(dir.write("p.pcx", PcxPicture(w, h, pixel)), "p.pcx"));
    canvas().resize(clientW, clientH);
    // Pointers 12, 18 and 15 wide: all 255 (the background index) but pixel (1, 0),
    // 254 (the shadow index).
    SpriteSet pointers;
    for (int w : {12, 18, 15}) {
      pointers.Append(MakeSprite(w, 16, 255));
      pointers.Get(pointers.Count() - 1)->pixels[1] = 254;
    }
    const std::vector<uint8_t> file = SpriteFileBytes(pointers);
    ASSERT_TRUE(canvas().loadPointerSprites(file.data(), file.size()));
  }
  void Zoom(int zoom) {
    while (f.editor.settings().zoom != zoom)
      f.editor.command(zoom > f.editor.settings().zoom ? ID_PLYK_ZOOM_IN : ID_PLYK_ZOOM_OUT);
  }
  void Drag(int x0, int y0, int x1, int y1) {
    canvas().mouseMove(x0, y0);
    canvas().leftDown();
    canvas().mouseMove(x1, y1);
    canvas().leftUp();
  }
};

}  // namespace

// The view's own paging and clamping are checked with the view; here the canvas's
// zoom commands, scroll keys and mouse positions.
TEST_F(CanvasTest, ZoomScrollAndClientPoints) {
  Import(400, 400, Busy, 120, 120);
  const struct {
    int zoom, lines, x, y, pictureX, pictureY;
  } points[] = {{3, 0, 10, 10, 3, 3}, {4, 0, 7, 8, 1, 2}, {2, 1, 10, 11, 35, 35}, {1, 0, -1, -5, -1, -1}};
  for (const auto& p : points) {
    Zoom(p.zoom);
    for (int i = 0; i < p.lines; ++i) {
      f.editor.command(ID_PLYK_SCROLL_DOWN);
      f.editor.command(ID_PLYK_SCROLL_RIGHT);
    }
    canvas().mouseMove(p.x, p.y);
    EXPECT_EQ(std::make_pair(canvas().mouseX(), canvas().mouseY()), std::make_pair(p.pictureX, p.pictureY));
  }
  // Zoom stays within 1 ... 4; the frame places the canvas for the zoomed picture.
  for (int step : {-1, -1, 1, 1, 1, 1, 1}) f.editor.command(step < 0 ? ID_PLYK_ZOOM_OUT : ID_PLYK_ZOOM_IN);
  EXPECT_EQ(canvas().view().zoom(), 4);
  f.host.takeRepaints();
  f.editor.command(ID_PLYK_ZOOM_IN);  // already the largest: nothing changes, nothing is repainted
  EXPECT_EQ(f.host.takeRepaints(), 0);
  canvas().scroll(ScrollAxis::Vertical, kScrollThumbTrack, 8);
  EXPECT_EQ(canvas().view().offsetY(), 2);
  EXPECT_EQ(canvas().scrollBar(ScrollAxis::Vertical), (ScrollBarState{true, 400 * 4 - 120, 8}));
  EXPECT_EQ(f.editor.statusTexts()[1], " x4");
  f.editor.resize(SizeKind::Restored, 800, 600);
  EXPECT_EQ(f.host.placement->width, 800);
  Import(64, 64, Busy);
  EXPECT_EQ(f.host.placement->width, 64 * 4 + 20);
}

TEST_F(CanvasTest, WheelScrollsThreeLinesPerNotchAndZoomsWithCtrl) {
  Import(400, 400, Busy, 120, 120);
  // Three lines per notch, as the arrow keys scroll them. Parts of a notch add up as the
  // shared wheel count's, checked with the thumbnail grid.
  for (int i = 0; i < 6; ++i) f.editor.command(ID_PLYK_SCROLL_DOWN);
  const int sixLines = canvas().view().offsetY();
  canvas().scroll(ScrollAxis::Vertical, kScrollThumbTrack, 0);
  f.editor.canvasWheel(-240, false, false);
  EXPECT_EQ(canvas().view().offsetY(), sixLines);
  EXPECT_EQ(canvas().view().offsetX(), 0);
  f.editor.canvasWheel(-240, true, false);  // Shift: sideways
  EXPECT_EQ(canvas().view().offsetX(), sixLines);
  f.editor.canvasWheel(1200, false, false);  // up to the top, no further
  EXPECT_EQ(canvas().view().offsetY(), 0);
  // Ctrl: one zoom step per notch, away from the user zooming in, not below 1 (the zoom
  // commands stop at 4 the same way).
  f.editor.canvasWheel(240, false, true);
  EXPECT_EQ(canvas().view().zoom(), 3);
  f.editor.canvasWheel(-360, false, true);
  EXPECT_EQ(canvas().view().zoom(), 1);
  EXPECT_EQ(f.editor.statusTexts()[1], " x1");
}

TEST_F(CanvasTest, PaintsTheVisiblePartAndEachToolsCursor) {
  Import(300, 300, Busy, 80, 60);
  Zoom(2);
  f.editor.command(ID_PLYK_SCROLL_RIGHT);
  canvas().scroll(ScrollAxis::Vertical, kScrollPageDown, 0);
  Canvas c(200, 200, 7);
  canvas().paint(*c.dc);  // 80 x 60 client pixels at zoom 2 show 40 x 30 from (30, 60)
  EXPECT_EQ(c.at(0, 0), Busy(30, 60));
  EXPECT_EQ(c.at(39, 29), Busy(69, 89));
  EXPECT_EQ(c.at(40, 0), 7);
  EXPECT_EQ(c.at(0, 30), 7);

  Import(120, 90, Busy);
  Zoom(1);
  const CutterSettings& s = f.editor.settings();
  // Tool 0 is the one a new canvas starts with; a pointer width of 0: no pointer sprite.
  for (auto [tool, pointerWidth] : {std::pair{0, 12},
                                    {ID_PLYK_TOOL_OUTWARD_CUT, 18},
                                    {ID_PLYK_TOOL_PICK, 15},
                                    {ID_PLYK_TOOL_INWARD_CUT, 0},
                                    {ID_PLYK_TOOL_FREE_CUT, 0},
                                    {ID_PLYK_TOOL_FIXED_CUT, 0}}) {
    if (tool) f.editor.command(tool);
    canvas().mouseMove(30, 40);
    Canvas c(200, 200);
    canvas().paintPicture(*c.dc);
    const std::vector<uint8_t> picture = c.snapshot();
    EXPECT_EQ(std::make_pair(c.at(199, 0), c.at(199, 199)),  // the far corners, past the picture
              std::make_pair(uint8_t(s.backgroundIndex), uint8_t(s.backgroundIndex)));
    canvas().paintCursor(*c.dc);
    if (pointerWidth) {
      EXPECT_EQ(std::make_pair(c.at(30, 40), c.at(31, 40)),
                std::make_pair(uint8_t(s.backgroundIndex), uint8_t(s.shadowIndex)));
      EXPECT_EQ(c.at(30 + pointerWidth - 1, 41), s.backgroundIndex) << tool;
      EXPECT_EQ(c.at(30 + pointerWidth, 41), Busy(30 + pointerWidth, 41)) << tool;
      continue;
    }
    if (tool == ID_PLYK_TOOL_FIXED_CUT) {
      EXPECT_EQ(c.at(30 + 32, 40 + 32), Busy(62, 72) ^ 255);
    } else {  // a cross-hair over the client area; the crossing is inverted twice
      EXPECT_EQ(c.at(0, 40), Busy(0, 40) ^ 255);
      EXPECT_EQ(c.at(199, 40), s.backgroundIndex ^ 255);
      EXPECT_EQ(c.at(30, 40), Busy(30, 40));
      canvas().paintCursor(*c.dc);  // exclusive-or: twice restores
      EXPECT_EQ(c.snapshot(), picture);
      canvas().leftDown();  // the drag rectangle
      canvas().mouseMove(20, 45);
      canvas().paintCursor(*c.dc);
      EXPECT_EQ(std::make_pair(c.at(20, 40), c.at(30, 45)),
                std::make_pair(uint8_t(Busy(20, 40) ^ 255), uint8_t(Busy(30, 45) ^ 255)));
      EXPECT_EQ(c.at(25, 42), Busy(25, 42));
      canvas().paintCursor(*c.dc);
      canvas().leftUp();
      EXPECT_EQ(c.snapshot(), picture);
      continue;
    }
    canvas().paintCursor(*c.dc);
    EXPECT_EQ(c.snapshot(), picture) << "drawn twice, tool " << tool;
  }
}

TEST_F(CanvasTest, GridToolSnapsAndDrawsTheCellOutline) {
  Import(200, 120, Busy);
  f.editor.command(ID_PLYK_TOOL_GRID_CUT);
  canvas().mouseMove(70, 40);
  EXPECT_EQ(f.editor.statusTexts()[0], " 격자로 자르기");
  EXPECT_EQ(f.editor.statusTexts()[2], " 마우스 :  64 ,  32");
  Canvas c(200, 200);
  canvas().paint(*c.dc);
  for (int y = 20; y < 80; ++y)
    for (int x = 50; x < 110; ++x) {
      const bool outline =
          ((x == 64 || x == 96) && y >= 32 && y <= 64) || ((y == 32 || y == 64) && x >= 64 && x <= 96);
      ASSERT_EQ(c.at(x, y), outline ? Busy(x, y) ^ 255 : Busy(x, y)) << x << "," << y;
    }
  canvas().leftDown();
  ASSERT_EQ(sprites().Count(), 1);
  const Sprite& cell = *sprites().Get(0);
  EXPECT_EQ(std::make_pair(cell.width, cell.height), std::make_pair(32, 32));
  EXPECT_EQ(std::make_pair(cell.pixels[0], cell.at(31, 31)), std::make_pair(Busy(64, 32), Busy(95, 63)));
}

TEST_F(CanvasTest, ToolsCutWhatTheRulesSay) {
  // On background 3: a 4 x 3 block at (10, 10) and a 5 x 5 ring at (30, 20).
  Import(60, 40, [](int x, int y) {
    if (x >= 10 && x < 14 && y >= 10 && y < 13) return uint8_t(9);
    const bool ring = x >= 30 && x < 35 && y >= 20 && y < 25 && (x == 30 || x == 34 || y == 20 || y == 24);
    return uint8_t(ring ? 8 : 3);
  });
  EXPECT_EQ(f.doc().cut.transparentIndex, 3);
  const struct {
    int tool, x0, y0, x1, y1, width, height;  // width 0: nothing cut
  } cuts[] = {{ID_PLYK_TOOL_OUTWARD_CUT, 12, 11, 12, 11, 4, 3},
              {ID_PLYK_TOOL_INWARD_CUT, 40, 30, 25, 15, 5, 5},
              {ID_PLYK_TOOL_FREE_CUT, 2, 1, 0, 0, 3, 2}};
  for (const auto& c : cuts) {
    f.editor.command(c.tool);
    const int before = sprites().Count();
    Drag(c.x0, c.y0, c.x1, c.y1);
    const Sprite* cut = sprites().Get(before);
    EXPECT_EQ(std::make_pair(cut ? cut->width : 0, cut ? cut->height : 0), std::make_pair(c.width, c.height));
  }
  EXPECT_TRUE(f.doc().modified);
  // The pick tool takes the index under the mouse and returns to the previous tool,
  // also when it was chosen twice.
  f.editor.command(ID_PLYK_TOOL_PICK);
  f.editor.command(ID_PLYK_TOOL_PICK);
  Drag(11, 11, 11, 11);
  EXPECT_EQ(f.doc().cut.transparentIndex, 9);
  EXPECT_EQ(canvas().tool(), FreeCut);
}

TEST_F(CanvasTest, AMouseMoveRepaintsCanvasAndStatusTextOnlyWhenItsPictureCellChanges) {
  Import(100, 100, Busy);
  f.host.takeRepaints();
  // Client moves in turn, and whether each repaints (grid cells are 32 x 32 here).
  const struct {
    int tool, x, y;
    bool repaints;
  } moves[] = {
      {ID_PLYK_TOOL_OUTWARD_CUT, 20, 30, true}, {0, 20, 30, false}, {0, 21, 30, true}, {0, 21, 45, true},
      {ID_PLYK_TOOL_GRID_CUT, 40, 40, true},    {0, 50, 60, false}, {0, 70, 60, true}};
  for (const auto& move : moves) {
    if (move.tool != 0) f.editor.command(move.tool);
    f.host.takeRepaints();
    canvas().mouseMove(move.x, move.y);
    EXPECT_EQ(f.host.takeRepaints(), move.repaints ? kStatusBar | kCanvasWindow : 0)
        << move.x << "," << move.y;
  }
}

TEST_F(CanvasTest, LeavingOrAnUnsetPositionCutsNothing) {
  Import(100, 100, Busy);
  f.editor.command(ID_PLYK_TOOL_OUTWARD_CUT);
  // The client area is 200 x 200, both edges inside; a window in front changes nothing.
  const struct {
    int tool, moveX, checkX, checkY;
    bool inFront, kept;
  } checks[] = {{ID_PLYK_TOOL_OUTWARD_CUT, 20, 20, 30, true, true},
                {ID_PLYK_TOOL_OUTWARD_CUT, 20, 20, 30, false, true},
                {ID_PLYK_TOOL_OUTWARD_CUT, 20, 21, 30, true, false},  // moved without a move message
                {ID_PLYK_TOOL_OUTWARD_CUT, 200, 200, 30, true, true},
                {ID_PLYK_TOOL_GRID_CUT, 20, 90, 90, true, true},
                {ID_PLYK_TOOL_GRID_CUT, 20, 200, 200, true, true},
                {ID_PLYK_TOOL_GRID_CUT, 20, 201, 90, true, false},
                {ID_PLYK_TOOL_GRID_CUT, 20, 90, -1, true, false}};
  for (const auto& c : checks) {
    f.editor.command(c.tool);
    canvas().mouseMove(c.moveX, 30);
    f.host.takeRepaints();
    canvas().leaveCheck(PointerFacts{c.checkX, c.checkY, 200, 200, c.inFront});
    EXPECT_EQ(canvas().hasMouse(), c.kept) << c.checkX << "," << c.checkY;
    EXPECT_EQ(f.host.takeRepaints(), c.kept ? 0 : kStatusBar | kCanvasWindow) << c.checkX << "," << c.checkY;
  }
  EXPECT_EQ(f.editor.statusTexts()[2], " 마우스 : --- , ---");
  // Unset, not even the outward cut ignoring the transparent colour cuts (it would
  // take the whole frame), and no cursor is drawn.
  f.editor.command(ID_PLYK_IGNORE_TRANSPARENT);
  for (int tool :
       {ID_PLYK_TOOL_OUTWARD_CUT, ID_PLYK_TOOL_FIXED_CUT, ID_PLYK_TOOL_GRID_CUT, ID_PLYK_TOOL_FREE_CUT}) {
    f.editor.command(tool);
    canvas().leftDown();
    canvas().leftUp();
  }
  EXPECT_EQ(sprites().Count(), 0);
  Canvas c(200, 200);
  canvas().paint(*c.dc);
  EXPECT_EQ(c.at(20, 30), Busy(20, 30));
}

TEST_F(CanvasTest, CapturedMouseFarOutsideCountsAsJustOutside) {
  Import(50, 40, Busy);
  const std::pair<int, int> points[] = {{-70000, -5}, {65536, 70000}, {INT32_MAX, INT32_MIN}, {-19775, 0}};
  for (int tool :
       {ID_PLYK_TOOL_OUTWARD_CUT, ID_PLYK_TOOL_FIXED_CUT, ID_PLYK_TOOL_PICK, ID_PLYK_TOOL_FREE_CUT})
    for (auto [x, y] : points) {
      f.editor.command(tool);
      canvas().mouseMove(x, y);
      EXPECT_TRUE(canvas().hasMouse() && canvas().mouseX() >= -1 && canvas().mouseX() <= 200);
      canvas().leftDown();
      canvas().mouseMove(y, x);
      Canvas c(200, 200);
      canvas().paint(*c.dc);
      canvas().leftUp();
    }
  f.editor.command(ID_PLYK_TOOL_FREE_CUT);  // a drag never spans more than the view
  Drag(-70000, -70000, INT32_MAX, 70000);
  EXPECT_EQ(sprites().Get(sprites().Count() - 1)->width, 202);
  f.editor.command(ID_PLYK_TOOL_FIXED_CUT);  // transparent where it lies outside
  Drag(-1, -1, -1, -1);
  const Sprite* s = sprites().Get(sprites().Count() - 1);
  EXPECT_EQ(std::make_pair(s->pixels[0], s->at(2, 1)), std::make_pair(uint8_t(0), Busy(1, 0)));
}

TEST_F(CanvasTest, CutsReadTheCurrentFrameOfTheLatestPicture) {
  // A second import replaces the frames the cut state pointed into; a cut then
  // reads the new picture (under AddressSanitizer a stale pointer would show).
  Import(64, 64, [](int x, int y) { return uint8_t(x < 8 && y < 8 ? 5 : 1); });
  f.editor.command(ID_PLYK_TOOL_FIXED_CUT);
  Drag(0, 0, 0, 0);
  Import(16, 8, [](int x, int y) { return uint8_t(x + y == 0 ? 1 : 7); });
  Drag(0, 0, 0, 0);
  const Sprite* s = sprites().Get(1);
  EXPECT_EQ((std::vector<int>{s->pixels[0], s->pixels[1], s->at(15, 7), s->at(16, 0)}),
            (std::vector<int>{0, 7, 7, 0}));
  // A failed import keeps the picture, and cuts still read it.
  EXPECT_FALSE(f.editor.importPicture(dir.write("bad.pcx", {1, 2, 3}), "bad.pcx"));
  EXPECT_EQ(f.host.errors.back(), "지원하지 않는 포맷입니다.\n다른 종류의 파일입니다.");
  Drag(1, 1, 1, 1);
  EXPECT_EQ(sprites().Get(2)->pixels[0], 7);
}
