#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "graphics/bitmap_font.h"
#include "graphics/builtin_fonts.h"
#include "support/graphics_test_support.h"
#include "support/scratch_folder.h"

namespace {

// The committed font files read from the source tree, independent of the copy
// compiled into graphics_fonts.
struct Fonts {
  std::vector<uint8_t> asciiBytes = FileBytes(PLYK_SOURCE_DIR "/src/graphics/fonts/ascii_6x12.fnt");
  std::vector<uint8_t> hangulBytes = FileBytes(PLYK_SOURCE_DIR "/src/graphics/fonts/hangul_12x12.fnt");
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
bool Ink(bool hangul, int glyph, int x, int y) {
  const std::vector<uint8_t>& file = hangul ? TestFonts().hangulBytes : TestFonts().asciiBytes;
  const int bytesPerRow = hangul ? 2 : 1;
  return (file[8 + static_cast<size_t>((glyph * 12 + y) * bytesPerRow + x / 8)] >> (7 - x % 8)) & 1;
}

int HangulIndex(const char* twoBytes) {
  const auto* b = reinterpret_cast<const unsigned char*>(twoBytes);
  return (b[0] - 0xA4) * 96 + (b[1] - 0xA0);
}

// An 8 x 12 font of two glyphs: glyph 1 is a single dot at (5, 5), or solid.
const BitmapFont& TinyFont(bool solid) {
  static std::vector<uint8_t> bytes[2];
  static BitmapFont fonts[2];
  std::vector<uint8_t>& b = bytes[solid];
  if (b.empty()) {
    b = {8, 0, 0, 0, 12, 0, 0, 0};
    b.resize(8 + 2 * 12, solid ? 0xFF : 0);
    if (!solid) b[8 + 12 + 5] = 0x80 >> 5;
    ParseBitmapFont(b.data(), b.size(), fonts[solid]);
  }
  return fonts[solid];
}

// A canvas with the committed fonts and text colour 0, or the tiny font for ASCII.
struct TextCanvas : Canvas {
  TextCanvas(int w, int h, const DrawRectangle* viewport = nullptr, const BitmapFont* ascii = nullptr)
      : Canvas(w, h, viewport, 255) {
    dc->SetFonts(ascii ? ascii : &TestFonts().ascii, &TestFonts().hangul);
    dc->setTextColour(0);
  }
};

// The picture a text should leave: every glyph's ink over the untouched surface, and
// its padded cell in cellBg when that is not 0.
struct Expected {
  int w, h;
  std::vector<uint8_t> px;
  Expected(int w, int h) : w(w), h(h), px(static_cast<size_t>(w * h), 255) {}
  void glyph(bool hangul, int g, int x, int y, uint8_t ink, int cellBg = 0, int clipLeft = 0) {
    for (int gy = 0; gy < 12; ++gy)
      for (int gx = 0; gx < (hangul ? 16 : 8); ++gx) {
        const int X = x + gx, Y = y + gy;
        if (X < clipLeft || Y < 0 || X >= w || Y >= h) continue;
        if (Ink(hangul, g, gx, gy)) {
          px[static_cast<size_t>(Y * w + X)] = ink;
        } else if (cellBg) {
          px[static_cast<size_t>(Y * w + X)] = static_cast<uint8_t>(cellBg);
        }
      }
  }
  uint8_t operator()(int x, int y) const { return px[static_cast<size_t>(y * w + x)]; }
};

}  // namespace

TEST(BitmapFonts, FilesHaveTheResourceLayoutAndTheGlyphs) {
  const Fonts& f = TestFonts();
  EXPECT_EQ(std::make_pair(f.ascii.glyphCount, f.hangul.glyphCount), std::make_pair(128, 3552));
  EXPECT_EQ(std::make_pair(LoadU32(f.asciiBytes.data()), LoadU32(f.hangulBytes.data())),
            std::make_pair(6u, 12u));
  // The embedded copy is the same bytes.
  EXPECT_EQ(f.asciiBytes,
            std::vector<uint8_t>(BuiltinAsciiFontData(), BuiltinAsciiFontData() + BuiltinAsciiFontSize()));
  EXPECT_EQ(f.hangulBytes,
            std::vector<uint8_t>(BuiltinHangulFontData(), BuiltinHangulFontData() + BuiltinHangulFontSize()));
  auto inked = [](bool hangul, int g, int fromX = 0) {
    for (int y = 0; y < 12; ++y)
      for (int x = fromX; x < (hangul ? 16 : 8); ++x)
        if (Ink(hangul, g, x, y)) return true;
    return false;
  };
  for (int c = 0; c < 128; ++c) {
    EXPECT_TRUE(c < 32 || c == 127 || inked(false, c) == (c != 32)) << c;
    EXPECT_FALSE(inked(false, c, 6)) << "padding columns of " << c;
  }
  // Every precomposed syllable (rows 0xB0 to 0xC8, cells 1 to 94) and jamo has ink;
  // 0xA4D4 is the blank filler, cells 0 and 95 are not characters (cell 0 of 0xB0
  // holds the replacement square).
  for (int lead = 0xA4; lead <= 0xC8; lead += lead == 0xA4 ? 12 : 1)
    for (int cell = 0; cell <= 95; ++cell)
      ASSERT_EQ(inked(true, (lead - 0xA4) * 96 + cell),
                (cell > 0 && cell < 95 && (lead > 0xA4 || cell != 0x34)) || (lead == 0xB0 && cell == 0))
          << lead << " " << cell;
}

TEST(BitmapFonts, ParseRefusesBadHeaders) {
  const uint8_t tooSmall[8] = {6, 0, 0, 0, 12, 0, 0, 0};
  const uint8_t badWidth[20] = {0, 0, 0, 0, 12, 0, 0, 0};
  const uint8_t huge[20] = {0, 0, 0, 0x40, 12, 0, 0, 0};
  BitmapFont f;
  for (auto [data, size] : {std::pair<const uint8_t*, size_t>{tooSmall, 8},
                            {badWidth, 20},
                            {huge, 20},
                            {nullptr, 100},
                            {tooSmall, 4}})
    EXPECT_FALSE(ParseBitmapFont(data, size, f)) << size;
  const uint8_t oneRow[10] = {10, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xC0};  // one pixel tall, two bytes a row
  EXPECT_TRUE(ParseBitmapFont(oneRow, 10, f) && f.height == 1 && f.glyphCount == 1);
  // Glyphs up to 64 x 64; one pixel wider is refused.
  std::vector<uint8_t> largest(8 + 9 * 64, 0);
  largest[0] = largest[4] = 64;
  EXPECT_TRUE(ParseBitmapFont(largest.data(), largest.size(), f) && f.width == 64 && f.height == 64);
  largest[0] = 65;
  EXPECT_FALSE(ParseBitmapFont(largest.data(), largest.size(), f));
}

TEST(DrawText, GlyphChoiceAdvanceAndBackground) {
  struct Case {
    std::string text;
    int background;
    std::vector<std::tuple<bool, int, int>> glyphs;  // hangul, glyph, x offset
    int flags = 0;
  };
  const std::string phrase = "한글 동작";  // CP949 bytes at run time
  ASSERT_EQ(phrase, "\xC7\xD1\xB1\xDB \xB5\xBF\xC0\xDB");
  std::vector<Case> cases = {
      {"A", 0, {{false, 'A', 0}}},
      {"A", 7, {{false, 'A', 0}}},  // the background fills the padded cell
      // A lead byte right before the terminator stops the walk.
      {"x\xB0", 0, {{false, 'x', 0}, {true, kReplacementGlyph, 6}}},
      // The shadow is the text one pixel right and down in the outline colour, carrying
      // the background; the text itself is drawn over it without one.
      {"W", 0, {{false, 'W', 0}}, kTextShadow},
      {"Wj", 60, {{false, 'W', 0}, {false, 'j', 6}}, kTextShadow},
      {"ab\xB0\xA1Z", 0, {{false, 'a', 0}, {false, 'b', 6}, {true, 1153, 12}, {false, 'Z', 24}}},
      {"\xA5\xB0", 0, {{true, 96 + 0x10, 0}}},                // a symbol row with its own glyphs
      {"\xB1\xA0", 0, {{true, 1248, 0}}},                     // trail byte 0xA0: cell 0 of its row, blank
      {"\xC8\xFE", 0, {{true, HangulIndex("\xC8\xFE"), 0}}},  // the last lead's last cell
      {phrase,
       0,
       {{true, HangulIndex("\xC7\xD1"), 0},
        {true, HangulIndex("\xB1\xDB"), 12},
        {true, HangulIndex("\xB5\xBF"), 30},
        {true, HangulIndex("\xC0\xDB"), 42}}},
  };
  // Symbol rows 0xA1..0xA3, leads past 0xC8 and trail bytes below 0xA0 show the
  // replacement square.
  for (const char* text : {"\xA1\xA1", "\xA3\xC1", "\xC9\xA1", "\xFD\xFE", "\xB0\x41", "\x80\xA1"})
    cases.push_back({text, 0, {{true, kReplacementGlyph, 0}}});
  for (const Case& c : cases) {
    TextCanvas canvas(80, 20);
    canvas.dc->setTextBackground(c.background);
    canvas.dc->setTextOutlineColour(4);
    canvas.dc->setTextFlags(c.flags);
    // The text lives in a buffer that ends right after the terminator, so a read past
    // it shows under the address sanitizer.
    auto text = std::make_unique<char[]>(c.text.size() + 1);
    std::copy(c.text.c_str(), c.text.c_str() + c.text.size() + 1, text.get());
    EXPECT_EQ(canvas.dc->DrawText(3, 4, text.get()), 1);
    Expected want(80, 20);
    for (auto [hangul, glyph, x] : c.glyphs) {
      if (c.flags) want.glyph(hangul, glyph, 4 + x, 5, 4, c.background);
      want.glyph(hangul, glyph, 3 + x, 4, 0, c.flags ? 0 : c.background);
    }
    ExpectPixels(canvas, want, c.text);
  }
}

TEST(DrawText, OutlineSurroundsEachInkPixel) {
  for (int background : {0, 50}) {
    TextCanvas c(20, 20, nullptr, &TinyFont(false));
    c.dc->setTextColour(9);
    c.dc->setTextOutlineColour(3);
    c.dc->setTextBackground(background);
    c.dc->setTextFlags(kTextOutline);
    c.dc->DrawText(0, 0, "\x01");
    // Ink at (5, 5), colour 3 on its four neighbours. With a background the copy
    // one pixel right carries it (columns 1..8, rows 0..11) and the copies above
    // and below draw their ink over it afterwards.
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) {
        uint8_t want = background && x >= 1 && x <= 8 && y < 12 ? 50 : 255;
        if (std::abs(x - 5) + std::abs(y - 5) == 1 && !(background && x == 4)) want = 3;
        if (x == 5 && y == 5) want = 9;
        ASSERT_EQ(c.at(x, y), want) << background << " at " << x << "," << y;
      }
  }
  const DrawRectangle view{0, 0, 9, 19};
  TextCanvas c(20, 20, &view, &TinyFont(true));
  c.dc->setTextOutlineColour(3);
  c.dc->setTextFlags(kTextOutline);
  c.dc->DrawText(10, 0, "\x01");  // right of the clip, but its outline's left copy reaches in
  EXPECT_EQ(c.at(9, 0), 3);
}

TEST(DrawText, GradientRisesAfterEachOddSurfaceRowAndIgnoresClipping) {
  const int evenStart[12] = {100, 100, 101, 101, 102, 102, 103, 103, 104, 104, 105, 105};
  const int oddStart[12] = {100, 101, 101, 102, 102, 103, 103, 104, 104, 105, 105, 106};
  for (int top : {0, 1, 6, 7}) {
    TextCanvas c(10, 30, nullptr, &TinyFont(true));
    c.dc->setTextColour(100);
    c.dc->setTextFlags(kTextGradient);
    c.dc->DrawText(0, top, "\x01\x01");
    for (int r = 0; r < 12; ++r) {
      ASSERT_EQ(c.at(0, top + r), (top & 1 ? oddStart : evenStart)[r]) << "top " << top << " row " << r;
      ASSERT_EQ(c.at(6, top + r), (top & 1 ? oddStart : evenStart)[r]) << "the second glyph starts again";
    }
  }
  const DrawRectangle clip{0, 5, 9, 29};
  TextCanvas c(10, 30, &clip, &TinyFont(true));
  c.dc->setTextColour(100);
  c.dc->setTextFlags(kTextGradient);
  c.dc->DrawText(0, -3, "\x01");  // surface rows 2..13, rows 2..4 clipped away
  const std::vector<uint8_t> rows4To6And13 = {c.at(0, 4), c.at(0, 5), c.at(0, 6), c.at(0, 13)};
  EXPECT_EQ(rows4To6And13, (std::vector<uint8_t>{255, 101, 102, 105}));
}

TEST(DrawText, PositionIsRelativeToTheClipAndClipped) {
  const DrawRectangle clip{10, 8, 30, 25};
  TextCanvas c(60, 40, &clip);
  c.dc->DrawText(-3, 0, "H");    // partly left of the clip
  c.dc->DrawText(25, 0, "HH");   // starts right of the clip
  c.dc->DrawText(0, -20, "HH");  // wholly above
  Expected want(60, 40);
  want.glyph(false, 'H', 7, 8, 0, 0, 10);
  ExpectPixels(c, want, "H");
}

TEST(DrawText, NeedsFontsAndText) {
  Canvas c(20, 20, 255);
  EXPECT_EQ(c.dc->DrawText(0, 0, "A"), 0);
  c.dc->SetFonts(&TestFonts().ascii, nullptr);
  EXPECT_EQ(c.dc->DrawText(0, 0, "A"), 0);
  c.dc->SetFonts(&TestFonts().ascii, &TestFonts().hangul);
  EXPECT_EQ(c.dc->DrawText(0, 0, nullptr), 0);
  EXPECT_EQ(c.snapshot(), std::vector<uint8_t>(400, 255));
}
