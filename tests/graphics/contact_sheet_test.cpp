#include <gtest/gtest.h>

#include "graphics/builtin_fonts.h"
#include "graphics/contact_sheet.h"
#include "sprites/sprite_set.h"
#include "support/graphics_test_support.h"

namespace {

// The sheet drawn by hand from the rules: background 255; sprite i in cell
// (i mod columns, i div columns); up to 60 x 60 centred, larger scaled with
// nearest-pixel sampling; then the label with a one-pixel outline.
std::vector<uint8_t> ExpectedSheet(const std::vector<Sprite>& sprites, int columns, int& w, int& h) {
  const int rows = (static_cast<int>(sprites.size()) + columns - 1) / columns;
  w = columns * 61;
  h = rows * 61;
  std::vector<uint8_t> img(static_cast<size_t>(w * h), 255);
  auto put = [&](int x, int y, uint8_t v) {
    if (x >= 0 && y >= 0 && x < w && y < h) img[static_cast<size_t>(y * w + x)] = v;
  };
  for (size_t i = 0; i < sprites.size(); ++i) {
    const Sprite& s = sprites[i];
    const int cx = static_cast<int>(i) % columns * 61, cy = static_cast<int>(i) / columns * 61;
    if (s.width <= 60 && s.height <= 60) {
      const int ox = cx + (60 - s.width) / 2, oy = cy + (60 - s.height) / 2;
      for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
          if (s.at(x, y)) put(ox + x, oy + y, s.at(x, y));
    } else {
      const int longest = std::max(s.width, s.height);
      const int dw = s.width * 60 / longest, dh = s.height * 60 / longest;
      const int ox = cx + (s.width > s.height ? 0 : (60 - dw) / 2);
      const int oy = cy + (s.width > s.height ? (60 - dh) / 2 : 0);
      for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
          const uint8_t v = s.at(x * longest / 60, y * longest / 60);
          if (v) put(ox + x, oy + y, v);
        }
    }
    const std::string label = std::to_string(i);
    for (int pass = 0; pass < 2; ++pass)
      for (size_t k = 0; k < label.size(); ++k)
        for (int gy = 0; gy < 12; ++gy)
          for (int gx = 0; gx < 8; ++gx) {
            if (!BuiltinAsciiFont().ink(label[k], gx, gy)) continue;
            const int x = cx + 1 + static_cast<int>(k) * 6 + gx, y = cy + 1 + gy;
            if (pass == 0)  // the outline first, then the ink over it
              for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) put(x + dx, y + dy, 255);
            else
              put(x, y, 0);
          }
  }
  return img;
}

}  // namespace

TEST(ContactSheet, PlacementAndLayout) {
  // width, height: x, y, scaled, scale
  for (auto [w, h, x, y, scaled, scale] : {std::tuple{20, 10, 20, 25, false, 1.0f},
                                           {60, 60, 0, 0, false, 1.0f},
                                           {120, 30, 0, 22, true, 0.5f},     // (60 - 15) / 2 truncated
                                           {61, 200, 20, 0, true, 0.3f}}) {  // (60 - 18.3) / 2 = 20.85
    const ThumbnailPlacement p = PlaceThumbnail(w, h);
    EXPECT_EQ(std::make_tuple(p.x, p.y, p.scaled), std::make_tuple(x, y, scaled)) << w << "x" << h;
    EXPECT_FLOAT_EQ(p.scale, scale) << w << "x" << h;
  }
  // count, columns: columns, rows, width, height
  for (auto [count, columns, c, r, w, h] :
       {std::tuple{0, 8, 8, 1, 488, 61}, {17, 8, 8, 3, 488, 183}, {5, 0, 1, 5, 61, 305}}) {
    const ContactSheetLayout l = LayoutContactSheet(count, columns);
    EXPECT_EQ(std::make_tuple(l.columns, l.rows, l.width, l.height), std::make_tuple(c, r, w, h)) << count;
  }
  SpriteSet many;
  for (int i = 0; i < 2000; ++i) many.Append(std::make_unique<Sprite>(PatternSprite(2, 2, i)));
  Surface s;
  for (int columns : {1, 1000}) {  // too many rows; a sheet wider than any surface
    std::string error;
    EXPECT_FALSE(DrawContactSheet(s, many, TestPalette(), columns, nullptr, nullptr, error));
    EXPECT_FALSE(error.empty()) << columns;
  }
}

TEST(ContactSheet, PixelsMatchTheThumbnailRules) {
  // A small set: tiny, odd-sized, exactly 60, wide and tall ones needing scaling
  // by factors that are exact in binary (0.5, 0.25) so sampling is unambiguous.
  std::vector<Sprite> sprites = {PatternSprite(3, 2, 1),    PatternSprite(17, 33, 2),
                                 PatternSprite(60, 60, 3),  PatternSprite(120, 40, 4),
                                 PatternSprite(30, 240, 5), PatternSprite(1, 1, 6, false),
                                 PatternSprite(59, 7, 7)};
  SpriteSet set;
  for (const Sprite& s : sprites) set.Append(std::make_unique<Sprite>(s));
  Surface surface;
  std::string error;
  ASSERT_TRUE(
      DrawContactSheet(surface, set, TestPalette(), 3, &BuiltinAsciiFont(), &BuiltinHangulFont(), error))
      << error;
  int w = 0, h = 0;
  const std::vector<uint8_t> want = ExpectedSheet(sprites, 3, w, h);
  ASSERT_EQ(std::make_pair(surface.width(), surface.height()), std::make_pair(w, h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      ASSERT_EQ(surface.pixels()[y * w + x], want[static_cast<size_t>(y * w + x)]) << x << "," << y;
  EXPECT_TRUE(
      std::equal(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), surface.sourcePalette()))
      << "the sheet carries the palette";
}
