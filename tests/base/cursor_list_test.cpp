#include "base/cursor_list.h"

#include <gtest/gtest.h>

namespace {

using Ints = std::vector<int>;

struct List : CursorList<int> {
  using CursorList::pushBack;
  using CursorList::removeAll;
  explicit List(int n) {
    for (int i = 0; i < n; ++i) pushBack(std::make_unique<int>(i));
  }
  Ints values() const {
    Ints out;
    for (const auto& item : items()) out.push_back(*item);
    return out;
  }
};

TEST(CursorList, SelectStopsAtTheEmptyPlaceAfterTheLast) {
  List list(3);
  EXPECT_EQ(list.get(3), nullptr);
  EXPECT_EQ(list.get(-1), nullptr);
  EXPECT_FALSE(list.select(10));
  EXPECT_EQ(list.currentIndex(), 3);
  EXPECT_EQ(list.current(), nullptr);
  EXPECT_FALSE(list.deleteCurrent());  // nothing there: nothing changes
  EXPECT_TRUE(list.select(-2));        // no current element either
  EXPECT_EQ(list.current(), nullptr);
  EXPECT_EQ(list.takeCurrent(), nullptr);
  EXPECT_EQ(list.values(), (Ints{0, 1, 2}));
}

TEST(CursorList, InsertKeepsTheCurrentAndDeleteMovesToTheFollower) {
  List list(3);
  ASSERT_TRUE(list.select(1));
  int* second = list.current();
  list.insertBeforeCurrent(std::make_unique<int>(8));
  EXPECT_EQ(list.values(), (Ints{0, 8, 1, 2}));
  EXPECT_EQ(std::make_pair(list.current(), list.currentIndex()), std::make_pair(second, 2));
  EXPECT_EQ(list.insertBeforeCurrent(nullptr), nullptr);

  EXPECT_TRUE(list.deleteCurrent());
  EXPECT_EQ(*list.current(), 2);
  EXPECT_TRUE(list.deleteAt(2));  // the last one: the cursor is left at the end
  EXPECT_EQ(list.current(), nullptr);
  list.insertBeforeCurrent(std::make_unique<int>(9));  // past the end: appends
  EXPECT_EQ(list.values(), (Ints{0, 8, 9}));
  EXPECT_EQ(list.currentIndex(), 3);
  list.select(-1);
  list.insertBeforeCurrent(std::make_unique<int>(7));  // no current either: appends
  EXPECT_EQ(list.values(), (Ints{0, 8, 9, 7}));
  list.removeAll();
  EXPECT_EQ(std::make_pair(list.count(), list.currentIndex()), std::make_pair(0, 0));
}

TEST(CursorList, InsertAtAndTakeAtKeepTheCurrentElement) {
  List list(4);
  list.select(2);
  int* current = list.current();
  int* first = list.get(0);
  EXPECT_EQ(list.insertAt(5, std::make_unique<int>(9)), nullptr);
  list.insertAt(0, std::make_unique<int>(9));
  EXPECT_EQ(list.current(), current);
  std::unique_ptr<int> taken = list.takeAt(1);
  EXPECT_EQ(taken.get(), first);
  EXPECT_EQ(list.current(), current);
  EXPECT_EQ(list.indexOf(current), 2);
  int stranger = 2;
  EXPECT_EQ(list.indexOf(&stranger), -1);  // identity, not equality
  list.takeAt(2);                          // the current one: its follower follows
  EXPECT_EQ(list.values(), (Ints{9, 1, 3}));
  EXPECT_EQ(*list.current(), 3);
  EXPECT_EQ(list.takeAt(3), nullptr);
}

}  // namespace
