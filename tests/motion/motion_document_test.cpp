// The editing operations on the motion document and the state that refers into it.
#include <gtest/gtest.h>

#include <functional>

#include "editor_test_support.h"
#include "motion/motion_document.h"
#include "motion/motion_file_io.h"

using Ints = std::vector<int32_t>;

namespace {

// Sprites and bundles "a" (five motions, relX 0..4) and "b" (three, relX 100..102),
// bundle "a" current with its third motion current; not modified.
struct Fixture {
  MotionDocument doc;
  std::vector<Sprite*> sprites;
  MotionBundle* a;
  MotionBundle* b;

  Fixture() {
    sprites = AddSprites(doc.file, 3);
    doc.file.append(std::make_unique<MotionBundle>("a"));
    a = doc.file.current();
    FillBundle(*a, 5, sprites[0]);
    doc.file.append(std::make_unique<MotionBundle>("b"));
    b = doc.file.current();
    FillBundle(*b, 3, sprites[1]);
    for (int i = 0; i < 3; ++i) b->get(i)->relX = 100 + i;
    doc.file.select(0);
    a->select(2);
    b->select(0);
  }
};

}  // namespace

TEST(MotionStamp, CentresSpriteOnMouseBeforeCurrentMotion) {
  Fixture f;
  f.doc.file.sprites.Append(MakeSprite(5, 3, 7));
  f.doc.file.sprites.SetCurrent(3);
  f.doc.defaultDelay = 9;
  Motion* old = f.a->current();
  ASSERT_TRUE(f.doc.stampMotion(10, -7));
  Motion* m = f.a->get(2);
  EXPECT_EQ(m->relX, 8);   // 10 - 5/2
  EXPECT_EQ(m->relY, -8);  // -7 - 3/2, truncated towards zero
  EXPECT_EQ(m->delay, 9);
  EXPECT_EQ(m->sprite, f.doc.file.sprites.Get(3));
  EXPECT_EQ(f.a->current(), old);
  EXPECT_EQ(f.doc.shadow.motion, m);  // auto shadow follows stamps
  f.doc.autoShadow = false;
  ASSERT_TRUE(f.doc.stampMotion(-1, 0));
  EXPECT_EQ(f.a->get(3)->relX, -3);
  EXPECT_EQ(f.doc.shadow.motion, m);
}

TEST(MotionBundleOps, DeleteBundleSelectsFollowerOrNewLastAndForgetsWhatWasInIt) {
  Fixture f;
  f.doc.newBundle("c");
  ASSERT_TRUE(f.doc.newBundle(std::string(40, 'd')));
  EXPECT_EQ(f.doc.file.current()->name.str(), std::string(31, 'd'));
  EXPECT_FALSE(f.doc.newBundle(std::string(41, 'd')));  // the same name once cut
  f.doc.file.select(0);
  f.doc.mark(ClipboardMode::Copy);  // a motion of "a"
  f.doc.setShadow();
  f.doc.file.select(1);
  ASSERT_TRUE(f.doc.deleteBundle());
  EXPECT_EQ(f.doc.file.current()->name.str(), "c");
  f.doc.file.select(2);
  ASSERT_TRUE(f.doc.deleteBundle());  // the last of three: the new last, not the first
  EXPECT_EQ(f.doc.file.current()->name.str(), "c");
  ASSERT_TRUE(f.doc.deleteBundle());
  EXPECT_EQ(f.doc.file.current(), f.a);
  EXPECT_EQ(f.doc.clipboard.motion, f.a->get(2));
  EXPECT_EQ(f.doc.shadow.motion, f.a->get(2));
  EXPECT_FALSE(f.doc.autoShadow);
  ASSERT_TRUE(f.doc.deleteBundle());
  EXPECT_EQ(f.doc.file.current(), nullptr);
  EXPECT_TRUE(f.doc.clipboard.empty());
  EXPECT_FALSE(f.doc.shadow.isSet());
  EXPECT_TRUE(f.doc.autoShadow);
  EXPECT_FALSE(f.doc.paste());
  EXPECT_FALSE(f.doc.deleteBundle());
}

TEST(MotionBundleOps, SelectingDoesNotModify) {
  Fixture f;
  EXPECT_TRUE(f.doc.nextBundle());
  EXPECT_EQ(f.doc.file.current(), f.b);
  EXPECT_TRUE(f.doc.nextBundle());  // wraps
  EXPECT_EQ(f.doc.file.current(), f.a);
  EXPECT_FALSE(f.doc.selectBundle(2));
  EXPECT_EQ(f.doc.file.current(), nullptr);
  EXPECT_TRUE(f.doc.selectBundle(1));
  EXPECT_TRUE(f.doc.mark(ClipboardMode::InfoOnly));
  EXPECT_TRUE(f.doc.setShadow());
  EXPECT_FALSE(f.doc.autoShadow);
  EXPECT_FALSE(f.doc.modified);
  f.doc.file.deleteAt(0);
  EXPECT_FALSE(f.doc.nextBundle());  // one bundle only
}

TEST(MotionClipboardOps, CopyPastesCopiesSharingSpriteAndKeepsClipboard) {
  Fixture f;
  Motion* source = f.a->get(1);
  *source = DistinctMotion(4);
  source->sprite = f.sprites[2];
  EXPECT_FALSE(f.doc.paste());  // nothing marked yet
  f.a->select(1);
  f.doc.mark(ClipboardMode::Copy);
  f.doc.file.select(1);
  f.b->select(1);
  ASSERT_TRUE(f.doc.paste());
  ASSERT_TRUE(f.doc.paste());
  EXPECT_EQ(f.b->count(), 5);
  EXPECT_EQ(f.b->current()->relX, 101);
  for (int i : {1, 2}) {
    Motion* copy = f.b->get(i);
    EXPECT_EQ(copy->sprite, f.sprites[2]);
    EXPECT_TRUE(copy->sameInfo(*source));
    EXPECT_EQ(copy->reserved, source->reserved);
  }
  EXPECT_EQ(f.doc.clipboard.mode, ClipboardMode::Copy);
  EXPECT_EQ(f.a->count(), 5);
}

TEST(MotionClipboardOps, CutAndPasteMovesMotionAcrossOrWithinBundles) {
  Fixture f;
  f.a->select(1);
  Motion* source = f.a->current();
  f.doc.mark(ClipboardMode::Cut);
  f.doc.setShadow();
  EXPECT_EQ(f.a->count(), 5);  // stays until the paste
  f.a->select(4);
  f.doc.file.select(1);
  f.b->select(2);
  ASSERT_TRUE(f.doc.paste());
  EXPECT_EQ(RelXs(*f.a), (Ints{0, 2, 3, 4}));
  EXPECT_EQ(RelXs(*f.b), (Ints{100, 101, 1, 102}));
  EXPECT_EQ(f.a->current()->relX, 2);  // the follower of the removed motion
  EXPECT_EQ(f.b->indexOf(source), -1);
  EXPECT_TRUE(f.doc.clipboard.empty());
  EXPECT_FALSE(f.doc.shadow.isSet());
  EXPECT_TRUE(f.doc.autoShadow);
  EXPECT_FALSE(f.doc.paste());
  // Within one bundle a cut and paste reorders.
  f.b->select(0);
  f.doc.mark(ClipboardMode::Cut);
  f.b->select(3);
  ASSERT_TRUE(f.doc.paste());
  EXPECT_EQ(RelXs(*f.b), (Ints{101, 1, 100, 102}));
}

TEST(MotionClipboardOps, InfoOnlyCopiesValuesButKeepsSpriteAndReserved) {
  Fixture f;
  Motion* source = f.b->get(0);
  *source = DistinctMotion(7);
  f.doc.file.select(1);
  f.doc.mark(ClipboardMode::InfoOnly);
  f.doc.file.select(0);
  Motion* target = f.a->current();
  target->reserved = {1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_TRUE(f.doc.paste());
  EXPECT_TRUE(target->sameInfo(*source));
  EXPECT_EQ(target->sprite, f.sprites[0]);
  EXPECT_EQ(target->reserved, (std::array<uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(f.a->count(), 5);
  EXPECT_EQ(f.doc.clipboard.mode, ClipboardMode::InfoOnly);
  f.a->select(5);
  f.doc.modified = false;
  EXPECT_FALSE(f.doc.paste());  // no current motion
  // Onto its own source it changes nothing.
  f.doc.file.select(1);
  const std::vector<uint8_t> before = MotionFileBytes(f.doc.file);
  EXPECT_FALSE(f.doc.paste());
  EXPECT_EQ(MotionFileBytes(f.doc.file), before);
  EXPECT_FALSE(f.doc.modified);
}

TEST(MotionClipboardOps, DeleteMotionForgetsClipboardAndShadowOnlyOnIt) {
  Fixture f;
  f.doc.mark(ClipboardMode::Copy);
  f.doc.setShadow();
  f.a->select(0);
  ASSERT_TRUE(f.doc.deleteMotion());  // another motion: both kept
  EXPECT_EQ(f.doc.clipboard.motion->relX, 2);
  EXPECT_EQ(f.doc.shadow.motion->relX, 2);
  f.a->select(1);
  ASSERT_TRUE(f.doc.deleteMotion());
  EXPECT_EQ(RelXs(*f.a), (Ints{1, 3, 4}));
  EXPECT_EQ(f.a->current()->relX, 3);
  EXPECT_TRUE(f.doc.clipboard.empty());
  EXPECT_FALSE(f.doc.shadow.isSet());
  EXPECT_TRUE(f.doc.autoShadow);
  f.a->select(3);
  EXPECT_FALSE(f.doc.deleteMotion());
}

// The canvas tests drive the single-motion and select-all edits; here the other bundles.
TEST(MotionEdits, SelectAllEditsReachTheCurrentBundleOnly) {
  Fixture f;
  f.a->current()->points[3] = MotionPoint{-1, -2};
  ASSERT_TRUE(f.doc.moveMotions(5, 1, true));
  ASSERT_TRUE(f.doc.setBox(6, 0, 0, 8, 8, true));
  EXPECT_EQ(RelXs(*f.a), (Ints{5, 6, 7, 8, 9}));
  EXPECT_EQ(f.a->current()->points[3], (MotionPoint{4, -1}));
  EXPECT_EQ(f.a->get(0)->points[3], MotionPoint());  // unset points stay unset
  EXPECT_EQ(f.a->get(0)->boxes[5], (MotionBox{0, 0, 8, 8}));
  EXPECT_EQ(RelXs(*f.b), (Ints{100, 101, 102}));
  EXPECT_FALSE(f.b->get(0)->boxes[5].isSet());
}

// Every refused edit leaves the document unmodified.
TEST(MotionEdits, RefusedEditsDoNotModify) {
  using Edit = std::function<bool(MotionDocument&)>;
  const std::pair<const char*, Edit> cases[] = {
      {"stamp without bundle", [](MotionDocument& d) { return d.selectBundle(2) || d.stampMotion(0, 0); }},
      {"stamp without sprite",
       [](MotionDocument& d) {
         d.file.sprites.SetCurrent(3);
         return d.stampMotion(0, 0);
       }},
      {"stamp unset mouse", [](MotionDocument& d) { return d.stampMotion(kUnset, 5); }},
      {"duplicate bundle", [](MotionDocument& d) { return d.newBundle("a"); }},
      {"empty bundle name", [](MotionDocument& d) { return d.newBundle(""); }},
      {"box 0", [](MotionDocument& d) { return d.setBox(0, 0, 0, 5, 5, false); }},
      {"box 7", [](MotionDocument& d) { return d.setBox(7, 0, 0, 5, 5, false); }},
      {"box without width", [](MotionDocument& d) { return d.setBox(1, 3, 0, 3, 5, false); }},
      {"box without height", [](MotionDocument& d) { return d.setBox(1, 0, 4, 5, 4, false); }},
      {"point 0", [](MotionDocument& d) { return d.setPoint(0, 1, 1, false); }},
      {"clear unset box", [](MotionDocument& d) { return d.clearBox(2); }},
      {"clear unset point", [](MotionDocument& d) { return d.clearPoint(6); }},
      {"delay 0", [](MotionDocument& d) { return d.setDelay(0, 2, false); }},
      {"default delay 61", [](MotionDocument& d) { return d.setDelay(5, 61, false); }},
      {"same flags", [](MotionDocument& d) { return d.setFlags(MotionFlags{}); }},
      {"same delay", [](MotionDocument& d) { return d.setDelay(2, 2, true); }},
      {"same sound", [](MotionDocument& d) { return d.setSound(""); }},
      {"move by nothing", [](MotionDocument& d) { return d.moveMotions(0, 0, true); }},
  };
  for (const auto& [name, edit] : cases) {
    Fixture f;
    const std::vector<uint8_t> before = MotionFileBytes(f.doc.file);
    EXPECT_FALSE(edit(f.doc)) << "case " << name;
    EXPECT_FALSE(f.doc.modified) << "case " << name;
    EXPECT_EQ(f.doc.defaultDelay, 2) << "case " << name;
    EXPECT_EQ(MotionFileBytes(f.doc.file), before) << "case " << name;
  }
  // Without a current motion nothing applies.
  const Edit needMotion[] = {
      [](MotionDocument& d) { return d.setFlags(MotionFlags{1}); },
      [](MotionDocument& d) { return d.setSound("a.wav"); },
      [](MotionDocument& d) { return d.setEffects(true, false, false); },
      [](MotionDocument& d) { return d.setPoint(1, 0, 0, true); },
      [](MotionDocument& d) { return d.setDelay(3, 3, true); },
      [](MotionDocument& d) { return d.moveMotions(1, 1, true); },
      [](MotionDocument& d) { return d.mark(ClipboardMode::Copy); },
      [](MotionDocument& d) { return d.setShadow(); },
  };
  for (size_t i = 0; i < std::size(needMotion); ++i) {
    Fixture f;
    f.a->select(5);
    EXPECT_FALSE(needMotion[i](f.doc)) << "case " << i;
    EXPECT_FALSE(f.doc.modified) << "case " << i;
    EXPECT_TRUE(f.doc.clipboard.empty()) << "case " << i;
  }
}

TEST(MotionEdits, DelayOfOneSoundCutEffectsReplaced) {
  Fixture f;
  ASSERT_TRUE(f.doc.setDelay(1, 60, false));
  EXPECT_EQ(f.a->current()->delay, 1);
  EXPECT_EQ(f.a->get(0)->delay, 2);
  EXPECT_EQ(f.doc.defaultDelay, 60);
  ASSERT_TRUE(f.doc.setSound(std::string(35, 's') + ".wav"));
  EXPECT_EQ(f.a->current()->sound.str(), std::string(31, 's'));
  f.a->current()->effects = 0x7F0;
  ASSERT_TRUE(f.doc.setEffects(true, true, false));
  EXPECT_EQ(f.a->current()->effects, 3);
}

TEST(MotionCleanSprites, RemovesUnusedKeepingOrderAndCurrent) {
  Fixture f;
  auto extra = AddSprites(f.doc.file, 2);  // sprites 3 and 4
  f.b->get(2)->sprite = extra[1];
  f.b->get(1)->sprite = nullptr;
  f.doc.file.sprites.SetCurrent(2);  // unused: the next kept one becomes current
  ASSERT_TRUE(f.doc.cleanSprites());
  ASSERT_EQ(f.doc.file.sprites.Count(), 3);
  EXPECT_EQ(f.doc.file.sprites.Get(0), f.sprites[0]);
  EXPECT_EQ(f.doc.file.sprites.Get(1), f.sprites[1]);
  EXPECT_EQ(f.doc.file.sprites.Get(2), extra[1]);
  EXPECT_EQ(f.doc.file.sprites.Current(), extra[1]);
  // Nothing to remove still sets modified, and a used current sprite stays current.
  f.doc.modified = false;
  f.doc.file.sprites.SetCurrent(0);
  ASSERT_TRUE(f.doc.cleanSprites());
  EXPECT_TRUE(f.doc.modified);
  EXPECT_EQ(f.doc.file.sprites.Count(), 3);
  EXPECT_EQ(f.doc.file.sprites.Current(), f.sprites[0]);
  f.doc.deleteBundle();
  f.doc.deleteBundle();
  f.doc.cleanSprites();
  EXPECT_EQ(f.doc.file.sprites.Count(), 0);
}
