// The sprite window and the detail window driven through their calls: layout,
// selection, the hold, merging a sprite file and painting.
#include "cutter/editor/sprite_window_editor.h"

#include <gtest/gtest.h>

#include "cutter/editor/detail_window_editor.h"
#include "cutter/resource_ids.h"
#include "editor_support.h"
#include "support/graphics_test_support.h"

using namespace edtest;

namespace {

// A step of a command sequence that selects sprite `index` (command ids are positive).
constexpr int Select(int index) {
  return -1 - index;
}

class SpriteWindowTest : public ::testing::Test {
 protected:
  Frame f;
  ScratchFolder dir{"sprite_window_test"};
  CutterSpriteWindowEditor& window() { return f.editor.spriteWindow(); }
  SpriteSet& set() { return f.doc().sprites; }

  void Start(int count, int width = 200, int height = 130) {
    Fill(set(), count);
    window().resize(width, height);
  }
  // The first pixel value of each sprite, in set order.
  std::vector<int> Values() {
    std::vector<int> v;
    for (int i = 0; i < set().Count(); ++i) v.push_back(set().Get(i)->pixels[0]);
    return v;
  }
};

}  // namespace

// Layout, clicks and scrolling are the thumbnail list's, checked with it; a right
// click here opens the pop-up menu even beyond the end slot.
TEST_F(SpriteWindowTest, RightClickSelectsAndAlwaysOpensThePopup) {
  Start(5);
  window().rightDown(61, 0);
  window().rightDown(0, 125);  // beyond the end slot
  EXPECT_EQ(window().selection(), 1);
  EXPECT_EQ(f.host.popups, 2);
}

TEST_F(SpriteWindowTest, CopyCutPasteAndDelete) {
  const struct {
    std::vector<int> steps;  // commands, and Select(i) to select sprite i
    std::vector<int> values;
    int selection;
    ClipboardMode hold;
  } cases[] = {
      // Copy 0, select 2, paste: the copy lands at 2, the old sprite 2 stays selected.
      {{Select(0), ID_PLYK_SPRITE_COPY, Select(2), ID_PLYK_SPRITE_PASTE},
       {1, 2, 1, 3},
       3,
       ClipboardMode::Copy},
      // Cut 0, select the end slot, paste: the sprite moves to the end, selection 0.
      {{Select(0), ID_PLYK_KEY_CUT, Select(3), ID_PLYK_KEY_PASTE}, {2, 3, 1}, 0, ClipboardMode::Empty},
      // Deleting the held sprite drops the hold.
      {{Select(1), ID_PLYK_SPRITE_CUT, ID_PLYK_SPRITE_DELETE}, {1, 3}, 1, ClipboardMode::Empty},
      // Deleting another sprite keeps it; paste twice from a copy.
      {{Select(0), ID_PLYK_SPRITE_COPY, Select(2), ID_PLYK_KEY_DELETE, ID_PLYK_SPRITE_PASTE,
        ID_PLYK_SPRITE_PASTE},
       {1, 2, 1, 1},
       4,
       ClipboardMode::Copy},
  };
  for (const auto& c : cases) {
    set().Clear();
    window().dropHold();
    Fill(set(), 3);  // values 1, 2, 3
    f.doc().modified = false;
    for (int step : c.steps) {
      if (step < 0) {
        set().SetCurrent(-1 - step);
      } else {
        EXPECT_TRUE(window().command(step)) << step;
      }
      // The hold must name a sprite of the set, or nothing.
      EXPECT_TRUE(!window().heldSprite() || set().IndexOf(window().heldSprite()) >= 0);
    }
    EXPECT_EQ(Values(), c.values);
    EXPECT_EQ(window().selection(), c.selection);
    EXPECT_EQ(window().holdMode(), c.hold);
    EXPECT_TRUE(f.doc().modified);
    EXPECT_TRUE(f.host.focused);  // every command takes the focus
  }
}

TEST_F(SpriteWindowTest, NextStopsAtTheEndSlotWhereSpriteCommandsAreGreyed) {
  Start(3);
  for (int i = 0; i < 4; ++i) window().command(ID_PLYK_NEXT_SPRITE);
  EXPECT_EQ(window().selection(), 3);  // the end slot, and no further
  for (int id : {ID_PLYK_SPRITE_COPY, ID_PLYK_SPRITE_CUT, ID_PLYK_SPRITE_DELETE, ID_PLYK_SPRITE_PASTE,
                 ID_PLYK_SPRITE_SAVE_PCX, ID_PLYK_KEY_COPY})
    EXPECT_FALSE(window().commands().enabled(id)) << id;
  EXPECT_TRUE(window().commands().enabled(ID_PLYK_SPRITE_ADD));
  window().command(ID_PLYK_PREV_SPRITE);
  EXPECT_TRUE(window().commands().enabled(ID_PLYK_SPRITE_CUT));
  for (int i = 0; i < 4; ++i) window().command(ID_PLYK_PREV_SPRITE);
  EXPECT_EQ(window().selection(), 0);  // the first, and no further
  EXPECT_FALSE(f.doc().modified);
}

// Reading all or nothing is the shared sprite-file reader's, checked with it.
TEST_F(SpriteWindowTest, MergingAddsOnlyNewSpritesInFrontOfTheSelection) {
  Start(3);  // values 1, 2, 3
  window().command(ID_PLYK_NEXT_SPRITE);
  const std::string sameFile = dir.write("same.plk", SpriteFile(3, 1));
  SpriteSet partly;  // equal to sprite 1, new, equal to sprite 0
  partly.Append(MakeSprite(3, 4, 2));
  partly.Append(MakeSprite(9, 9, 4));
  partly.Append(MakeSprite(2, 3, 1));
  const std::string newFile = dir.write("new.plk", SpriteFileBytes(partly));
  const struct {
    std::string path;
    std::vector<int> values;
  } cases[] = {
      {sameFile, {1, 2, 3}},    // nothing new, but counted as a change
      {newFile, {1, 4, 2, 3}},  // in front of the selection
  };
  for (const auto& c : cases) {
    f.doc().modified = false;
    f.host.files.push_back(ChosenFile{c.path, "x.plk"});
    window().command(ID_PLYK_SPRITE_ADD);
    EXPECT_EQ(Values(), c.values) << c.path;
    EXPECT_TRUE(f.doc().modified) << c.path;
  }
  EXPECT_EQ(window().selection(), 2);
  EXPECT_EQ(f.doc().spritePath, "");  // the document's own file is unchanged
}

TEST_F(SpriteWindowTest, PaintsCellsHoldMarksAndSelection) {
  set().Append(MakeSprite(4, 6, 9));     // centred: (28, 27) in cell 0
  set().Append(MakeSprite(120, 30, 9));  // half size at the left edge, 22 from the top
  set().Append(MakeSprite(2, 2, 9));
  set().SetCurrent(0);
  window().resize(200, 130);
  window().command(ID_PLYK_SPRITE_COPY);
  set().SetCurrent(2);
  const CutterSettings& s = f.editor.settings();
  const PaletteBlock& mix = TestPalette();
  const uint8_t bg = static_cast<uint8_t>(s.backgroundIndex), sys = static_cast<uint8_t>(s.systemIndex);
  Canvas c(201, 131, 77);
  window().paint(*c.dc);
  EXPECT_EQ(c.at(28, 27), mix.mix(9, sys));  // copy: tinted
  EXPECT_EQ(c.at(27, 27), bg);
  EXPECT_EQ(c.at(61, 22), 9);  // scaled, plain
  EXPECT_EQ(c.at(122 + 29, 29), 9);
  EXPECT_EQ(c.at(122, 0), mix.mix(bg, sys));  // selection outline (cell 2)
  EXPECT_EQ(c.at(122 + 60, 60), mix.mix(bg, sys));
  EXPECT_EQ(c.at(199, 129), bg);  // the whole client area, nothing beyond
  EXPECT_TRUE(c.at(200, 129) == 77 && c.at(199, 130) == 77);
  window().command(ID_PLYK_SPRITE_CUT);
  window().paint(*c.dc);
  EXPECT_EQ(c.at(28, 27), 9);
  EXPECT_EQ(c.at(122 + 29, 29), mix.mix(bg, 9));                    // cut: translucent
  window().resize(1, 130), c.set(0, 0, 77), window().paint(*c.dc);  // one column still shows
  EXPECT_EQ(c.at(0, 0), bg);
}

TEST(DetailWindow, CentresSmallSpritesAndScrollsLargeOnes) {
  Frame f;
  SpriteSet& set = f.doc().sprites;
  set.Append(MakeSprite(10, 6, 4));
  set.Append(MakeSprite(200, 100, 5));
  set.SetCurrent(0);
  DetailWindowEditor& detail = f.editor.detailWindow();
  detail.resize(100, 50);
  EXPECT_EQ(detail.title(), "0 번 [10x6]");
  EXPECT_EQ(std::make_pair(detail.offsetX(), detail.offsetY()), std::make_pair(-45, -22));
  EXPECT_EQ(detail.scrollBar(ScrollAxis::Horizontal), (ScrollBarState{false, 0, 0}));  // a centred axis
  Canvas c(101, 50, 77);
  detail.paint(*c.dc);
  EXPECT_EQ(c.at(100, 0), 77);  // nothing right of the client area
  const int sys = f.editor.settings().systemIndex, bg = f.editor.settings().backgroundIndex;
  // The sprite's corners, the outline just outside it, the background beyond.
  for (auto [x, y, value] :
       {std::tuple{45, 22, 4}, {54, 27, 4}, {44, 21, sys}, {55, 28, sys}, {43, 21, bg}, {44, 20, bg}})
    EXPECT_EQ(c.at(x, y), value) << x << "," << y;

  f.editor.spriteWindow().command(ID_PLYK_NEXT_SPRITE);  // the selection lays it out again
  EXPECT_EQ(detail.title(), "1 번 [200x100]");
  EXPECT_EQ(detail.offsetX(), 0);
  const struct {
    ScrollAxis axis;
    int code, thumb, offset;
  } steps[] = {
      {ScrollAxis::Horizontal, kScrollLineDown, 0, 15},    {ScrollAxis::Horizontal, kScrollPageDown, 0, 45},
      {ScrollAxis::Horizontal, kScrollThumbTrack, 99, 99}, {ScrollAxis::Horizontal, kScrollPageDown, 0, 100},
      {ScrollAxis::Horizontal, kScrollPageUp, 0, 70},      {ScrollAxis::Horizontal, kScrollLineUp, 0, 55},
      {ScrollAxis::Vertical, kScrollPageUp, 0, 0},         {ScrollAxis::Vertical, kScrollThumbTrack, 40, 40}};
  for (const auto& s : steps) {
    detail.scroll(s.axis, s.code, s.thumb);
    EXPECT_EQ(s.axis == ScrollAxis::Horizontal ? detail.offsetX() : detail.offsetY(), s.offset);
  }
  EXPECT_EQ(detail.scrollBar(ScrollAxis::Vertical), (ScrollBarState{true, 50, 40}));
  c.pattern();
  detail.paint(*c.dc);
  EXPECT_EQ(c.at(0, 0), 5);
  detail.resize(100, 99);  // one row more than fits still scrolls
  detail.scroll(ScrollAxis::Vertical, kScrollLineDown, 0);
  EXPECT_EQ(detail.offsetY(), 1);
  for (auto [w, h] : std::vector<std::pair<int, int>>{{0, 50}, {100, 0}, {100, 1}}) {
    c.set(0, 0, 77), detail.resize(w, h), detail.paint(*c.dc);  // no client area shows nothing
    EXPECT_EQ(c.at(0, 0) != 77, h == 1) << w << "x" << h;
  }

  f.editor.spriteWindow().command(ID_PLYK_NEXT_SPRITE);  // the end slot: nothing shown
  EXPECT_EQ(detail.title(), "자세히 보기 창");
  detail.paint(*c.dc);
  EXPECT_EQ(c.at(0, 0), bg);
  detail.closeRequested();
  EXPECT_FALSE(f.editor.settings().detailShown);
  EXPECT_EQ(f.host.detailShown, false);
  EXPECT_FALSE(f.editor.commands().checked(ID_PLYK_DETAIL_WINDOW));
}
