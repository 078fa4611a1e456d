#include "base/cursor_list.h"

#include <gtest/gtest.h>

namespace {

using Ints = std::vector<int>;

struct List : CursorList<int> {
  explicit List(int n) {
    for (int i = 0; i < n; ++i) pushBack(std::make_unique<int>(i));
  }
  Ints values() const {
    Ints out;
    for (const auto& item : items()) out.push_back(*item);
    return out;
  }
};

TEST(CursorList, InsertKeepsTheCurrentDeleteMovesToTheFollowerAndThePastEndAppends) {
  List list(3);
  EXPECT_TRUE(!list.get(3) && !list.get(-1));
  EXPECT_FALSE(list.select(10));
  EXPECT_EQ(list.currentIndex(), 3);
  EXPECT_FALSE(list.deleteCurrent());  // no current element: nothing changes
  EXPECT_TRUE(list.select(-2));        // a negative index: no current element either
  list.insertBeforeCurrent(std::make_unique<int>(7));  // no current element: appends
  ASSERT_TRUE(list.select(1));
  int* second = list.current();
  list.insertBeforeCurrent(std::make_unique<int>(8));
  EXPECT_EQ(std::make_pair(list.current(), list.currentIndex()), std::make_pair(second, 2));
  EXPECT_TRUE(list.deleteCurrent());
  EXPECT_EQ(*list.current(), 2);
  EXPECT_TRUE(list.deleteAt(3));  // the last one: the cursor is left at the end
  EXPECT_EQ(list.current(), nullptr);
  EXPECT_EQ(list.values(), (Ints{0, 8, 2}));

  ASSERT_TRUE(list.select(2));
  int* two = list.current();
  list.insertAt(0, std::make_unique<int>(9));  // by position: the current element stays current
  EXPECT_NE(list.takeAt(1), nullptr);
  EXPECT_EQ(std::make_pair(list.current(), list.indexOf(two)), std::make_pair(two, 2));
  EXPECT_EQ(list.values(), (Ints{9, 8, 2}));
}

}  // namespace
