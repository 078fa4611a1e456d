#include "sprites/sprite_set.h"

#include <gtest/gtest.h>

#include "support/sprite_file_bytes.h"

namespace {

// A set of n sprites 1x1 whose pixel is their original position + 1.
SpriteSet MakeSet(int n) {
  SpriteSet set;
  for (int i = 0; i < n; ++i) set.Append(MakeSprite(1, 1, uint8_t(i + 1)));
  return set;
}

std::vector<int> Pixels(const SpriteSet& set) {
  std::vector<int> out;
  for (int i = 0; i < set.Count(); ++i) out.push_back(set.Get(i)->pixels[0]);
  return out;
}

// The cursor rules are CursorList's; these are the set's own: integer results, an
// index that is made current first, and -1 for the cursor's place.
TEST(SpriteSet, IndexesAreMadeCurrentFirstAndMinusOneIsTheCursor) {
  SpriteSet set = MakeSet(3);
  EXPECT_EQ(set.CurrentIndex(), 3);  // Append leaves the cursor past the end
  EXPECT_EQ(set.SetCurrent(3) + set.Delete(-1) + set.Delete(7), 0);
  EXPECT_EQ(set.SetCurrent(-2), 1);  // negative: a valid call, no current sprite

  Sprite* oldFirst = set.First();
  ASSERT_EQ(set.Insert(MakeSprite(1, 1, 9), 0), 1);
  EXPECT_EQ(std::make_pair(set.Current(), set.CurrentIndex()), std::make_pair(oldFirst, 1));
  ASSERT_EQ(set.Insert(MakeSprite(1, 1, 8), -1), 1);
  EXPECT_EQ(set.Insert(nullptr, 0), 0);
  ASSERT_EQ(set.Delete(3), 1);
  EXPECT_EQ(Pixels(set), (std::vector<int>{9, 8, 1, 3}));
  set.Clear();
  set.Insert(MakeSprite(1, 1, 5), -1);  // after a clear the cursor is at 0: appends
  EXPECT_EQ(std::make_pair(Pixels(set), set.CurrentIndex()), std::make_pair(std::vector<int>{5}, 1));
}

TEST(SpriteSet, IndexOfFindsTheRecordAndFindEqualTheContent) {
  SpriteSet set = MakeSet(3);
  set.Append(MakeSprite(1, 1, 2));  // equal to sprite 1, another record
  EXPECT_EQ(std::make_pair(set.IndexOf(set.Get(3)), set.FindEqual(*set.Get(3))), std::make_pair(3, 1));
  Sprite stranger(1, 1, {7});
  EXPECT_EQ(std::make_pair(set.IndexOf(&stranger), set.FindEqual(stranger)), std::make_pair(-1, -1));
}

TEST(Sprite, EqualComparesSizeAndPixelsAndHasPixelsNeedsThemAll) {
  Sprite a(2, 2, {1, 2, 3, 4}), shortened = a;
  shortened.pixels.pop_back();  // shorter than its count, though the byte stays in memory
  EXPECT_FALSE(Equal(a, Sprite(2, 2, {1, 2, 3, 5})) || Equal(a, Sprite(4, 1, {1, 2, 3, 4})) ||
               Equal(a, shortened));
  EXPECT_TRUE(Equal(a, Sprite(2, 2, {1, 2, 3, 4})) && Equal(Sprite(0, 5, {}), Sprite(0, 5, {})));
  EXPECT_TRUE(HasPixels(a) && !HasPixels(Sprite(2, 2, {1, 2, 3})) && !HasPixels(Sprite(0, 5, {})) &&
              !HasPixels(Sprite(5, 0, {})) && !HasPixels(Sprite(-1, -1, {1})));
}

TEST(SpriteSet, FileSizeCountsHeaderTableAndRecords) {
  SpriteSet set;
  EXPECT_EQ(set.FileSize(), 36);
  auto s = MakeSprite(3, 2, 1);
  s->count = 99;  // stale count is recomputed
  set.Append(std::move(s));
  EXPECT_EQ(set.FileSize(), 36 + 4 + 6 + 12);
  EXPECT_EQ(set.First()->count, 6);
  EXPECT_EQ(RecordSize(*set.First(), true), 18);
}

}  // namespace
