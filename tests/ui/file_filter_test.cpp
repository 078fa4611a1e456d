#include "ui/file_filter.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileFilter, PackedPairsEndWithTwoZerosAndUnpackBack) {
  const FilterEntries entries = {{"Plyk 파일(*.plk)", "*.plk"}, {"모든 파일(*.*)", "*.*"}};
  const std::string packed = PackFilter(entries);
  EXPECT_EQ(packed, std::string("Plyk 파일(*.plk)") + '\0' + "*.plk" + '\0' + "모든 파일(*.*)" + '\0' +
                        "*.*" + '\0' + '\0');
  EXPECT_EQ(UnpackFilter(packed), entries);
  EXPECT_EQ(PackFilter({}), std::string(2, '\0'));
  // Unpacking stops at the end of an unterminated text: missing closing zeros and a
  // description without its pattern.
  EXPECT_EQ(UnpackFilter(std::string("A") + '\0' + "*.a" + '\0' + "B"), (FilterEntries{{"A", "*.a"}}));
  EXPECT_TRUE(UnpackFilter("").empty());
}

TEST(FileFilter, DefaultExtensionComesFromASingleFirstPattern) {
  EXPECT_EQ(DefaultExtensionOf({{"Zorv 파일(*.zrv)", "*.zrv"}, {"모든 파일(*.*)", "*.*"}}), "zrv");
  EXPECT_EQ(DefaultExtensionOf({{"그림", "*.pcx;*.bmp"}}), "");
  EXPECT_EQ(DefaultExtensionOf({{"x", "*"}}), "");
  EXPECT_EQ(DefaultExtensionOf({}), "");
  EXPECT_EQ(AllFilesFilter(), (FilterEntries{{"모든 파일", "*.*"}}));
  EXPECT_EQ(DefaultExtensionOf(AllFilesFilter()), "");
}
