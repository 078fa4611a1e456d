// The motion window and the sprite window: layout, selection, thumbnails, marks,
// the previous and next keys, and adding sprite files.
#include <gtest/gtest.h>

#include "editor_test_support.h"
#include "motion/editor/motion_window_editor.h"
#include "motion/editor/sprite_window_editor.h"
#include "motion/resource_ids.h"
#include "sprites/sprite_file.h"

namespace {

struct ListFixture {
  FakeHost host;
  MotionDocument doc;
  ZorvSettings settings;
  MotionWindowEditor motions{doc, settings, host, host};
  SpriteWindowEditor sprites{doc, settings, host, host, host};
  MotionBundle* bundle;

  explicit ListFixture(int count, int width = 200, int height = 150) {
    doc.file.sprites.Append(MakeSprite(8, 8, 40));
    doc.newBundle("walk");
    bundle = doc.file.current();
    FillBundle(*bundle, count, doc.file.sprites.Get(0));
    bundle->select(0);
    doc.modified = false;
    motions.resize(width, height);
    sprites.resize(width, height);
  }
  // The painted pixels of a rectangle, row by row.
  std::vector<uint8_t> paint(int x0, int y0, int x1, int y1) {
    TestSurface s(200, 150);
    motions.paint(*s.dc);
    std::vector<uint8_t> region;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) region.push_back(s.at(x, y));
    return region;
  }
};

}  // namespace

TEST(MotionWindow, SevenMotionsInThreeColumnsWithTheEmptyCell) {
  // Layout, clicks and scrolling are the thumbnail list's, checked with it.
  ListFixture f(7);
  f.motions.leftDown(70, 130);  // the empty cell
  EXPECT_EQ(f.doc.currentMotion(), nullptr);
  EXPECT_EQ(f.motions.title(), "'walk' 동작 창      [ 7개, 7번 선택 ]");
  f.motions.leftDown(5, 5);
  const CommandTable& menu = f.motions.commands();
  EXPECT_TRUE(menu.enabled(ID_ZORV_MOTION_COPY));
  EXPECT_FALSE(menu.enabled(ID_ZORV_MOTION_PASTE));  // nothing marked
  f.motions.leftDown(70, 130);
  for (int id : {ID_ZORV_MOTION_COPY, ID_ZORV_MOTION_CUT, ID_ZORV_MOTION_DELETE, ID_ZORV_MOTION_SET_SHADOW})
    EXPECT_FALSE(menu.enabled(id)) << id;
}

// Scaling and centring a cell's sprite are the thumbnail's own rules, checked with the contact sheet.
TEST(MotionWindow, EachCellShowsItsMotionsSpriteWithItsMarks) {
  const PaletteBlock& p = TestPalette();
  const int system = ZorvSettings().indices.system;
  const struct {
    int id;
    int value;
  } cases[] = {{ID_ZORV_KEY_CUT, p.mix(255, 40)},  // translucent in its own colours
               {ID_ZORV_KEY_COPY, p.mix(40, system)},
               {ID_ZORV_KEY_COPY_INFO, p.mix(40, system)}};
  for (const auto& c : cases) {
    ListFixture f(3);
    f.host.focused = ZorvWindow::MotionWindow;
    f.bundle->get(0)->sound.assign("a.wav");
    f.doc.file.sprites.Append(MakeSprite(8, 8, 70));
    f.bundle->get(1)->sprite = f.doc.file.sprites.Get(1);
    f.bundle->select(1);
    f.doc.setShadow();
    f.bundle->select(0);
    ASSERT_TRUE(f.motions.commands().execute(c.id));
    f.motions.leftDown(10, 70);  // the empty cell, out of the way
    EXPECT_EQ(f.paint(26, 26, 26, 26), std::vector<uint8_t>{static_cast<uint8_t>(c.value)}) << c.id;
    EXPECT_EQ(f.paint(87, 26, 87, 26), std::vector<uint8_t>{70}) << c.id;  // motion 1 is not marked

    TestSurface marks(200, 150);
    marks.dc->setTextColour(system);
    marks.dc->DrawText(0, 1, "w ");
    marks.dc->DrawText(61, 1, " s");
    std::vector<uint8_t> expected;
    for (int y = 0; y <= 13; ++y)
      for (int x = 0; x <= 182; ++x) expected.push_back(marks.at(x, y));
    EXPECT_EQ(f.paint(0, 0, 182, 13), expected) << c.id;
  }
}

TEST(ListWindows, TheKeysMoveTheSelectionOfTheirOwnList) {
  // Where the ends stop is the thumbnail list's, checked with it.
  ListFixture f(2);
  for (int id : {ID_ZORV_KEY_NEXT_MOTION, ID_ZORV_KEY_NEXT_SPRITE}) {
    f.motions.commands().execute(id);
    f.sprites.commands().execute(id);
  }
  EXPECT_EQ(f.bundle->currentIndex(), 1);
  EXPECT_EQ(f.doc.file.sprites.CurrentIndex(), 1);
  EXPECT_EQ(f.host.focused, ZorvWindow::SpriteWindow);
  f.sprites.closeRequested();  // hidden now and at the next start
  EXPECT_EQ((std::tuple{f.host.focused, f.host.spriteWindowShown, f.settings.spriteWindowShown}),
            (std::tuple{ZorvWindow::Frame, false, false}));
}

// Reading all or nothing is the shared sprite-file reader's, checked with it.
TEST(SpriteWindow, AddsAFileInFrontOfTheCurrentSprite) {
  ScratchFolder folder{"zorv_editor"};
  auto fileOf = [&](const std::string& name, std::vector<uint8_t> values) {
    SpriteSet set;
    for (uint8_t v : values) set.Append(MakeSprite(4, 2, v));
    folder.write(name, SpriteFileBytes(set));
    return ChosenFile{folder.path(name), name};
  };
  const ChosenFile mixed = fileOf("mixed.plk", {10, 3, 11});
  const ChosenFile known = fileOf("known.plk", {1, 5});
  const struct {
    std::optional<ChosenFile> file;
    std::vector<int> values;
    bool modified;
  } cases[] = {{mixed, {1, 2, 10, 11, 3, 4, 5}, true},
               {known, {1, 2, 3, 4, 5}, true},
               {std::nullopt, {1, 2, 3, 4, 5}, false}};
  for (const auto& c : cases) {
    ListFixture f(0);
    f.doc.file.sprites.Clear();
    AddSprites(f.doc.file, 5);
    f.doc.file.sprites.SetCurrent(2);
    Sprite* current = f.doc.file.sprites.Current();
    f.host.files.push_back(c.file);
    const CommandTable& menu = f.sprites.commands();
    for (int id : {ID_ZORV_SPRITE_COPY, ID_ZORV_SPRITE_CUT, ID_ZORV_SPRITE_PASTE, ID_ZORV_SPRITE_DELETE})
      EXPECT_FALSE(menu.enabled(id));
    ASSERT_TRUE(menu.execute(ID_ZORV_SPRITE_ADD));
    std::vector<int> values;
    for (int i = 0; i < f.doc.file.sprites.Count(); ++i)
      values.push_back(f.doc.file.sprites.Get(i)->pixels[0]);
    EXPECT_EQ(values, c.values);
    EXPECT_EQ(f.doc.file.sprites.Current(), current);
    EXPECT_EQ(f.doc.modified, c.modified);
    if (c.file) {
      EXPECT_EQ(f.settings.spriteFileName, c.file->name);
    }
  }
}
