#include <gtest/gtest.h>

#include "editor_test_support.h"
#include "motion/motion_file.h"

// The cursor rules are CursorList's; the file adds its unique names.
TEST(MotionLists, FileKeepsItsBundleNamesUnique) {
  MotionFile f;
  for (const char* name : {"walk", "걷기", "walk", "", "Walk"})
    f.append(std::make_unique<MotionBundle>(name));
  EXPECT_FALSE(f.append(nullptr));
  EXPECT_EQ(f.findBundle("wal"), -1);
  EXPECT_EQ(f.findBundle("walk "), -1);
  EXPECT_TRUE(f.deleteAt(0));  // a deleted name is free again
  EXPECT_EQ(f.current()->name.str(), "걷기");
  EXPECT_TRUE(f.append(std::make_unique<MotionBundle>("walk")));
  EXPECT_EQ(BundleNames(f), (std::vector<std::string>{"걷기", "Walk", "walk"}));
  AddSprites(f, 2);
  f.clear();
  EXPECT_TRUE(f.empty());
  EXPECT_EQ(f.current(), nullptr);
}

TEST(FixedName, CutKeepsAtMost31BytesWithoutSplittingACharacter) {
  std::string pairs;
  for (int i = 0; i < 16; ++i) pairs += "\xB0\xA1";
  struct Case {
    std::string text, want;
  } cases[] = {
      {"walk", "walk"},
      {std::string(40, 'a'), std::string(31, 'a')},
      {std::string("a\xB0\0cd", 5), "a\xB0"},        // a lead byte before a zero is taken alone
      {"ab" + pairs, ("ab" + pairs).substr(0, 30)},  // the 31st byte would be a lead byte
      {"a" + pairs, ("a" + pairs).substr(0, 31)},
      {"ab\xB0", "ab\xB0"},  // a lone lead byte at the end is taken
  };
  for (const Case& c : cases) EXPECT_EQ(CutName(c.text), c.want) << "case " << c.text;
  const std::vector<char> bare = {'a', 'b', 'c'};  // nothing after the text to stop at
  EXPECT_EQ(CutName({bare.data(), bare.size()}), "abc");
  FixedName n;
  n.bytes.fill('x');
  EXPECT_FALSE(n.terminated());
  n.assign(std::string_view("ab" + pairs).substr(0, 31));  // the lead byte's trail lies past the text
  EXPECT_EQ(n.str(), ("ab" + pairs).substr(0, 31));
  n.assign("hi");
  for (size_t i = 2; i < n.bytes.size(); ++i) EXPECT_EQ(n.bytes[i], 0) << i;
}
