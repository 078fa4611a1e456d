// Undo and redo of every change of the sprite set through the frame's commands: each
// step gives back the set as it was before and after, the modified mark follows the set
// last saved or opened, and the hold never refers to a sprite that undo took out.
#include <gtest/gtest.h>

#include <functional>

#include "cutter/resource_ids.h"
#include "editor_support.h"

using namespace edtest;

namespace {

// The set's sprites (size and pixels) and the selection.
std::string State(const SpriteSet& set) {
  std::string out = std::to_string(set.CurrentIndex());
  for (int32_t i = 0; i < set.Count(); ++i) {
    const Sprite& s = *set.Get(i);
    out += "|" + std::to_string(s.width) + "x" + std::to_string(s.height) + ":";
    out.append(s.pixels.begin(), s.pixels.end());
  }
  return out;
}

class CutterUndoTest : public ::testing::Test {
 protected:
  Frame f;
  ScratchFolder dir{"cutter_undo"};
  CutterDocument& doc() { return f.doc(); }
  bool enabled(int id) { return f.editor.commands().enabled(id); }

  // Three 4 x 4 figures of values 9, 10 and 11 side by side on background 3.
  void SetUp() override {
    const auto pixel = [](int x, int y) {
      const bool figure = y >= 2 && y < 6 && x >= 2 && (x - 2) % 8 < 4 && x < 26;
      return static_cast<uint8_t>(figure ? 9 + (x - 2) / 8 : 3);
    };
    ASSERT_TRUE(f.editor.importPicture(dir.write("p.pcx", PcxPicture(32, 8, pixel)), "p.pcx"));
    f.editor.canvas().resize(200, 200);
    f.editor.command(ID_PLYK_TOOL_OUTWARD_CUT);
  }
  void CutFigure(int k) {
    f.editor.canvas().mouseMove(3 + 8 * k, 3);
    f.editor.canvas().leftDown();
    f.editor.canvas().leftUp();
  }
  void OnSprite(int index, int command) {
    doc().sprites.SetCurrent(index);
    f.editor.spriteWindow().command(command);
  }
};

}  // namespace

TEST_F(CutterUndoTest, EveryChangeUndoesAndRedoesToTheSameSet) {
  const std::string merged = dir.write("m.plk", SpriteFile(3, 50));
  // The selection a change starts from, and the change.
  const std::pair<int, std::function<void()>> changes[] = {
      {0, [&] { CutFigure(0); }},
      {0, [&] { CutFigure(1); }},
      {2, [&] { CutFigure(2); }},
      {1, [&] { f.editor.spriteWindow().command(ID_PLYK_SPRITE_DELETE); }},
      {2,
       [&] {
         OnSprite(0, ID_PLYK_SPRITE_COPY);
         OnSprite(2, ID_PLYK_SPRITE_PASTE);
       }},
      {3,
       [&] {
         OnSprite(0, ID_PLYK_SPRITE_CUT);
         OnSprite(3, ID_PLYK_SPRITE_PASTE);  // the end slot: the original moves to the end
       }},
      {1,
       [&] {
         f.host.files.push_back(ChosenFile{merged, "m.plk"});
         f.editor.spriteWindow().command(ID_PLYK_SPRITE_ADD);
       }},
  };
  EXPECT_FALSE(enabled(ID_PLYK_UNDO));
  std::vector<std::pair<std::string, std::string>> states;  // before and after each change
  for (const auto& [selection, change] : changes) {
    doc().sprites.SetCurrent(selection);
    const std::string before = State(doc().sprites);
    change();
    states.emplace_back(before, State(doc().sprites));
    ASSERT_NE(states.back().first, states.back().second) << "change " << states.size() << " changed nothing";
  }
  EXPECT_EQ(doc().sprites.Count(), 6);

  for (size_t i = states.size(); i > 0; --i) {
    ASSERT_TRUE(enabled(ID_PLYK_UNDO));
    f.editor.command(ID_PLYK_UNDO);
    EXPECT_EQ(State(doc().sprites), states[i - 1].first) << "undoing change " << i;
    EXPECT_EQ(doc().modified, i > 1);
  }
  EXPECT_FALSE(enabled(ID_PLYK_UNDO));
  for (size_t i = 0; i < states.size(); ++i) {
    ASSERT_TRUE(enabled(ID_PLYK_REDO));
    f.editor.command(ID_PLYK_REDO);
    EXPECT_EQ(State(doc().sprites), states[i].second) << "redoing change " << i + 1;
    EXPECT_TRUE(doc().modified);
  }
  EXPECT_FALSE(enabled(ID_PLYK_REDO));
  // A step holds what it moved, not the set.
  EXPECT_LT(doc().history.bytes(), 2048u);
}

TEST_F(CutterUndoTest, ModifiedFollowsTheSavedSetAndOpeningForgetsTheHistory) {
  for (int k = 0; k < 3; ++k) CutFigure(k);
  f.editor.command(ID_PLYK_UNDO);
  const std::string path = dir.path("saved.plk");
  f.host.files.push_back(ChosenFile{path, "saved.plk"});
  ASSERT_TRUE(f.editor.save(true));
  EXPECT_FALSE(doc().modified);
  for (auto [command, modified] :
       {std::pair{ID_PLYK_REDO, true}, {ID_PLYK_UNDO, false}, {ID_PLYK_UNDO, true}}) {
    f.editor.command(command);
    EXPECT_EQ(doc().modified, modified) << command;
  }
  // Where the saved position goes after later steps is the history's own rule.
  ASSERT_TRUE(f.editor.openSpriteFile(path, "saved.plk"));
  EXPECT_FALSE(enabled(ID_PLYK_UNDO));
  EXPECT_FALSE(enabled(ID_PLYK_REDO));
  EXPECT_FALSE(doc().modified);
  CutFigure(2);
  f.host.answers.push_back(Answer::No);  // the unsaved-work question of "새 파일"
  f.editor.command(ID_PLYK_FILE_NEW);
  EXPECT_FALSE(enabled(ID_PLYK_UNDO));
}

TEST_F(CutterUndoTest, TheHoldIsDroppedWhenUndoTakesItsSpriteOut) {
  CutFigure(0);
  CutFigure(1);
  OnSprite(1, ID_PLYK_SPRITE_COPY);
  ASSERT_NE(f.editor.spriteWindow().heldSprite(), nullptr);
  // Undoing a delete of another sprite keeps the hold.
  OnSprite(0, ID_PLYK_SPRITE_DELETE);
  f.editor.command(ID_PLYK_UNDO);
  EXPECT_NE(f.editor.spriteWindow().heldSprite(), nullptr);
  // Undoing the cut that made the held sprite takes it out: the hold goes with it.
  f.editor.command(ID_PLYK_UNDO);
  EXPECT_EQ(f.editor.spriteWindow().heldSprite(), nullptr);
}
