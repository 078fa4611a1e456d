// The colour dialog of both programs and the interface colours' palette indices.
#include "ui/colour_dialog.h"

#include <gtest/gtest.h>

namespace {

// Three colours as a program's settings hold them, swatches 4, 7 and 8.
struct Settings {
  uint32_t colours[3] = {0x00FFFFFF, 0x007F0000, 0x00000000};
  int32_t indices[3] = {-1, -1, -1};
  CustomColours custom{};
  InterfaceColours table() {
    return {{4, &colours[0], &indices[0]}, {7, &colours[1], &indices[1]}, {8, &colours[2], &indices[2]}};
  }
};

}  // namespace

TEST(ColourDialog, WorksOnCopiesThatOnlyOkHandsBack) {
  for (const bool confirmed : {false, true}) {
    Settings s;
    ColourDialog dialog(s.table(), s.custom);
    EXPECT_EQ(dialog.buttons(), (std::vector<int>{4, 7, 8}));
    EXPECT_EQ(dialog.colourOf(7), 0x007F0000u);
    EXPECT_FALSE(dialog.isSwatch(1));  // OK is no swatch
    dialog.pick(4, 0xFF0000FF);        // the top byte is dropped
    dialog.pick(9, 0x00123456);        // not a swatch: ignored
    dialog.customColours()[0] = 0x00010203;
    EXPECT_EQ(dialog.colourOf(4), 0x000000FFu);
    EXPECT_EQ(dialog.colourOf(9), 0u);
    EXPECT_EQ(s.colours[0], 0x00FFFFFFu) << "a pick changes only the copy";
    if (confirmed) {
      EXPECT_TRUE(dialog.ok().accepted);
    }
    EXPECT_EQ(s.colours[0], confirmed ? 0x000000FFu : 0x00FFFFFFu) << confirmed;
    EXPECT_EQ(s.colours[1], 0x007F0000u);
    EXPECT_EQ(s.custom[0], 0x00010203u) << "the chooser's colours are kept either way";
  }
}

TEST(InterfaceColours, EachIndexIsTheNearestPaletteEntry) {
  // The three colours at entries 40, 41 and 42; every other entry is far from them.
  Settings s;
  PaletteBlock palette;
  for (int k = 0; k < 768; ++k) palette.palette()[k] = k % 3 == 1 ? 0 : 128;
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < 3; ++k)
      palette.palette()[3 * (40 + i) + k] = static_cast<uint8_t>(s.colours[i] >> (8 * k));
  RecomputeColourIndices(s.table(), palette);
  EXPECT_EQ(std::vector<int32_t>(s.indices, s.indices + 3), (std::vector<int32_t>{40, 41, 42}));
}
