#include "framework/file_filter.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileFilter, PacksPairsWithZeroBytesAndAClosingZero) {
  std::string packed = PackFilter({{"Plyk 파일(*.plk)", "*.plk"}, {"모든 파일(*.*)", "*.*"}});
  const std::string expected =
      std::string("Plyk 파일(*.plk)") + '\0' + "*.plk" + '\0' + "모든 파일(*.*)" + '\0' + "*.*" + '\0' + '\0';
  EXPECT_EQ(packed, expected);
}

TEST(FileFilter, UnpackReversesPack) {
  FilterEntries entries = {{"그림 파일(pcx,bmp,flc,anm)", "*.pcx;*.bmp;*.flc;*.anm"},
                           {"모든 파일(*.*)", "*.*"}};
  EXPECT_EQ(UnpackFilter(PackFilter(entries)), entries);
}

TEST(FileFilter, UnpackStopsAtTheEndOfAnUnterminatedText) {
  // Missing closing zeros and a description without its pattern.
  std::string packed = std::string("A") + '\0' + "*.a" + '\0' + "B";
  FilterEntries entries = UnpackFilter(packed);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].first, "A");
  EXPECT_EQ(entries[0].second, "*.a");
  EXPECT_TRUE(UnpackFilter("").empty());
}

TEST(FileFilter, EmptyFilterIsTwoZeros) {
  EXPECT_EQ(PackFilter({}), std::string(2, '\0'));
}

TEST(FileFilter, DefaultExtensionComesFromTheFirstPattern) {
  EXPECT_EQ(DefaultExtensionOf({{"Zorv 파일(*.zrv)", "*.zrv"}, {"모든 파일(*.*)", "*.*"}}), "zrv");
  EXPECT_EQ(DefaultExtensionOf({{"팔레트 파일(*.pal)", "*.pal"}}), "pal");
}

TEST(FileFilter, NoDefaultExtensionForWildcardsOrLists) {
  EXPECT_EQ(DefaultExtensionOf(AllFilesFilter()), "");
  EXPECT_EQ(DefaultExtensionOf({{"그림", "*.pcx;*.bmp"}}), "");
  EXPECT_EQ(DefaultExtensionOf({{"x", "*"}}), "");
  EXPECT_EQ(DefaultExtensionOf({}), "");
}

TEST(FileFilter, NewChooserOffersAllFiles) {
  FilterEntries all = AllFilesFilter();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].first, "모든 파일");
  EXPECT_EQ(all[0].second, "*.*");
}
