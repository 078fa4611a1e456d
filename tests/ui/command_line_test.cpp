#include "ui/command_line.h"

#include <gtest/gtest.h>

#include <string>

TEST(CommandLine, ArgumentTextIsTakenWholeAndAFolderGivesNoDocument) {
  const struct {
    const char* arguments;
    const char* path;
    const char* title;
  } cases[] = {{"C:\\My Documents\\게임 그림\\hero walk.zrv", "C:\\My Documents\\게임 그림\\hero walk.zrv",
                "hero walk.zrv"},
               {"\"C:\\a b\\c.plk\" ", "C:\\a b\\c.plk", "c.plk"},  // one pair of quotes goes
               {"\"C:\\a b\\c.plk", "\"C:\\a b\\c.plk", "c.plk"},      // unbalanced: taken whole
               {"\"C:\\sprites\"", "", ""},
               {"walk.zrv", "walk.zrv", "walk.zrv"},
               {"C:\\sprites", "", ""},  // a folder
               {"", "", ""}};
  for (const auto& c : cases) {
    CommandLineDocument document =
        TakeCommandLine(c.arguments, [](const std::string& path) { return path == "C:\\sprites"; });
    EXPECT_EQ(document.path, c.path) << "case " << c.arguments;
    EXPECT_EQ(document.title, c.title) << "case " << c.arguments;
  }
}

TEST(CommandLine, TitleAndFolderSplitAtTheLastRealBackslash) {
  EXPECT_EQ(FileTitleOf("C:\\games\\"), "");
  EXPECT_EQ(FileTitleOf("C:\\games\\a.pal"), "a.pal");
  // "표" in CP949 is C7 A5; no CP949 trail byte is a backslash, so the split is exact.
  EXPECT_EQ(FileTitleOf("C:\\\xC7\xA5\\\xC7\xA5.plk"), "\xC7\xA5.plk");
  EXPECT_EQ(DirectoryOf("C:\\\xC7\xA5\\\xC7\xA5.plk"), "C:\\\xC7\xA5\\");
  EXPECT_EQ(FileTitleOf("C:\\games/walk\\x/a.pal"), "a.pal");
  EXPECT_EQ(FileTitleOf("a.pal"), "a.pal");
}

TEST(CommandLine, ArgumentTextFollowsTheProgramName) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"C:\\Program Files\\Zorv2.exe\" C:\\a b\\c.zrv", "C:\\a b\\c.zrv"},
      {"\"C:\\Program Files\\Zorv2.exe\"   x.zrv", "x.zrv"},
      {"\"C:\\Program Files\\Zorv2.exe\"", ""},
      {"Plyk2.exe\tC:\\x.plk", "C:\\x.plk"},
      {"Plyk2.exe", ""},
      {"", ""},
      {"p.exe \"a b\" c ", "\"a b\" c "}};  // trailing blanks and inner quotes stay
  for (const auto& [line, arguments] : cases) EXPECT_EQ(ArgumentTextOf(line), arguments) << "case " << line;
}

TEST(CommandLine, ProgramDirectoryComesFromTheQuotedProgramPathOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"C:\\Games\\Tools\\Zorv2.exe\" C:\\x\\y.zrv", "C:\\Games\\Tools\\"},
      {"\"C:\\Zorv2.exe\"", "C:\\"},
      {"\"C:\\T\\Zorv2.exe", "C:\\T\\"},  // no closing quote: the rest is the program path
      {"C:\\Games\\Zorv2.exe x", ""},
      {"", ""},
      {"\"Zorv2.exe\"", ""}};
  for (const auto& [line, folder] : cases)
    EXPECT_EQ(ProgramDirectoryFromCommandLine(line), folder) << "case " << line;
}
