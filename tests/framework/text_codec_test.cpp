#include "framework/text_codec.h"

#include <gtest/gtest.h>

#include <string>

// The conversions are the system's code page 949; these check that it is the one used,
// both ways, and that texts which do not fit a buffer are refused.
TEST(TextCodec, Cp949LiteralsAndEmptyTextConvertBothWaysAndNarrowIntoRefusesWhatDoesNotFit) {
  // Sources are UTF-8 and compiled to CP949: "확인" must arrive as C8 AE C0 CE.
  EXPECT_EQ(std::string("확인"), "\xC8\xAE\xC0\xCE");
  EXPECT_EQ(Widen("확인"), std::wstring(L"\xD655\xC778"));
  EXPECT_EQ(Narrow(L"\xD655\xC778"), "확인");
  EXPECT_TRUE(Widen("").empty());
  EXPECT_TRUE(Narrow(L"").empty());

  char buffer[5];
  std::fill(std::begin(buffer), std::end(buffer), 'Z');
  EXPECT_TRUE(NarrowInto(L"\xD655\xC778", buffer, sizeof(buffer)));  // 4 bytes and the zero
  EXPECT_EQ(std::string(buffer), "\xC8\xAE\xC0\xCE");
  EXPECT_FALSE(NarrowInto(L"\xD655\xC778!", buffer, sizeof(buffer)));
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_FALSE(NarrowInto(L"x", nullptr, 4));
}
