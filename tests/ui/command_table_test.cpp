#include "ui/command_table.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/scripted_prompts.h"
#include "ui/dialog_text.h"
#include "ui/file_association.h"
#include "ui/user_prompts.h"

TEST(CommandTable, GreyedCommandDoesNotRunAndChecksFollowState) {
  int runs = 0;
  bool allowed = false;
  bool mark = false;
  CommandTable table;
  table.add(
      7, [&] { ++runs; }, [&] { return allowed; }, [&] { return mark; });
  table.alias(8, 7);
  table.add(9, [&] { ++runs; });

  EXPECT_FALSE(table.execute(7)) << "greyed";
  EXPECT_FALSE(table.execute(8)) << "the alias shares the rule";
  EXPECT_FALSE(table.execute(42)) << "unknown";
  EXPECT_EQ(runs, 0);
  allowed = mark = true;
  EXPECT_TRUE(table.execute(8));
  EXPECT_TRUE(table.checked(7));
  EXPECT_FALSE(table.checked(9)) << "no check rule";
  EXPECT_TRUE(table.enabled(9)) << "no enable rule";
  EXPECT_FALSE(table.enabled(42));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(table.ids(), (std::vector<int>{7, 8, 9}));
}

TEST(CommandTable, AFailingCommandIsReportedNotLost) {
  CommandTable table;
  table.add(1, [] { throw std::bad_alloc(); });
  table.add(2, [] { throw std::runtime_error("x"); });
  table.add(3, [] {});
  EXPECT_THROW(table.execute(1), std::bad_alloc) << "nobody to report to";
  ScriptedPrompts<UserPrompts> log;
  table.reportFailuresTo(&log);
  EXPECT_FALSE(table.execute(1));
  EXPECT_FALSE(table.execute(2));
  EXPECT_TRUE(table.execute(3));
  EXPECT_EQ(log.errors, (std::vector<std::string>{kOutOfMemoryText, kActionFailedText}));
}

// Both editors' question before new, open and exit.
TEST(UserPrompts, UnsavedWorkGoesOnOnlyWhenNothingIsLost) {
  const struct {
    Answer answer;
    bool empty, saveWorks, goesOn, saved;
  } cases[] = {
      {Answer::Cancel, false, true, false, false}, {Answer::No, false, true, true, false},
      {Answer::Yes, false, true, true, true},      {Answer::Yes, false, false, false, true},
      {Answer::Yes, true, false, true, false},  // an empty document is never written
  };
  for (const auto& c : cases) {
    ScriptedPrompts<UserPrompts> log;
    log.answers = {c.answer};
    bool saved = false;
    EXPECT_EQ(AskAboutUnsavedWork(log, "?", c.empty, [&] { return saved = true, c.saveWorks; }), c.goesOn);
    EXPECT_EQ(saved, c.saved);
  }
}

TEST(CommandTable, CommandMayReplaceItsOwnRow) {
  CommandTable table;
  int second = 0;
  table.add(1, [&] { table.add(1, [&] { ++second; }); });
  EXPECT_TRUE(table.execute(1));
  EXPECT_TRUE(table.execute(1));
  EXPECT_EQ(second, 1);
}

TEST(DialogText, NumbersAndNotNumbers) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {{"61", 61},
               {" -7 ", -7},
               {"+3", 3},
               {"abc", 0},
               {"12abc", 0},
               {"", 0},
               {"-", 0},
               {"1 2", 0},
               {"2147483647", 2147483647},
               {"-2147483648", INT32_MIN},
               {"2147483648", 0},
               {"99999999999999999999", 0}};
  for (const auto& c : cases) EXPECT_EQ(ParseIntOrZero(c.text), c.value) << '"' << c.text << '"';
}

TEST(FileAssociation, QuotedCommandsUnderPerUserClasses) {
  auto zorv = MotionEditorAssociation("C:\\My Tools\\");
  ASSERT_EQ(zorv.size(), 4u);
  EXPECT_EQ(zorv[0].key, ".zrv");
  EXPECT_EQ(zorv[0].value, "zorv_key");
  EXPECT_EQ(zorv[2].key, "zorv_key\\Shell\\Open\\Command");
  EXPECT_EQ(zorv[2].value, "\"C:\\My Tools\\Zorv2.exe\" \"%1\"");
  EXPECT_EQ(zorv[3].value, "\"C:\\My Tools\\Zorv2.exe\",3");
  auto plyk = SpriteCutterAssociation("D:\\p\\");
  ASSERT_EQ(plyk.size(), 7u);
  EXPECT_EQ(plyk[4].key, ".pal");
  EXPECT_EQ(plyk[6].value, "\"D:\\p\\Plyk2.exe\",3");
  for (const auto& v : plyk) EXPECT_NE(v.key, "pal_key\\Shell\\Open\\Command") << "palettes are not opened";
}
