// The colour dialog of both programs and the interface colours' palette indices.
#include "ui/colour_dialog.h"

#include <gtest/gtest.h>

TEST(ColourDialog, OkHandsBackTheCopiesWhoseIndicesAreTheNearestEntries) {
  // Entries 40 and 41 hold the colours picked below; every other entry is far from them.
  PaletteBlock palette;
  for (int k = 0; k < 768; ++k) palette.palette()[k] = k % 3 == 1 ? 0 : 128;
  for (int k = 0; k < 3; ++k) palette.palette()[3 * 40 + k] = k == 0 ? 255 : 0;
  for (int k = 0; k < 3; ++k) palette.palette()[3 * 41 + k] = 0x10 * (k + 1);
  for (const bool confirmed : {false, true}) {
    uint32_t colours[2] = {0x00FFFFFF, 0x00302010};
    int32_t indices[2] = {-1, -1};
    CustomColours custom{};
    const InterfaceColours table{{4, &colours[0], &indices[0]}, {7, &colours[1], &indices[1]}};
    ColourDialog dialog(table, custom);
    EXPECT_EQ(dialog.buttons(), (std::vector<int>{4, 7}));
    dialog.pick(4, 0xFF0000FF);  // the top byte is dropped
    dialog.pick(9, 0x00123456);  // not a swatch: ignored
    dialog.customColours()[0] = 0x00010203;
    EXPECT_EQ(dialog.colourOf(4), 0x000000FFu);
    EXPECT_EQ(colours[0], 0x00FFFFFFu) << "a pick changes only the copy";
    if (confirmed) {
      EXPECT_TRUE(dialog.ok().accepted);
      RecomputeColourIndices(table, palette);
      EXPECT_EQ(std::vector<int32_t>(indices, indices + 2), (std::vector<int32_t>{40, 41}));
    }
    EXPECT_EQ(colours[0], confirmed ? 0x000000FFu : 0x00FFFFFFu) << confirmed;
    EXPECT_EQ(custom[0], 0x00010203u) << "the chooser's colours are kept either way";
  }
}
