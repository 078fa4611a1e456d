#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "base/byte_reader.h"
#include "graphics/bitmap_font.h"
#include "graphics/builtin_fonts.h"
#include "graphics_test_support.h"

namespace {

// The committed font files read from the source tree, independent of the copy
// compiled into graphics_fonts.
std::vector<uint8_t> ReadFontFile(const char* name) {
  std::ifstream in(std::string(PLYK_SOURCE_DIR) + "/src/graphics/fonts/" + name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct Fonts {
  std::vector<uint8_t> asciiBytes = ReadFontFile("ascii_6x12.fnt");
  std::vector<uint8_t> hangulBytes = ReadFontFile("hangul_12x12.fnt");
  BitmapFont ascii, hangul;
  Fonts() {
    ParseBitmapFont(asciiBytes.data(), asciiBytes.size(), ascii);
    ParseBitmapFont(hangulBytes.data(), hangulBytes.size(), hangul);
  }
};

const Fonts& TestFonts() {
  static const Fonts fonts;
  return fonts;
}

// Whether bit (x, y) of a glyph is set, straight from the file bytes.
bool FileInk(const std::vector<uint8_t>& file, int bytesPerRow, int height, int glyph, int x, int y) {
  const size_t at = 8 + static_cast<size_t>((glyph * height + y) * bytesPerRow + x / 8);
  return (file[at] >> (7 - x % 8)) & 1;
}
bool AsciiInk(int glyph, int x, int y) {
  return FileInk(TestFonts().asciiBytes, 1, 12, glyph, x, y);
}
bool HangulInk(int glyph, int x, int y) {
  return FileInk(TestFonts().hangulBytes, 2, 12, glyph, x, y);
}

struct TextCanvas : Canvas {
  TextCanvas(int w, int h, uint8_t fill = 255) : Canvas(w, h, fill) {
    dc->SetFonts(&TestFonts().ascii, &TestFonts().hangul);
    dc->setTextColor(0);
  }
  TextCanvas(int w, int h, const DrawRectangle& viewport, uint8_t fill = 255) : Canvas(w, h, viewport, fill) {
    dc->SetFonts(&TestFonts().ascii, &TestFonts().hangul);
    dc->setTextColor(0);
  }
};

// Expects the glyph's ink at (x, y) in colour ink and everything else of its
// advance x 12 box unchanged (bg).
void ExpectGlyph(const Canvas& c, bool hangul, int glyph, int x, int y, uint8_t ink, uint8_t bg) {
  const int w = hangul ? 12 : 6;
  for (int gy = 0; gy < 12; ++gy)
    for (int gx = 0; gx < w; ++gx) {
      const bool set = hangul ? HangulInk(glyph, gx, gy) : AsciiInk(glyph, gx, gy);
      ASSERT_EQ(c.at(x + gx, y + gy), set ? ink : bg) << "glyph " << glyph << " pixel " << gx << "," << gy;
    }
}

int HangulIndex(const char* twoBytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(twoBytes);
  return (b[0] - 0xA4) * 96 + (b[1] - 0xA0);
}

int InkCount(const Canvas& c, uint8_t bg) {
  int n = 0;
  for (uint8_t v : c.snapshot()) n += v != bg;
  return n;
}

}  // namespace

TEST(BitmapFonts, FilesHaveTheResourceLayout) {
  const Fonts& f = TestFonts();
  ASSERT_EQ(f.asciiBytes.size(), 1544u);
  ASSERT_EQ(f.hangulBytes.size(), 85256u);
  EXPECT_EQ(LoadU32(f.asciiBytes.data()), 6u);
  EXPECT_EQ(LoadU32(f.asciiBytes.data() + 4), 12u);
  EXPECT_EQ(LoadU32(f.hangulBytes.data()), 12u);
  EXPECT_EQ(LoadU32(f.hangulBytes.data() + 4), 12u);
  EXPECT_EQ(f.ascii.glyphCount, 128);
  EXPECT_EQ(f.hangul.glyphCount, 3552);
  // The padding columns of the 6-pixel glyphs are clear.
  for (int g = 0; g < 128; ++g)
    for (int y = 0; y < 12; ++y) ASSERT_FALSE(AsciiInk(g, 6, y) || AsciiInk(g, 7, y)) << g;
  // The embedded copy is the same bytes.
  ASSERT_EQ(BuiltinAsciiFontSize(), 1544u);
  ASSERT_EQ(BuiltinHangulFontSize(), 85256u);
  EXPECT_TRUE(std::equal(f.asciiBytes.begin(), f.asciiBytes.end(), BuiltinAsciiFontData()));
  EXPECT_TRUE(std::equal(f.hangulBytes.begin(), f.hangulBytes.end(), BuiltinHangulFontData()));
  EXPECT_EQ(BuiltinHangulFont().glyphCount, 3552);
}

TEST(BitmapFonts, GlyphsArePresentWhereCharactersAre) {
  auto inked = [](bool hangul, int g) {
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < (hangul ? 16 : 8); ++x)
        if (hangul ? HangulInk(g, x, y) : AsciiInk(g, x, y)) return true;
    return false;
  };
  for (int c = 33; c < 127; ++c) EXPECT_TRUE(inked(false, c)) << c;
  EXPECT_FALSE(inked(false, ' '));
  // Every precomposed syllable (rows 0xB0 to 0xC8, cells 1 to 94) has ink.
  for (int lead = 0xB0; lead <= 0xC8; ++lead)
    for (int cell = 1; cell <= 94; ++cell)
      ASSERT_TRUE(inked(true, (lead - 0xA4) * 96 + cell)) << lead << " " << cell;
  for (int cell = 1; cell <= 94; ++cell) {
    if (cell != 0x34) {  // 0xA4D4 is the blank filler
      EXPECT_TRUE(inked(true, cell)) << "jamo " << cell;
    }
  }
  EXPECT_TRUE(inked(true, kReplacementGlyph));
  EXPECT_FALSE(inked(true, 0)) << "cell 0 is not a character";
  EXPECT_FALSE(inked(true, 95)) << "cell 95 is not a character";
}

TEST(BitmapFonts, ParseRefusesBadHeaders) {
  BitmapFont f;
  const uint8_t tooSmall[8] = {6, 0, 0, 0, 12, 0, 0, 0};
  EXPECT_FALSE(ParseBitmapFont(tooSmall, sizeof tooSmall, f));
  const uint8_t badWidth[20] = {0, 0, 0, 0, 12, 0, 0, 0};
  EXPECT_FALSE(ParseBitmapFont(badWidth, sizeof badWidth, f));
  const uint8_t huge[20] = {0, 0, 0, 0x40, 12, 0, 0, 0};
  EXPECT_FALSE(ParseBitmapFont(huge, sizeof huge, f));
  EXPECT_FALSE(ParseBitmapFont(nullptr, 100, f));
  EXPECT_FALSE(ParseBitmapFont(tooSmall, 4, f));
}

TEST(DrawText, AsciiLetterWritesExactlyItsInk) {
  TextCanvas c(40, 20);
  EXPECT_EQ(c.dc->DrawText(0, 0, "A"), 1);
  ExpectGlyph(c, false, 'A', 0, 0, 0, 255);
  EXPECT_EQ(InkCount(c, 255), [] {
    int n = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 8; ++x) n += AsciiInk('A', x, y);
    return n;
  }());
}

TEST(DrawText, BackgroundFillsThePaddedCell) {
  TextCanvas c(40, 20);
  c.dc->setTextBackground(7);
  c.dc->DrawText(0, 0, "A");
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      const uint8_t want = (x < 8 && y < 12) ? (AsciiInk('A', x, y) ? 0 : 7) : 255;
      ASSERT_EQ(c.at(x, y), want) << x << "," << y;
    }
}

TEST(DrawText, HangulGlyphChoiceAndAdvance) {
  TextCanvas c(100, 20);
  c.dc->DrawText(0, 0, "\xB0\xA1");
  ExpectGlyph(c, true, 1153, 0, 0, 0, 255);
  TextCanvas d(100, 20);
  d.dc->DrawText(0, 0, "ab\xB0\xA1Z");
  ExpectGlyph(d, false, 'a', 0, 0, 0, 255);
  ExpectGlyph(d, true, 1153, 12, 0, 0, 255);
  ExpectGlyph(d, false, 'Z', 24, 0, 0, 255);  // 6 + 6 + 12
}

TEST(DrawText, ReplacementSquareForCodesWithoutGlyph) {
  // Symbol rows 0xA1..0xA3, leads past 0xC8, and trail bytes below 0xA0.
  for (const char* text : {"\xA1\xA1", "\xA3\xC1", "\xC9\xA1", "\xFD\xFE", "\xB0\x41", "\x80\xA1"}) {
    TextCanvas c(40, 20);
    c.dc->DrawText(0, 0, text);
    ExpectGlyph(c, true, kReplacementGlyph, 0, 0, 0, 255);
  }
  // A symbol of row 0xA5 (Roman numerals) is drawn from its own glyph.
  TextCanvas c(40, 20);
  c.dc->DrawText(0, 0, "\xA5\xB0");
  ExpectGlyph(c, true, (0xA5 - 0xA4) * 96 + 0x10, 0, 0, 0, 255);
}

TEST(DrawText, HangulPhraseMatchesTheFontData) {
  TextCanvas c(120, 20);
  const char* text = "한글 동작";  // CP949 bytes at run time
  ASSERT_EQ(std::string(text), "\xC7\xD1\xB1\xDB \xB5\xBF\xC0\xDB");
  c.dc->DrawText(3, 4, text);
  ExpectGlyph(c, true, HangulIndex("\xC7\xD1"), 3, 4, 0, 255);
  ExpectGlyph(c, true, HangulIndex("\xB1\xDB"), 15, 4, 0, 255);
  ExpectGlyph(c, true, HangulIndex("\xB5\xBF"), 33, 4, 0, 255);
  ExpectGlyph(c, true, HangulIndex("\xC0\xDB"), 45, 4, 0, 255);
  int expected = 0;
  for (const char* ch : {"\xC7\xD1", "\xB1\xDB", "\xB5\xBF", "\xC0\xDB"})
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) expected += HangulInk(HangulIndex(ch), x, y);
  EXPECT_EQ(InkCount(c, 255), expected);
}

TEST(DrawText, LeadByteBeforeTheTerminatorStopsTheWalk) {
  // The string lives in a buffer that ends right after the terminator, so a read
  // past it shows under the address sanitizer.
  auto buffer = std::make_unique<char[]>(3);
  buffer[0] = 'x';
  buffer[1] = static_cast<char>(0xB0);
  buffer[2] = 0;
  TextCanvas c(40, 20);
  EXPECT_EQ(c.dc->DrawText(0, 0, buffer.get()), 1);
  ExpectGlyph(c, false, 'x', 0, 0, 0, 255);
  ExpectGlyph(c, true, kReplacementGlyph, 6, 0, 0, 255);
}

TEST(DrawText, OutlineSurroundsEachInkPixel) {
  // A one-pixel glyph isolates the outline rule: ink at (5, 5) and colour 3 on
  // its four neighbours.
  std::vector<uint8_t> font = {8, 0, 0, 0, 12, 0, 0, 0};
  font.resize(8 + 2 * 12, 0);
  font[8 + 12 + 5] = 0x80 >> 5;  // glyph 1, row 5, column 5
  BitmapFont dot;
  ASSERT_TRUE(ParseBitmapFont(font.data(), font.size(), dot));
  Canvas c(20, 20, 255);
  c.dc->SetFonts(&dot, &TestFonts().hangul);
  c.dc->setTextColor(9);
  c.dc->setTextOutlineColor(3);
  c.dc->setTextFlags(kTextOutline);
  c.dc->DrawText(0, 0, "\x01");
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      uint8_t want = 255;
      if (x == 5 && y == 5) want = 9;
      if ((std::abs(x - 5) + std::abs(y - 5)) == 1) want = 3;
      ASSERT_EQ(c.at(x, y), want) << x << "," << y;
    }
}

TEST(DrawText, OutlineWithBackgroundPaintsOnlyTheRightCopy) {
  std::vector<uint8_t> font = {8, 0, 0, 0, 12, 0, 0, 0};
  font.resize(8 + 2 * 12, 0);
  font[8 + 12 + 5] = 0x80 >> 5;
  BitmapFont dot;
  ASSERT_TRUE(ParseBitmapFont(font.data(), font.size(), dot));
  Canvas c(20, 20, 255);
  c.dc->SetFonts(&dot, &TestFonts().hangul);
  c.dc->setTextColor(9);
  c.dc->setTextOutlineColor(3);
  c.dc->setTextBackground(50);
  c.dc->setTextFlags(kTextOutline);
  c.dc->DrawText(0, 0, "\x01");
  // The copy one pixel right carries the background: columns 1..8, rows 0..11;
  // the copies above and below draw their ink over it afterwards.
  EXPECT_EQ(c.at(1, 0), 50);
  EXPECT_EQ(c.at(8, 11), 50);
  EXPECT_EQ(c.at(0, 0), 255);
  EXPECT_EQ(c.at(9, 0), 255);
  EXPECT_EQ(c.at(6, 5), 3);
  EXPECT_EQ(c.at(5, 4), 3);
  EXPECT_EQ(c.at(5, 5), 9);
  EXPECT_EQ(c.at(4, 5), 50) << "the left copy's ink lies under the right copy's background";
}

TEST(DrawText, ShadowIsOnePixelRightAndDown) {
  TextCanvas c(30, 30);
  c.dc->setTextColor(10);
  c.dc->setTextOutlineColor(4);
  c.dc->setTextFlags(kTextShadow);
  c.dc->DrawText(2, 2, "W");
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      const bool ink = x >= 2 && y >= 2 && x < 10 && y < 14 && AsciiInk('W', x - 2, y - 2);
      const bool shadow = x >= 3 && y >= 3 && x < 11 && y < 15 && AsciiInk('W', x - 3, y - 3);
      ASSERT_EQ(c.at(x, y), ink ? 10 : shadow ? 4 : 255) << x << "," << y;
    }
}

TEST(DrawText, ShadowCarriesTheBackgroundAndTheGlyphDoesNot) {
  TextCanvas c(30, 30);
  c.dc->setTextColor(10);
  c.dc->setTextOutlineColor(4);
  c.dc->setTextBackground(60);
  c.dc->setTextFlags(kTextShadow);
  c.dc->DrawText(2, 2, "W");
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      const bool ink = x >= 2 && y >= 2 && x < 10 && y < 14 && AsciiInk('W', x - 2, y - 2);
      const bool shadowCell = x >= 3 && y >= 3 && x < 11 && y < 15;
      const bool shadow = shadowCell && AsciiInk('W', x - 3, y - 3);
      ASSERT_EQ(c.at(x, y), ink ? 10 : shadow ? 4 : shadowCell ? 60 : 255) << x << "," << y;
    }
}

TEST(DrawText, GradientRisesAfterEachOddSurfaceRow) {
  // Glyph 1 of this font is solid ink, so every row shows its colour.
  std::vector<uint8_t> font = {8, 0, 0, 0, 12, 0, 0, 0};
  font.resize(8 + 2 * 12, 0xFF);
  BitmapFont solid;
  ASSERT_TRUE(ParseBitmapFont(font.data(), font.size(), solid));
  const int evenStart[12] = {100, 100, 101, 101, 102, 102, 103, 103, 104, 104, 105, 105};
  const int oddStart[12] = {100, 101, 101, 102, 102, 103, 103, 104, 104, 105, 105, 106};
  for (int top : {0, 1, 6, 7}) {
    Canvas c(10, 30, 255);
    c.dc->SetFonts(&solid, &TestFonts().hangul);
    c.dc->setTextColor(100);
    c.dc->setTextFlags(kTextGradient);
    c.dc->DrawText(0, top, "\x01\x01");
    for (int r = 0; r < 12; ++r) {
      ASSERT_EQ(c.at(0, top + r), (top & 1 ? oddStart : evenStart)[r]) << "top " << top << " row " << r;
      ASSERT_EQ(c.at(6, top + r), (top & 1 ? oddStart : evenStart)[r]) << "the second glyph starts again";
    }
  }
}

TEST(DrawText, GradientIsNotShiftedByClipping) {
  std::vector<uint8_t> font = {8, 0, 0, 0, 12, 0, 0, 0};
  font.resize(8 + 2 * 12, 0xFF);
  BitmapFont solid;
  ASSERT_TRUE(ParseBitmapFont(font.data(), font.size(), solid));
  Canvas c(10, 30, DrawRectangle{0, 5, 9, 29}, 255);
  c.dc->SetFonts(&solid, &TestFonts().hangul);
  c.dc->setTextColor(100);
  c.dc->setTextFlags(kTextGradient);
  c.dc->DrawText(0, -3, "\x01");  // surface rows 2..13, rows 2..4 clipped away
  EXPECT_EQ(c.at(0, 4), 255);
  EXPECT_EQ(c.at(0, 5), 101);
  EXPECT_EQ(c.at(0, 6), 102);
  EXPECT_EQ(c.at(0, 13), 105);
}

TEST(DrawText, PositionIsRelativeToTheClipAndClipped) {
  TextCanvas c(60, 40, DrawRectangle{10, 8, 30, 25});
  c.dc->DrawText(-3, 0, "H");  // partly left of the clip
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      const int gx = x - 7, gy = y - 8;
      const bool ink = gx >= 0 && gx < 8 && gy >= 0 && gy < 12 && AsciiInk('H', gx, gy) && x >= 10;
      ASSERT_EQ(c.at(x, y), ink ? 0 : 255) << x << "," << y;
    }
  TextCanvas d(60, 40, DrawRectangle{10, 8, 30, 25});
  d.dc->DrawText(25, 0, "HH");   // starts right of the clip
  d.dc->DrawText(0, -20, "HH");  // wholly above
  EXPECT_EQ(InkCount(d, 255), 0);
}

TEST(DrawText, NeedsFontsAndPixels) {
  Canvas c(20, 20, 255);
  EXPECT_EQ(c.dc->DrawText(0, 0, "A"), 0);
  c.dc->SetFonts(&TestFonts().ascii, nullptr);
  EXPECT_EQ(c.dc->DrawText(0, 0, "A"), 0);
  c.dc->SetFonts(&TestFonts().ascii, &TestFonts().hangul);
  EXPECT_EQ(c.dc->DrawText(0, 0, nullptr), 0);
  EXPECT_EQ(InkCount(c, 255), 0);
}
