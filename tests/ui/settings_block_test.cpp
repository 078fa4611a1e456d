#include "ui/settings_block.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(SettingsBlock, FieldsAreLittleEndianAndAShortFileFillsItsLength) {
  SettingsBytes block(32 + kSettingsTextField);
  block.writeInt(0, 0x11223344);
  block.writeRect(4, WindowRect{-1, 2, 300, 400});
  block.writeText(32, "가나 abc");
  EXPECT_EQ(block.bytes()[0], 0x44);
  EXPECT_EQ(block.bytes()[3], 0x11);
  EXPECT_EQ(block.readRect(4), (WindowRect{-1, 2, 300, 400}));
  std::string text;
  ASSERT_TRUE(block.readText(32, text));
  EXPECT_EQ(text, "가나 abc");

  block.overlay({0xAA, 0xBB});  // two bytes: the rest keeps its value
  EXPECT_EQ(block.readInt(0), 0x1122BBAA);
  EXPECT_EQ(block.readRect(4).right, 300);
  EXPECT_EQ(block.readInt(block.size() - 3), 0) << "a word past the end reads as 0";

  std::vector<uint8_t> unterminated(block.size(), 'x');
  block.overlay(unterminated);
  EXPECT_EQ(block.readInt(block.size() - 4), 0x78787878) << "the last word of the block";
  EXPECT_FALSE(block.readText(32, text));
  EXPECT_EQ(CheckedText(block, 32, "fallback"), "fallback");
}

TEST(SettingsBlock, LongTextIsCutOnACharacterBoundary) {
  std::string text(258, 'a');
  text += "가";  // two bytes at 258 and 259: does not fit in 259
  EXPECT_EQ(CutText(text, 259).size(), 258u);
  EXPECT_EQ(CutText(std::string(300, 'b'), 259).size(), 259u);
  EXPECT_EQ(CutText(std::string("ab\0cd", 5), 259), "ab");
  // A lead byte with nothing after it, or only the terminator, stands alone.
  for (auto [input, limit, kept] : {std::tuple{std::string("abc\xB0"), 4, 4},
                                    {std::string("a\xB0\0c", 4), 259, 2},
                                    {std::string("a\xB0\xA1"), 2, 1},
                                    {std::string("a\xB0\xA1"), 3, 3}})
    EXPECT_EQ(CutText(input, size_t(limit)), input.substr(0, size_t(kept))) << input.size() << " " << limit;
}

TEST(SettingsBlock, FieldChecks) {
  EXPECT_EQ(std::make_pair(CheckedInt(4, 1, 4, 1), CheckedInt(5, 1, 4, 1)), std::make_pair(4, 1));
  EXPECT_EQ(std::make_pair(CheckedFlag(2, true), CheckedFlag(0, true)), std::make_pair(true, false));
  EXPECT_EQ(std::make_pair(CheckedColour(0x00FF8000, 7), CheckedColour(-1, 7)),
            std::make_pair(0x00FF8000u, 7u));

  const ScreenArea screen{0, 0, 1280, 900};
  const WindowRect fallback{0, 0, 250, 150};
  const struct {
    WindowRect rect;
    bool kept;
  } rects[] = {
      {{10, 10, 300, 200}, true},
      {kSystemChosenRect, true},
      {{-200, -100, 20, 20}, true},       // a 20 x 20 corner shows
      {{10, 10, 11, 11}, true},           // the smallest
      {{1270, 10, 1600, 300}, false},     // 10 pixels wide on screen
      {{5000, 5000, 5300, 5200}, false},  // off every screen
      {{100, 100, 100, 300}, false},      // no width
      {{100, 100, 300, 100}, false},      // no height
      {{300, 100, 100, 200}, false},      // turned round
      {{0, 0, 40000, 200}, false},        // absurdly wide
      {{0, 0, 32767, 32767}, true},       // the largest a window may be
      {{0, 0, 32768, 200}, false},
      {{0, 0, 200, 32768}, false},
      {{INT32_MIN, 0, INT32_MAX, 10}, false},
  };
  for (const auto& c : rects) {
    WindowRect got = CheckedRect(c.rect, screen, fallback);
    EXPECT_EQ(got, c.kept ? c.rect : fallback) << c.rect.left << "," << c.rect.top << "," << c.rect.right;
  }
}

TEST(SettingsBlock, MainWindowPlacement) {
  EXPECT_TRUE(PlacementOf(kSystemChosenRect).systemChosen);
  const WindowPlacement at = PlacementOf({-4, 10, 1096, 870});
  EXPECT_EQ(std::make_tuple(at.systemChosen, at.x, at.y, at.width, at.height),
            std::make_tuple(false, -4, 10, 1100, 860));
  // A rectangle without size, or one whose size does not fit, is left to the system.
  EXPECT_TRUE(PlacementOf({100, 100, 100, 300}).systemChosen);
  EXPECT_TRUE(PlacementOf({INT32_MIN, 0, INT32_MAX, 10}).systemChosen);
  EXPECT_EQ(PlacementOf({0, 0, INT32_MAX, INT32_MAX}).height, INT32_MAX) << "the largest size that fits";
}
