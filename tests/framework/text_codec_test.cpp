#include "framework/text_codec.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextCodec, Cp949LiteralsAndEmptyTextConvertBothWays) {
  // Sources are UTF-8 and compiled to CP949: "확인" must arrive as C8 AE C0 CE.
  EXPECT_EQ(std::string("확인"), "\xC8\xAE\xC0\xCE");
  EXPECT_EQ(Widen("확인"), std::wstring(L"\xD655\xC778"));
  EXPECT_EQ(Narrow(L"\xD655\xC778"), "확인");
  EXPECT_TRUE(Widen("").empty());
  EXPECT_TRUE(Narrow(L"").empty());
}

TEST(TextCodec, AllWansungSyllablesRoundTripInUnicodeOrder) {
  // The 2,350 syllables of KS X 1001 (leads B0..C8, trails A1..FE) are listed in
  // Unicode order, so each must widen to one syllable above the one before.
  wchar_t previous = 0xABFF;
  int count = 0;
  for (int lead = 0xB0; lead <= 0xC8; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail, ++count) {
      const std::string narrow{static_cast<char>(lead), static_cast<char>(trail)};
      const std::wstring wide = Widen(narrow);
      ASSERT_EQ(wide.size(), 1u) << std::hex << lead << " " << trail;
      EXPECT_GT(wide[0], previous) << std::hex << lead << " " << trail;
      EXPECT_EQ(Narrow(wide), narrow);
      previous = wide[0];
    }
  }
  EXPECT_EQ(count, 2350);
  EXPECT_LE(previous, 0xD7A3);
}

TEST(TextCodec, NarrowIntoRefusesTextsThatDoNotFit) {
  char buffer[5];
  std::fill(std::begin(buffer), std::end(buffer), 'Z');
  EXPECT_TRUE(NarrowInto(L"\xD655\xC778", buffer, sizeof(buffer)));  // 4 bytes and the zero
  EXPECT_EQ(std::string(buffer), "\xC8\xAE\xC0\xCE");
  EXPECT_FALSE(NarrowInto(L"\xD655\xC778!", buffer, sizeof(buffer)));
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_FALSE(NarrowInto(L"x", nullptr, 4));
}
