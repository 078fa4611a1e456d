// The dialogs' rules: what OK accepts, refuses and hands back.
#include "motion/editor/motion_dialogs.h"

#include <gtest/gtest.h>

#include "editor_test_support.h"

TEST(NewBundleDialog, EmptyDoesNothingTakenWarnsLongIsCut) {
  MotionFile file;
  file.append(std::make_unique<MotionBundle>("walk"));
  file.append(std::make_unique<MotionBundle>(std::string(31, 'a')));
  NewBundleDialog dialog(file);
  const struct {
    std::string text;
    bool accepted;
    const char* warning;
  } cases[] = {
      {"", false, ""},
      {"walk", false, "이미 같은 이름의 동작 묶음이 존재합니다."},
      {std::string(40, 'a'), false, "이미 같은 이름의 동작 묶음이 존재합니다."},  // cut to a taken name
      {"Walk", true, ""}};
  for (const auto& c : cases) {
    DialogResult r = dialog.ok(c.text);
    EXPECT_EQ(r.accepted, c.accepted) << c.text;
    EXPECT_EQ(r.warning, c.warning) << c.text;
    EXPECT_EQ(dialog.name(), c.text);  // pre-filled next time
  }
}

TEST(DelayDialog, BothValuesMustLieInOneToSixty) {
  const char* warning = "동작 지연 시간은 1 ~ 60 사이만 설정 가능합니다.";
  const struct {
    const char *current, *fallback;
    bool accepted;
  } cases[] = {{"0", "2", false},   {"61", "2", false}, {"5", "61", false},
               {"abc", "2", false}, {"60", "1", true},  {" 7 ", "3", true}};
  DelayDialog dialog;
  for (const auto& c : cases) {
    DialogResult r = dialog.ok(c.current, c.fallback, true);
    EXPECT_EQ(r.accepted, c.accepted) << c.current << " " << c.fallback;
    EXPECT_EQ(r.warning, c.accepted ? "" : warning);
  }
  EXPECT_EQ(dialog.currentDelay, 7);
  EXPECT_EQ(dialog.defaultText(), "3");
  EXPECT_TRUE(dialog.wholeBundle);  // kept for the next opening
}

TEST(FlagsDialog, BinaryTextsBothWays) {
  const std::pair<int32_t, std::string> texts[] = {
      {5, "101"}, {0, "0"}, {1, "1"}, {-1, std::string(32, '1')}, {-2, std::string(31, '1') + "0"}};
  for (const auto& [value, text] : texts) {
    EXPECT_EQ(BinaryFlagText(value), text);
    EXPECT_EQ(ReadBinaryFlagText(text), value);
  }
  EXPECT_EQ(ReadBinaryFlagText(""), 0);
  EXPECT_EQ(ReadBinaryFlagText("1" + std::string(32, '0')), 0);  // bit 32 falls off

  FlagsDialog dialog;
  dialog.values = {5, 0, -2};
  FlagTexts shown = dialog.switchMode(dialog.texts(), true);
  EXPECT_EQ(shown[0], "101");
  shown[0] = "1x1";
  shown = dialog.switchMode(shown, false);
  EXPECT_EQ(shown[0], "7");
  EXPECT_EQ(dialog.values[0], 5);  // stored only by OK
  shown[1] = "not a number";
  EXPECT_TRUE(dialog.ok(shown).accepted);
  EXPECT_EQ(dialog.values, (MotionFlags{7, 0, -2}));
  EXPECT_FALSE(dialog.binary);
}

TEST(EffectsDialog, ValuesInAndOut) {
  EffectsDialog effects;
  effects.load(0x7F);
  EXPECT_TRUE(effects.flipLeftRight && effects.flipUpDown && effects.translucent);
  effects.ok(false, false, true);
  EXPECT_EQ(effects.effects(), 4);
  effects.ok(false, true, false);
  EXPECT_EQ(effects.effects(), 2);
}

TEST(SoundDialog, PlayPathTakesTheFolderPartOnly) {
  FakeHost host;
  SoundDialog dialog(host);
  dialog.browsed({"C:\\sfx\\hit.wav", "hit.wav"});
  dialog.play();
  dialog.name = "boom.wav";
  dialog.play();
  dialog.folderPath = "nofolder";
  dialog.play();
  dialog.folderPath = "";
  dialog.play();
  EXPECT_EQ(host.played, (std::vector<std::string>{"C:\\sfx\\hit.wav", "C:\\sfx\\hit.wav",
                                                   "C:\\sfx\\boom.wav", "boom.wav", "boom.wav"}));
  EXPECT_TRUE(dialog.ok("typed.wav").accepted);
  EXPECT_EQ(dialog.name, "typed.wav");
}
