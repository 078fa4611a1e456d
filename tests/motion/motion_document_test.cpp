// The editing operations on the motion document and the state that refers into it.
#include <gtest/gtest.h>

#include "motion/motion_document.h"
#include "motion_test_util.h"

using Ints = std::vector<int32_t>;

namespace {

// A document with sprites and bundles "a" (five motions) and "b" (three), bundle "a"
// current with its third motion current; not modified.
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

TEST(MotionStamp, CentresSpriteOnMouseWithTruncation) {
  MotionDocument doc;
  doc.file.sprites.Append(MakeSprite(5, 3, 7));
  doc.file.sprites.SetCurrent(0);
  doc.newBundle("walk");
  doc.modified = false;
  doc.defaultDelay = 9;
  ASSERT_TRUE(doc.stampMotion(10, -7));
  EXPECT_TRUE(doc.modified);
  Motion* m = doc.file.current()->get(0);
  EXPECT_EQ(m->relX, 8);   // 10 - 5/2
  EXPECT_EQ(m->relY, -8);  // -7 - 3/2
  EXPECT_EQ(m->delay, 9);
  EXPECT_EQ(m->sprite, doc.file.sprites.Get(0));
  EXPECT_FALSE(m->boxes[0].isSet());
  ASSERT_TRUE(doc.stampMotion(-1, 0));
  EXPECT_EQ(doc.file.current()->get(1)->relX, -3);
}

TEST(MotionStamp, IntoEmptyBundleAppendsAndLeavesNoCurrent) {
  MotionDocument doc;
  AddSprites(doc.file, 1);
  doc.file.sprites.SetCurrent(0);
  doc.newBundle("walk");
  doc.stampMotion(0, 0);
  MotionBundle* bundle = doc.file.current();
  EXPECT_EQ(bundle->count(), 1);
  EXPECT_EQ(bundle->currentIndex(), 1);
  EXPECT_EQ(bundle->current(), nullptr);
  doc.stampMotion(20, 0);
  EXPECT_EQ(bundle->count(), 2);
  EXPECT_LT(bundle->get(0)->relX, bundle->get(1)->relX);
}

TEST(MotionStamp, InsertsBeforeCurrentMotion) {
  Fixture f;
  Motion* old = f.a->current();
  f.doc.file.sprites.SetCurrent(2);
  ASSERT_TRUE(f.doc.stampMotion(50, 50));
  EXPECT_EQ(f.a->count(), 6);
  EXPECT_EQ(f.a->get(2)->sprite, f.sprites[2]);
  EXPECT_EQ(f.a->currentIndex(), 3);
  EXPECT_EQ(f.a->current(), old);
}

TEST(MotionStamp, AutoShadowFollowsStamps) {
  Fixture f;
  f.doc.file.sprites.SetCurrent(0);
  ASSERT_TRUE(f.doc.stampMotion(0, 0));
  EXPECT_EQ(f.doc.shadow.bundle, f.a);
  EXPECT_EQ(f.doc.shadow.motion, f.a->get(2));
  f.doc.autoShadow = false;
  f.doc.stampMotion(0, 0);
  // The second stamp went in front of the current motion, after the first stamp.
  EXPECT_EQ(f.a->count(), 7);
  EXPECT_EQ(f.doc.shadow.motion, f.a->get(2));
  EXPECT_NE(f.doc.shadow.motion, f.a->get(3));
}

TEST(MotionStamp, NeedsBundleSpriteAndMouse) {
  MotionDocument doc;
  AddSprites(doc.file, 1);
  doc.file.sprites.SetCurrent(0);
  EXPECT_FALSE(doc.stampMotion(0, 0));  // no bundle
  doc.newBundle("walk");
  doc.modified = false;
  doc.file.sprites.SetCurrent(1);  // past the last sprite: none current
  EXPECT_FALSE(doc.stampMotion(0, 0));
  doc.file.sprites.SetCurrent(0);
  EXPECT_FALSE(doc.stampMotion(kUnset, 5));
  EXPECT_EQ(doc.file.current()->count(), 0);
  EXPECT_FALSE(doc.modified);
}

TEST(MotionBundleOps, NewBundleCutsNameAndRefusesDuplicates) {
  MotionDocument doc;
  std::string longName(40, 'n');
  ASSERT_TRUE(doc.newBundle(longName));
  EXPECT_TRUE(doc.modified);
  EXPECT_EQ(doc.file.current()->name.str(), std::string(31, 'n'));
  doc.modified = false;
  // Differs only after the cut: the same name once cut.
  EXPECT_FALSE(doc.newBundle(longName + "x"));
  EXPECT_FALSE(doc.newBundle(""));
  EXPECT_FALSE(doc.modified);
  ASSERT_TRUE(doc.newBundle("second"));
  EXPECT_EQ(doc.file.currentIndex(), 1);
}

TEST(MotionBundleOps, DeleteLastBundleSelectsNewLast) {
  Fixture f;
  f.doc.file.select(1);
  ASSERT_TRUE(f.doc.deleteBundle());
  EXPECT_EQ(f.doc.file.count(), 1);
  EXPECT_EQ(f.doc.file.current(), f.a);
  ASSERT_TRUE(f.doc.deleteBundle());
  EXPECT_EQ(f.doc.file.count(), 0);
  EXPECT_EQ(f.doc.file.current(), nullptr);
  EXPECT_FALSE(f.doc.deleteBundle());
}

TEST(MotionBundleOps, DeleteMiddleBundleSelectsFollower) {
  Fixture f;
  f.doc.newBundle("c");
  f.doc.file.select(1);
  ASSERT_TRUE(f.doc.deleteBundle());
  EXPECT_EQ(BundleNames(f.doc.file), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(f.doc.file.currentIndex(), 1);
}

TEST(MotionBundleOps, DeleteBundleForgetsClipboardAndShadowInIt) {
  Fixture f;
  f.doc.file.select(1);
  f.doc.mark(ClipboardMode::Cut);
  f.doc.setShadow();
  EXPECT_FALSE(f.doc.autoShadow);
  f.doc.deleteBundle();
  EXPECT_TRUE(f.doc.clipboard.empty());
  EXPECT_FALSE(f.doc.shadow.isSet());
  EXPECT_TRUE(f.doc.autoShadow);
  EXPECT_FALSE(f.doc.paste());
}

TEST(MotionBundleOps, DeleteBundleKeepsClipboardOfAnotherBundle) {
  Fixture f;
  f.doc.mark(ClipboardMode::Copy);  // motion of "a"
  f.doc.setShadow();
  f.doc.file.select(1);
  f.doc.deleteBundle();
  EXPECT_EQ(f.doc.clipboard.motion, f.a->get(2));
  EXPECT_EQ(f.doc.shadow.motion, f.a->get(2));
  EXPECT_FALSE(f.doc.autoShadow);
}

TEST(MotionBundleOps, NextBundleWrapsAndDoesNotModify) {
  Fixture f;
  EXPECT_TRUE(f.doc.nextBundle());
  EXPECT_EQ(f.doc.file.current(), f.b);
  EXPECT_TRUE(f.doc.nextBundle());
  EXPECT_EQ(f.doc.file.current(), f.a);
  EXPECT_FALSE(f.doc.modified);
  f.doc.file.deleteAt(1);
  f.doc.file.select(0);
  EXPECT_FALSE(f.doc.nextBundle());
  EXPECT_EQ(f.doc.file.current(), f.a);
}

TEST(MotionBundleOps, SelectBundleDoesNotModify) {
  Fixture f;
  EXPECT_TRUE(f.doc.selectBundle(1));
  EXPECT_EQ(f.doc.file.current(), f.b);
  EXPECT_FALSE(f.doc.selectBundle(2));
  EXPECT_EQ(f.doc.file.current(), nullptr);
  EXPECT_FALSE(f.doc.modified);
}

TEST(MotionClipboardOps, MarkNeedsCurrentMotionAndDoesNotModify) {
  Fixture f;
  f.a->select(f.a->count());
  EXPECT_FALSE(f.doc.mark(ClipboardMode::Copy));
  EXPECT_TRUE(f.doc.clipboard.empty());
  f.a->select(1);
  EXPECT_TRUE(f.doc.mark(ClipboardMode::InfoOnly));
  EXPECT_EQ(f.doc.clipboard.bundle, f.a);
  EXPECT_EQ(f.doc.clipboard.motion, f.a->get(1));
  EXPECT_EQ(f.doc.clipboard.mode, ClipboardMode::InfoOnly);
  EXPECT_FALSE(f.doc.modified);
  EXPECT_EQ(f.a->count(), 5);
}

TEST(MotionClipboardOps, PasteWithEmptyClipboardDoesNothing) {
  Fixture f;
  EXPECT_FALSE(f.doc.paste());
  EXPECT_FALSE(f.doc.modified);
  EXPECT_EQ(f.a->count(), 5);
}

TEST(MotionClipboardOps, CopyPastesFieldCopySharingSpriteAndKeepsClipboard) {
  Fixture f;
  Motion* source = f.a->get(1);
  Motion rich = DistinctMotion(4);
  rich.sprite = f.sprites[2];
  *source = rich;
  f.a->select(1);
  f.doc.mark(ClipboardMode::Copy);
  f.doc.file.select(1);
  f.b->select(1);
  ASSERT_TRUE(f.doc.paste());
  ASSERT_TRUE(f.doc.paste());
  EXPECT_TRUE(f.doc.modified);
  EXPECT_EQ(f.b->count(), 5);
  EXPECT_EQ(f.b->currentIndex(), 3);
  EXPECT_EQ(f.b->current()->relX, 101);
  for (int i : {1, 2}) {
    Motion* copy = f.b->get(i);
    EXPECT_NE(copy, source);
    EXPECT_EQ(copy->sprite, f.sprites[2]);
    EXPECT_TRUE(copy->sameInfo(*source));
    EXPECT_EQ(copy->reserved, source->reserved);
  }
  EXPECT_EQ(f.doc.clipboard.mode, ClipboardMode::Copy);
  EXPECT_EQ(f.a->count(), 5);
}

TEST(MotionClipboardOps, CutAndPasteAcrossBundlesMovesMotion) {
  Fixture f;
  f.a->select(1);
  Motion* source = f.a->current();
  f.doc.mark(ClipboardMode::Cut);
  // The cut motion stays where it is until the paste.
  EXPECT_EQ(f.a->count(), 5);
  f.a->select(4);  // the source bundle's selection moves on meanwhile
  f.doc.file.select(1);
  f.b->select(2);
  ASSERT_TRUE(f.doc.paste());
  EXPECT_EQ(RelXs(*f.a), (Ints{0, 2, 3, 4}));
  EXPECT_EQ(RelXs(*f.b), (Ints{100, 101, 1, 102}));
  // The source bundle's current motion is the one after the removed motion.
  EXPECT_EQ(f.a->currentIndex(), 1);
  EXPECT_EQ(f.a->current()->relX, 2);
  EXPECT_EQ(f.b->indexOf(source), -1);
  EXPECT_TRUE(f.doc.clipboard.empty());
  EXPECT_FALSE(f.doc.paste());
}

TEST(MotionClipboardOps, CutOfShadowMotionClearsShadow) {
  Fixture f;
  f.doc.setShadow();
  f.doc.mark(ClipboardMode::Cut);
  f.doc.file.select(1);
  ASSERT_TRUE(f.doc.paste());
  EXPECT_FALSE(f.doc.shadow.isSet());
  EXPECT_TRUE(f.doc.autoShadow);
}

TEST(MotionClipboardOps, CutAndPasteWithinOneBundleReorders) {
  Fixture f;
  f.a->select(0);
  f.doc.mark(ClipboardMode::Cut);
  f.a->select(4);
  ASSERT_TRUE(f.doc.paste());
  EXPECT_EQ(RelXs(*f.a), (Ints{1, 2, 3, 0, 4}));
  EXPECT_EQ(f.a->count(), 5);
}

TEST(MotionClipboardOps, InfoOnlyCopiesValuesButKeepsSpriteAndReserved) {
  Fixture f;
  Motion* source = f.b->get(0);
  Sprite* sourceSprite = source->sprite;
  *source = DistinctMotion(7);
  source->sprite = sourceSprite;
  f.doc.file.select(1);
  f.b->select(0);
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
}

TEST(MotionClipboardOps, InfoOnlyOntoItsOwnSourceChangesNothing) {
  Fixture f;
  *f.a->current() = DistinctMotion(3);
  Motion before = *f.a->current();
  f.doc.mark(ClipboardMode::InfoOnly);
  EXPECT_FALSE(f.doc.paste());
  EXPECT_FALSE(f.doc.modified);
  EXPECT_TRUE(f.a->current()->sameInfo(before));
  EXPECT_EQ(f.a->current()->reserved, before.reserved);
}

TEST(MotionClipboardOps, InfoOnlyNeedsCurrentMotion) {
  Fixture f;
  f.doc.mark(ClipboardMode::InfoOnly);
  f.a->select(5);
  EXPECT_FALSE(f.doc.paste());
  EXPECT_FALSE(f.doc.modified);
}

TEST(MotionClipboardOps, DeleteMotionForgetsClipboardAndShadow) {
  Fixture f;
  f.doc.mark(ClipboardMode::Copy);
  f.doc.setShadow();
  ASSERT_TRUE(f.doc.deleteMotion());
  EXPECT_TRUE(f.doc.modified);
  EXPECT_EQ(RelXs(*f.a), (Ints{0, 1, 3, 4}));
  EXPECT_EQ(f.a->current()->relX, 3);
  EXPECT_TRUE(f.doc.clipboard.empty());
  EXPECT_FALSE(f.doc.shadow.isSet());
  EXPECT_TRUE(f.doc.autoShadow);
}

TEST(MotionClipboardOps, DeleteOtherMotionKeepsClipboardAndShadow) {
  Fixture f;
  f.doc.mark(ClipboardMode::Copy);
  f.doc.setShadow();
  f.a->select(0);
  ASSERT_TRUE(f.doc.deleteMotion());
  EXPECT_EQ(f.doc.clipboard.motion->relX, 2);
  EXPECT_EQ(f.doc.shadow.motion->relX, 2);
  f.a->select(4);
  EXPECT_FALSE(f.doc.deleteMotion());
}

TEST(MotionClipboardOps, SetShadowTurnsAutoShadowOffWithoutModifying) {
  Fixture f;
  ASSERT_TRUE(f.doc.setShadow());
  EXPECT_EQ(f.doc.shadow.motion, f.a->current());
  EXPECT_EQ(f.doc.shadow.bundle, f.a);
  EXPECT_FALSE(f.doc.autoShadow);
  EXPECT_FALSE(f.doc.modified);
  f.a->select(5);
  EXPECT_FALSE(f.doc.setShadow());
}

TEST(MotionEdits, MoveOneMotionMovesSetBoxesAndPointsOnly) {
  Fixture f;
  Motion* m = f.a->current();
  m->relX = 10;
  m->relY = 20;
  m->boxes[1] = MotionBox{0, 0, 5, 5};
  m->points[3] = MotionPoint{-1, -2};
  ASSERT_TRUE(f.doc.moveMotions(3, -4, false));
  EXPECT_EQ(m->relX, 13);
  EXPECT_EQ(m->relY, 16);
  EXPECT_EQ(m->boxes[1], (MotionBox{3, -4, 8, 1}));
  EXPECT_EQ(m->points[3], (MotionPoint{2, -6}));
  EXPECT_FALSE(m->boxes[0].isSet());
  EXPECT_EQ(m->boxes[0].y2, kUnset);
  EXPECT_EQ(m->points[0], MotionPoint());
  EXPECT_EQ(f.a->get(0)->relX, 0);  // others untouched
  EXPECT_TRUE(f.doc.modified);
}

TEST(MotionEdits, SelectAllMovesEveryMotionAndKeepsUnsetBoxes) {
  Fixture f;
  ASSERT_TRUE(f.doc.moveMotions(5, 1, true));
  EXPECT_EQ(RelXs(*f.a), (Ints{5, 6, 7, 8, 9}));
  for (const auto& m : f.a->items()) {
    EXPECT_EQ(m->relY, 1);
    for (const MotionBox& b : m->boxes) EXPECT_EQ(b, MotionBox());
  }
  EXPECT_EQ(RelXs(*f.b), (Ints{100, 101, 102}));
}

TEST(MotionEdits, MoveNeedsCurrentMotionAndDistance) {
  Fixture f;
  EXPECT_FALSE(f.doc.moveMotions(0, 0, true));
  f.a->select(5);
  EXPECT_FALSE(f.doc.moveMotions(1, 1, true));
  EXPECT_FALSE(f.doc.modified);
}

TEST(MotionEdits, SetBoxNormalisesAndRefusesEmptyRectangle) {
  Fixture f;
  ASSERT_TRUE(f.doc.setBox(2, 10, -3, -5, 7, false));
  EXPECT_EQ(f.a->current()->boxes[1], (MotionBox{-5, -3, 10, 7}));
  f.doc.modified = false;
  EXPECT_FALSE(f.doc.setBox(3, 4, 0, 4, 9, false));
  EXPECT_FALSE(f.doc.setBox(3, 0, 4, 9, 4, false));
  EXPECT_FALSE(f.doc.setBox(0, 0, 0, 5, 5, false));
  EXPECT_FALSE(f.doc.setBox(7, 0, 0, 5, 5, false));
  EXPECT_FALSE(f.a->current()->boxes[2].isSet());
  EXPECT_FALSE(f.doc.modified);
}

TEST(MotionEdits, SetBoxAndPointWithSelectAll) {
  Fixture f;
  f.a->get(4)->points[0] = MotionPoint{1, 1};
  ASSERT_TRUE(f.doc.setBox(6, 0, 0, 8, 8, true));
  ASSERT_TRUE(f.doc.setPoint(4, -2, 3, true));
  for (const auto& m : f.a->items()) {
    EXPECT_EQ(m->boxes[5], (MotionBox{0, 0, 8, 8}));
    EXPECT_EQ(m->points[3], (MotionPoint{-2, 3}));
  }
  EXPECT_EQ(f.a->get(4)->points[0], (MotionPoint{1, 1}));
  EXPECT_FALSE(f.b->get(0)->boxes[5].isSet());
}

TEST(MotionEdits, ClearingActsOnCurrentMotionOnly) {
  Fixture f;
  f.doc.setBox(1, 0, 0, 4, 4, true);
  f.doc.setPoint(1, 2, 2, true);
  f.doc.modified = false;
  ASSERT_TRUE(f.doc.clearBox(1));
  ASSERT_TRUE(f.doc.clearPoint(1));
  EXPECT_EQ(f.a->current()->boxes[0], MotionBox());
  EXPECT_EQ(f.a->current()->points[0], MotionPoint());
  EXPECT_TRUE(f.a->get(0)->boxes[0].isSet());
  EXPECT_TRUE(f.a->get(4)->points[0].isSet());
  EXPECT_TRUE(f.doc.modified);
}

TEST(MotionEdits, ClearingUnsetBoxDoesNotModify) {
  Fixture f;
  EXPECT_FALSE(f.doc.clearBox(2));
  EXPECT_FALSE(f.doc.clearPoint(6));
  EXPECT_FALSE(f.doc.modified);
}

TEST(MotionEdits, SetDelayOneOrAllAndStoresDefault) {
  Fixture f;
  ASSERT_TRUE(f.doc.setDelay(7, 12, false));
  EXPECT_EQ(f.a->current()->delay, 7);
  EXPECT_EQ(f.a->get(0)->delay, 2);
  EXPECT_EQ(f.doc.defaultDelay, 12);
  ASSERT_TRUE(f.doc.setDelay(60, 1, true));
  for (const auto& m : f.a->items()) EXPECT_EQ(m->delay, 60);
  EXPECT_EQ(f.doc.defaultDelay, 1);
  EXPECT_EQ(f.b->get(0)->delay, 2);
}

TEST(MotionEdits, SetDelayRefusesOutOfRange) {
  Fixture f;
  EXPECT_FALSE(f.doc.setDelay(0, 2, false));
  EXPECT_FALSE(f.doc.setDelay(5, 61, false));
  EXPECT_EQ(f.a->current()->delay, 2);
  EXPECT_EQ(f.doc.defaultDelay, 2);
  EXPECT_FALSE(f.doc.modified);
}

TEST(MotionEdits, FlagsSoundAndEffects) {
  Fixture f;
  MotionFlags flags{1, -2, 3, 4, 5, 6, 7, 8, 9, 2147483647};
  ASSERT_TRUE(f.doc.setFlags(flags));
  EXPECT_EQ(f.a->current()->flags, flags);
  EXPECT_FALSE(f.doc.setFlags(flags));
  ASSERT_TRUE(f.doc.setSound(std::string(35, 's') + ".wav"));
  EXPECT_EQ(f.a->current()->sound.str(), std::string(31, 's'));
  ASSERT_TRUE(f.doc.setSound(""));
  EXPECT_TRUE(f.a->current()->sound.empty());
  f.a->current()->effects = 0x7F0;
  ASSERT_TRUE(f.doc.setEffects(false, false, true));
  EXPECT_EQ(f.a->current()->effects, 4);
  ASSERT_TRUE(f.doc.setEffects(true, true, false));
  EXPECT_EQ(f.a->current()->effects, 3);
  EXPECT_EQ(f.a->get(0)->effects, 0);
}

TEST(MotionEdits, ValueEditsNeedCurrentMotion) {
  Fixture f;
  f.a->select(5);
  EXPECT_FALSE(f.doc.setFlags(MotionFlags{1}));
  EXPECT_FALSE(f.doc.setSound("a.wav"));
  EXPECT_FALSE(f.doc.setEffects(true, false, false));
  EXPECT_FALSE(f.doc.setPoint(1, 0, 0, true));
  EXPECT_FALSE(f.doc.setDelay(3, 3, true));
  EXPECT_FALSE(f.doc.modified);
}

TEST(MotionCleanSprites, RemovesUnusedSpritesKeepingOrder) {
  MotionDocument doc;
  auto s = AddSprites(doc.file, 5);
  doc.newBundle("a");
  FillBundle(*doc.file.current(), 2, s[0]);
  doc.newBundle("b");
  FillBundle(*doc.file.current(), 1, s[3]);
  doc.file.current()->get(0)->sprite = s[2];
  doc.file.current()->insertBeforeCurrent(MakeMotion(9, nullptr));
  doc.modified = false;
  ASSERT_TRUE(doc.cleanSprites());
  EXPECT_TRUE(doc.modified);
  ASSERT_EQ(doc.file.sprites.Count(), 2);
  EXPECT_EQ(doc.file.sprites.Get(0), s[0]);
  EXPECT_EQ(doc.file.sprites.Get(1), s[2]);
  EXPECT_EQ(doc.file.bundles()[0]->get(0)->sprite, s[0]);
}

TEST(MotionCleanSprites, SetsModifiedEvenWhenNothingRemoved) {
  Fixture f;
  f.doc.file.current()->get(0)->sprite = f.sprites[2];
  f.doc.file.sprites.SetCurrent(1);
  ASSERT_TRUE(f.doc.cleanSprites());
  EXPECT_TRUE(f.doc.modified);
  EXPECT_EQ(f.doc.file.sprites.Count(), 3);
  EXPECT_EQ(f.doc.file.sprites.Current(), f.sprites[1]);
}

TEST(MotionCleanSprites, CurrentMovesToNextKeptSprite) {
  MotionDocument doc;
  auto s = AddSprites(doc.file, 4);
  doc.newBundle("a");
  doc.file.current()->insertBeforeCurrent(MakeMotion(0, s[0]));
  doc.file.current()->insertBeforeCurrent(MakeMotion(1, s[3]));
  doc.file.sprites.SetCurrent(1);
  doc.cleanSprites();
  EXPECT_EQ(doc.file.sprites.Count(), 2);
  EXPECT_EQ(doc.file.sprites.Current(), s[3]);
  // With nothing used the set empties.
  doc.file.current()->select(0);
  doc.deleteMotion();
  doc.deleteMotion();
  doc.cleanSprites();
  EXPECT_EQ(doc.file.sprites.Count(), 0);
}

TEST(MotionDocumentClear, ResetsDocumentAndEditorState) {
  Fixture f;
  f.doc.mark(ClipboardMode::Copy);
  f.doc.setShadow();
  f.doc.modified = true;
  ASSERT_TRUE(f.doc.clearDocument());
  EXPECT_TRUE(f.doc.file.empty());
  EXPECT_FALSE(f.doc.modified);
  EXPECT_TRUE(f.doc.clipboard.empty());
  EXPECT_FALSE(f.doc.shadow.isSet());
  EXPECT_TRUE(f.doc.autoShadow);
  EXPECT_FALSE(f.doc.clearDocument());
}
