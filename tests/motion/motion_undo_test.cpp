// Undo and redo of every kind of change to a motion document: undoing gives back the
// bytes of the file as they were before, redoing as they were after, and the
// modified mark follows the state last saved or opened.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "editor_test_support.h"
#include "motion/motion_file_io.h"
#include "sprites/sprite_file.h"

namespace {

// Two bundles of four motions each over four sprites of which 1 and 3 are unused,
// opened from a file (so that it starts unmodified with an empty history), bundle 0
// and its motion 1 current.
void Build(MotionDocument& doc) {
  MotionFile file;
  std::vector<Sprite*> sprites = AddSprites(file, 4);
  for (const char* name : {"walk", "jump"}) {
    file.append(std::make_unique<MotionBundle>(name));
    MotionBundle& bundle = *file.current();
    for (int i = 0; i < 4; ++i) {
      auto motion = std::make_unique<Motion>(DistinctMotion(i + 10 * file.count()));
      motion->sprite = sprites[static_cast<size_t>(i % 2 * 2)];
      bundle.select(bundle.count());
      bundle.insertBeforeCurrent(std::move(motion));
    }
  }
  std::stringstream bytes;
  ASSERT_TRUE(WriteMotionFile(file, bytes));
  ASSERT_TRUE(doc.open(bytes));
  doc.file.current()->select(1);
}

// The document as a file, and the selection unless told otherwise.
std::string Snapshot(MotionDocument& doc, bool selection = true) {
  std::vector<uint8_t> bytes = MotionFileBytes(doc.file);
  std::string out(bytes.begin(), bytes.end());
  if (!selection) return out;
  const MotionBundle* bundle = doc.file.current();
  out += "|" + std::to_string(doc.file.currentIndex()) + "," +
         std::to_string(bundle ? bundle->currentIndex() : -1) + "," +
         std::to_string(doc.file.sprites.CurrentIndex());
  return out;
}

// `prepare` sets the stage (selections, marks) without changing the document;
// `change` is one operation.
struct Case {
  const char* name;
  std::function<bool(MotionDocument&)> change;
  std::function<void(MotionDocument&)> prepare = [](MotionDocument&) {};
};

std::vector<std::unique_ptr<Sprite>> TwoSprites() {
  std::vector<std::unique_ptr<Sprite>> sprites;
  sprites.push_back(MakeSprite(3, 3, 50));
  sprites.push_back(MakeSprite(4, 2, 2));  // equal to sprite 1: left out
  sprites.push_back(MakeSprite(2, 5, 51));
  return sprites;
}

// Marks the current motion and goes on to the other bundle, where the paste goes.
std::function<void(MotionDocument&)> MarkThenNextBundle(ClipboardMode mode) {
  return [mode](MotionDocument& d) {
    d.mark(mode);
    d.nextBundle();
  };
}

const Case kCases[] = {
    {"stamp", [](MotionDocument& d) { return d.stampMotion(5, 6); }},
    {"drag all", [](MotionDocument& d) { return d.moveMotions(3, -4, true); }},
    {"box one", [](MotionDocument& d) { return d.setBox(2, 1, 1, 9, 7, false); }},
    {"box all", [](MotionDocument& d) { return d.setBox(6, 1, 1, 9, 7, true); }},
    {"point all", [](MotionDocument& d) { return d.setPoint(3, -2, 8, true); }},
    {"clear box", [](MotionDocument& d) { return d.clearBox(3); }},
    {"clear point", [](MotionDocument& d) { return d.clearPoint(1); }},
    {"paste copy", [](MotionDocument& d) { return d.paste(); }, MarkThenNextBundle(ClipboardMode::Copy)},
    {"paste cut", [](MotionDocument& d) { return d.paste(); }, MarkThenNextBundle(ClipboardMode::Cut)},
    {"paste info", [](MotionDocument& d) { return d.paste(); },
     [](MotionDocument& d) {
       d.mark(ClipboardMode::InfoOnly);
       d.file.current()->select(3);
     }},
    {"delete motion", [](MotionDocument& d) { return d.deleteMotion(); }},
    {"delay all", [](MotionDocument& d) { return d.setDelay(33, 5, true); }},
    {"flags", [](MotionDocument& d) { return d.setFlags(DistinctMotion(1).flags); }},
    {"sound", [](MotionDocument& d) { return d.setSound("boom.wav"); }},
    {"effects", [](MotionDocument& d) { return d.setEffects(true, false, true); }},
    {"new bundle", [](MotionDocument& d) { return d.newBundle("run"); }},
    {"delete first bundle", [](MotionDocument& d) { return d.deleteBundle(); }},
    {"delete last bundle", [](MotionDocument& d) { return d.deleteBundle(); },
     [](MotionDocument& d) { d.nextBundle(); }},
    {"clean sprites", [](MotionDocument& d) { return d.cleanSprites(); }},
    {"add sprites", [](MotionDocument& d) { return d.addSprites(TwoSprites()); },
     [](MotionDocument& d) { d.file.sprites.SetCurrent(1); }},
};

}  // namespace

TEST(MotionUndo, EveryKindOfChangeUndoesAndRedoesToTheSameBytes) {
  for (const Case& c : kCases) {
    MotionDocument doc;
    Build(doc);
    c.prepare(doc);
    const std::string before = Snapshot(doc);
    ASSERT_TRUE(c.change(doc)) << c.name;
    ASSERT_TRUE(doc.modified) << c.name;
    const std::string after = Snapshot(doc);
    ASSERT_TRUE(before != after) << c.name;
    EXPECT_EQ(doc.history.stepCount(), 1u) << c.name << ": one step, also for a select-all edit";

    ASSERT_TRUE(doc.undo()) << c.name;
    EXPECT_TRUE(Snapshot(doc) == before) << c.name;
    EXPECT_FALSE(doc.modified) << c.name << ": back at the opened state";
    ASSERT_TRUE(doc.redo()) << c.name;
    EXPECT_TRUE(Snapshot(doc) == after) << c.name;
    EXPECT_TRUE(doc.modified) << c.name;
    ASSERT_TRUE(doc.undo()) << c.name;
    EXPECT_TRUE(Snapshot(doc) == before) << c.name << ": a second undo";
    EXPECT_FALSE(doc.undo()) << c.name << ": nothing older";
  }
}

TEST(MotionUndo, ManyStepsUndoAllTheWayAndRedoAllTheWay) {
  MotionDocument doc;
  Build(doc);
  // Selections set between the steps are no steps of their own: compare the files.
  std::vector<std::string> states{Snapshot(doc, false)};
  for (const Case& c : kCases) {
    c.prepare(doc);
    if (c.change(doc)) states.push_back(Snapshot(doc, false));
  }
  ASSERT_EQ(doc.history.stepCount(), states.size() - 1);
  for (size_t i = states.size() - 1; i > 0; --i) {
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(Snapshot(doc, false) == states[i - 1]) << "undo to state " << i - 1;
  }
  for (size_t i = 1; i < states.size(); ++i) {
    ASSERT_TRUE(doc.redo());
    ASSERT_TRUE(Snapshot(doc, false) == states[i]) << "redo to state " << i;
  }
  EXPECT_FALSE(doc.redo());
  // Where the saved position goes is the history's own rule; a new document starts a new history.
  doc.clearDocument();
  EXPECT_FALSE(doc.history.canUndo());
}

TEST(MotionUndo, ClipboardAndShadowNeverReferToAMotionTakenOut) {
  MotionDocument doc;
  Build(doc);
  ASSERT_TRUE(doc.stampMotion(0, 0));  // the stamped motion becomes the shadow
  Motion* stamped = doc.shadow.motion;
  ASSERT_NE(stamped, nullptr);
  doc.file.current()->select(doc.file.current()->indexOf(stamped));
  doc.mark(ClipboardMode::Copy);
  ASSERT_TRUE(doc.undo());
  EXPECT_TRUE(doc.clipboard.empty());
  EXPECT_FALSE(doc.shadow.isSet());
  EXPECT_TRUE(doc.autoShadow);
  EXPECT_FALSE(doc.paste()) << "nothing to paste from a motion that is gone";

  doc.mark(ClipboardMode::Cut);
  doc.nextBundle();
  ASSERT_TRUE(doc.deleteBundle());
  ASSERT_TRUE(doc.undo());  // the bundle is back; the clipboard's source was never out
  EXPECT_FALSE(doc.clipboard.empty());
  ASSERT_TRUE(doc.redo());  // the bundle goes again, but the clipboard was in the other one
  EXPECT_FALSE(doc.clipboard.empty());
}
