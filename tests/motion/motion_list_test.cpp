// The list rules shared by the motions of a bundle and the bundles of a document.
#include <gtest/gtest.h>

#include "motion/motion_file.h"
#include "motion_test_util.h"

using Ints = std::vector<int32_t>;

TEST(MotionBundleList, NewMotionHasDefaults) {
  Motion m;
  EXPECT_EQ(m.spriteIndex, 0);
  EXPECT_EQ(m.relX, 0);
  EXPECT_EQ(m.relY, 0);
  EXPECT_EQ(m.delay, 2);
  EXPECT_EQ(m.effects, 0);
  for (const MotionBox& b : m.boxes) {
    EXPECT_FALSE(b.isSet());
    EXPECT_EQ(b.x1, -19775);
    EXPECT_EQ(b.y2, -19775);
  }
  for (const MotionPoint& p : m.points) {
    EXPECT_FALSE(p.isSet());
    EXPECT_EQ(p.y, -19775);
  }
  for (int32_t f : m.flags) EXPECT_EQ(f, 0);
  for (uint8_t r : m.reserved) EXPECT_EQ(r, 0);
  EXPECT_TRUE(m.sound.empty());
  EXPECT_EQ(m.sprite, nullptr);
}

TEST(MotionBundleList, InsertIntoEmptyBundleLeavesNoCurrent) {
  MotionBundle b("walk");
  Motion* first = b.insertBeforeCurrent(MakeMotion(0));
  EXPECT_EQ(b.count(), 1);
  EXPECT_EQ(b.currentIndex(), 1);
  EXPECT_EQ(b.current(), nullptr);
  b.insertBeforeCurrent(MakeMotion(1));
  EXPECT_EQ(RelXs(b), (Ints{0, 1}));
  EXPECT_EQ(b.get(0), first);
  EXPECT_EQ(b.currentIndex(), 2);
}

TEST(MotionBundleList, InsertGoesBeforeCurrentWhichStaysCurrent) {
  MotionBundle b("walk");
  FillBundle(b, 5);
  ASSERT_TRUE(b.select(2));
  Motion* third = b.current();
  b.insertBeforeCurrent(MakeMotion(99));
  EXPECT_EQ(RelXs(b), (Ints{0, 1, 99, 2, 3, 4}));
  EXPECT_EQ(b.currentIndex(), 3);
  EXPECT_EQ(b.current(), third);
  ASSERT_TRUE(b.select(0));
  b.insertBeforeCurrent(MakeMotion(-1));
  EXPECT_EQ(b.get(0)->relX, -1);
  EXPECT_EQ(b.current()->relX, 0);
}

TEST(MotionBundleList, SelectPastEndMeansNone) {
  MotionBundle b("walk");
  FillBundle(b, 3);
  EXPECT_TRUE(b.select(1));
  EXPECT_FALSE(b.select(3));
  EXPECT_EQ(b.currentIndex(), 3);
  EXPECT_EQ(b.current(), nullptr);
  EXPECT_FALSE(b.select(10));
  EXPECT_EQ(b.currentIndex(), 3);
  // A negative index is refused and changes nothing.
  b.select(1);
  EXPECT_FALSE(b.select(-1));
  EXPECT_EQ(b.currentIndex(), 1);
}

TEST(MotionBundleList, DeleteMakesFollowerCurrent) {
  MotionBundle b("walk");
  FillBundle(b, 4);
  b.select(1);
  EXPECT_TRUE(b.deleteCurrent());
  EXPECT_EQ(RelXs(b), (Ints{0, 2, 3}));
  EXPECT_EQ(b.currentIndex(), 1);
  EXPECT_EQ(b.current()->relX, 2);
}

TEST(MotionBundleList, DeletingLastMotionLeavesNoCurrent) {
  MotionBundle b("walk");
  FillBundle(b, 3);
  EXPECT_TRUE(b.deleteAt(2));
  EXPECT_EQ(b.count(), 2);
  EXPECT_EQ(b.currentIndex(), 2);
  EXPECT_EQ(b.current(), nullptr);
  EXPECT_FALSE(b.deleteCurrent());
  EXPECT_FALSE(b.deleteAt(5));
  EXPECT_EQ(b.count(), 2);
}

TEST(MotionBundleList, IndexOfIsByIdentity) {
  MotionBundle b("walk");
  FillBundle(b, 3);
  Motion twin = *b.get(1);  // equal fields, different object
  EXPECT_EQ(b.indexOf(b.get(1)), 1);
  EXPECT_EQ(b.indexOf(&twin), -1);
  EXPECT_EQ(b.indexOf(nullptr), -1);
}

TEST(MotionFileList, AppendRefusesEmptyAndDuplicateNames) {
  MotionFile f;
  EXPECT_TRUE(f.append(std::make_unique<MotionBundle>("walk")));
  EXPECT_TRUE(f.append(std::make_unique<MotionBundle>("run")));
  EXPECT_EQ(f.currentIndex(), 1);
  EXPECT_FALSE(f.append(std::make_unique<MotionBundle>("walk")));
  EXPECT_FALSE(f.append(std::make_unique<MotionBundle>("")));
  EXPECT_FALSE(f.append(nullptr));
  EXPECT_EQ(BundleNames(f), (std::vector<std::string>{"walk", "run"}));
  EXPECT_EQ(f.currentIndex(), 1);
  // Names compare byte for byte: case counts.
  EXPECT_TRUE(f.append(std::make_unique<MotionBundle>("Walk")));
  EXPECT_EQ(f.current()->name.str(), "Walk");
}

TEST(MotionFileList, FindBundleByExactName) {
  MotionFile f;
  f.append(std::make_unique<MotionBundle>("walk"));
  f.append(std::make_unique<MotionBundle>("걷기"));
  EXPECT_EQ(f.findBundle("walk"), 0);
  EXPECT_EQ(f.findBundle("걷기"), 1);
  EXPECT_EQ(f.findBundle("wal"), -1);
  EXPECT_EQ(f.findBundle("walk "), -1);
}

TEST(MotionFileList, DeletedNameCanBeUsedAgain) {
  MotionFile f;
  f.append(std::make_unique<MotionBundle>("walk"));
  f.append(std::make_unique<MotionBundle>("run"));
  EXPECT_TRUE(f.deleteAt(0));
  EXPECT_EQ(f.current()->name.str(), "run");
  EXPECT_EQ(f.findBundle("walk"), -1);
  EXPECT_TRUE(f.append(std::make_unique<MotionBundle>("walk")));
  EXPECT_EQ(BundleNames(f), (std::vector<std::string>{"run", "walk"}));
}

TEST(MotionFileList, ClearRemovesBundlesAndSprites) {
  MotionFile f;
  AddSprites(f, 3);
  f.append(std::make_unique<MotionBundle>("walk"));
  FillBundle(*f.current(), 4);
  EXPECT_FALSE(f.empty());
  f.clear();
  EXPECT_EQ(f.count(), 0);
  EXPECT_EQ(f.currentIndex(), 0);
  EXPECT_EQ(f.current(), nullptr);
  EXPECT_EQ(f.sprites.Count(), 0);
  EXPECT_TRUE(f.empty());
  EXPECT_TRUE(f.append(std::make_unique<MotionBundle>("walk")));
}

TEST(FixedName, CutKeepsAtMost31Bytes) {
  EXPECT_EQ(CutName("walk"), "walk");
  std::string longAscii(40, 'a');
  EXPECT_EQ(CutName(longAscii), std::string(31, 'a'));
  EXPECT_EQ(CutName(std::string(31, 'b')), std::string(31, 'b'));
  EXPECT_EQ(CutName(std::string("ab\0cd", 5)), "ab");
}

TEST(FixedName, CutNeverSplitsTwoByteCharacter) {
  // "ab" then two-byte characters: the 31st byte would be a lead byte, so the cut
  // stops after 30.
  std::string pairs;
  for (int i = 0; i < 16; ++i) pairs += "\xB0\xA1";
  EXPECT_EQ(CutName("ab" + pairs), ("ab" + pairs).substr(0, 30));
  EXPECT_EQ(CutName(pairs), pairs.substr(0, 30));
  // After one single byte the pairs end exactly at 31.
  EXPECT_EQ(CutName("a" + pairs), ("a" + pairs).substr(0, 31));
  // A lead byte at the very end of the text is taken alone.
  EXPECT_EQ(CutName("ab\xB0"), "ab\xB0");
}

TEST(FixedName, AssignZeroFillsAndTerminates) {
  FixedName n;
  n.bytes.fill('x');
  EXPECT_FALSE(n.terminated());
  n.assign(std::string(50, 'q'));
  EXPECT_TRUE(n.terminated());
  EXPECT_EQ(n.str(), std::string(31, 'q'));
  EXPECT_EQ(n.bytes[31], 0);
  n.assign("hi");
  EXPECT_EQ(n.str(), "hi");
  for (size_t i = 2; i < n.bytes.size(); ++i) EXPECT_EQ(n.bytes[i], 0);
}
