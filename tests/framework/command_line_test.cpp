#include "framework/command_line.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Stands in for the file system: the paths that are folders.
struct Folders {
  std::set<std::string> paths;
  bool operator()(const std::string& path) const { return paths.count(path) != 0; }
};

}  // namespace

TEST(CommandLine, PathWithBlanksIsTakenWholeWithoutQuotesOrSplitting) {
  CommandLineDocument document = TakeCommandLine("C:\\My Documents\\게임 그림\\hero walk.zrv", Folders{});
  EXPECT_EQ(document.path, "C:\\My Documents\\게임 그림\\hero walk.zrv");
  EXPECT_EQ(document.title, "hero walk.zrv");
}

TEST(CommandLine, QuotesStayPartOfThePath) {
  CommandLineDocument document = TakeCommandLine("\"C:\\a b\\c.plk\"", Folders{});
  EXPECT_EQ(document.path, "\"C:\\a b\\c.plk\"");
  EXPECT_EQ(document.title, "c.plk\"");
}

TEST(CommandLine, FolderOrEmptyTextGivesNoDocument) {
  Folders folders{{"C:\\sprites"}};
  CommandLineDocument folder = TakeCommandLine("C:\\sprites", folders);
  EXPECT_TRUE(folder.path.empty());
  EXPECT_TRUE(folder.title.empty());
  CommandLineDocument empty = TakeCommandLine("", folders);
  EXPECT_TRUE(empty.path.empty());
  EXPECT_TRUE(empty.title.empty());
}

TEST(CommandLine, NameWithoutFolderIsItsOwnTitle) {
  CommandLineDocument document = TakeCommandLine("walk.zrv", Folders{});
  EXPECT_EQ(document.path, "walk.zrv");
  EXPECT_EQ(document.title, "walk.zrv");
}

TEST(CommandLine, TitleOfPathEndingInBackslashIsEmpty) {
  EXPECT_EQ(FileTitleOf("C:\\games\\"), "");
  EXPECT_EQ(FileTitleOf("C:\\games\\a.pal"), "a.pal");
}

TEST(CommandLine, KoreanNamesSplitAtTheRealBackslash) {
  // "표" in CP949 is C7 A5; no CP949 trail byte is a backslash, so the split is exact.
  const std::string path = "C:\\\xC7\xA5\\\xC7\xA5.plk";
  EXPECT_EQ(FileTitleOf(path), "\xC7\xA5.plk");
  EXPECT_EQ(DirectoryOf(path), "C:\\\xC7\xA5\\");
}

TEST(CommandLine, ArgumentTextFollowsQuotedProgramName) {
  EXPECT_EQ(ArgumentTextOf("\"C:\\Program Files\\Zorv2.exe\" C:\\a b\\c.zrv"), "C:\\a b\\c.zrv");
  EXPECT_EQ(ArgumentTextOf("\"C:\\Program Files\\Zorv2.exe\"   x.zrv"), "x.zrv");
  EXPECT_EQ(ArgumentTextOf("\"C:\\Program Files\\Zorv2.exe\""), "");
}

TEST(CommandLine, ArgumentTextFollowsUnquotedProgramName) {
  EXPECT_EQ(ArgumentTextOf("Plyk2.exe\tC:\\x.plk"), "C:\\x.plk");
  EXPECT_EQ(ArgumentTextOf("Plyk2.exe"), "");
  EXPECT_EQ(ArgumentTextOf(""), "");
}

TEST(CommandLine, ArgumentTextKeepsTrailingBlanksAndInnerQuotes) {
  EXPECT_EQ(ArgumentTextOf("p.exe \"a b\" c "), "\"a b\" c ");
}

TEST(CommandLine, ProgramDirectoryFromQuotedProgramPath) {
  EXPECT_EQ(ProgramDirectoryFromCommandLine("\"C:\\Games\\Tools\\Zorv2.exe\" C:\\x\\y.zrv"),
            "C:\\Games\\Tools\\");
  EXPECT_EQ(ProgramDirectoryFromCommandLine("\"C:\\Zorv2.exe\""), "C:\\");
  // A closing quote that never comes: the rest of the text is the program path.
  EXPECT_EQ(ProgramDirectoryFromCommandLine("\"C:\\T\\Zorv2.exe"), "C:\\T\\");
}

TEST(CommandLine, ProgramDirectoryNeedsTheLeadingQuote) {
  EXPECT_EQ(ProgramDirectoryFromCommandLine("C:\\Games\\Zorv2.exe x"), "");
  EXPECT_EQ(ProgramDirectoryFromCommandLine(""), "");
  EXPECT_EQ(ProgramDirectoryFromCommandLine("\"Zorv2.exe\""), "");
}
