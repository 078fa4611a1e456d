#include "graphics/shown_frame.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr int kWidth = 40, kHeight = 200, kPitch = 44;

bool Inside(const std::vector<DrawRectangle>& areas, int x, int y) {
  for (const DrawRectangle& a : areas) {
    if (x >= a.left && x < a.right && y >= a.top && y < a.bottom) return true;
  }
  return false;
}

}  // namespace

TEST(ShownFrame, WholeFrameFirstAndAfterAnyChangeOfSizeColoursOrForget) {
  std::vector<uint8_t> pixels(kPitch * kHeight, 1), colours(1024, 0);
  ShownFrame shown;
  const DrawRectangle all{0, 0, kWidth, kHeight};
  const auto only = [](const std::vector<DrawRectangle>& areas, DrawRectangle r) {
    return areas.size() == 1 && areas[0].left == r.left && areas[0].top == r.top &&
           areas[0].right == r.right && areas[0].bottom == r.bottom;
  };
  EXPECT_TRUE(only(shown.changes(pixels.data(), kPitch, kWidth, kHeight, colours.data()), all));
  EXPECT_TRUE(shown.changes(pixels.data(), kPitch, kWidth, kHeight, colours.data()).empty());
  EXPECT_TRUE(shown.changes(pixels.data(), kPitch, 0, kHeight, colours.data()).empty());
  colours[517] = 1;
  EXPECT_TRUE(only(shown.changes(pixels.data(), kPitch, kWidth, kHeight, colours.data()), all));
  EXPECT_TRUE(only(shown.changes(pixels.data(), kPitch, kWidth - 1, kHeight, colours.data()),
                   DrawRectangle{0, 0, kWidth - 1, kHeight}));
  shown.forget();
  EXPECT_TRUE(only(shown.changes(pixels.data(), kPitch, kWidth - 1, kHeight, colours.data()),
                   DrawRectangle{0, 0, kWidth - 1, kHeight}));
  // Two spots far apart stay two small areas; the pitch's padding is never compared.
  pixels[3 * kPitch + 5] = 7;
  pixels[25 * kPitch + 30] = 7;
  pixels[10 * kPitch + kWidth] = 7;
  const std::vector<DrawRectangle> two =
      shown.changes(pixels.data(), kPitch, kWidth - 1, kHeight, colours.data());
  ASSERT_EQ(two.size(), 2u);
  EXPECT_TRUE(only({two[0]}, DrawRectangle{5, 3, 6, 4}));
  EXPECT_TRUE(only({two[1]}, DrawRectangle{30, 25, 31, 26}));
  // Rows kRowGap apart share an area; one row further they are apart.
  pixels[40 * kPitch + 2] = pixels[(40 + ShownFrame::kRowGap) * kPitch + 4] = 7;
  pixels[(41 + 2 * ShownFrame::kRowGap) * kPitch + 9] = 7;
  const std::vector<DrawRectangle> gap =
      shown.changes(pixels.data(), kPitch, kWidth - 1, kHeight, colours.data());
  ASSERT_EQ(gap.size(), 2u);
  EXPECT_TRUE(only({gap[0]}, DrawRectangle{2, 40, 5, 41 + ShownFrame::kRowGap}));
  EXPECT_TRUE(
      only({gap[1]}, DrawRectangle{9, 41 + 2 * ShownFrame::kRowGap, 10, 42 + 2 * ShownFrame::kRowGap}));
}

TEST(ShownFrame, EveryChangedPixelIsInAnAreaAndOnlyChangesAreReported) {
  std::mt19937 random(7);
  std::vector<uint8_t> pixels(kPitch * kHeight, 0), before;
  ShownFrame shown;
  shown.changes(pixels.data(), kPitch, kWidth, kHeight, nullptr);
  for (int round = 0; round < 200; ++round) {
    before = pixels;
    const int spots = static_cast<int>(random() % 30);  // up to 30 spots: often more areas than kept apart
    for (int i = 0; i < spots; ++i)
      pixels[(random() % kHeight) * kPitch + random() % kWidth] ^= 1 + random() % 255;
    const std::vector<DrawRectangle> areas = shown.changes(pixels.data(), kPitch, kWidth, kHeight, nullptr);
    ASSERT_LE(areas.size(), static_cast<size_t>(ShownFrame::kMaxAreas));
    bool changed = false;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (pixels[y * kPitch + x] == before[y * kPitch + x]) continue;
        changed = true;
        ASSERT_TRUE(Inside(areas, x, y)) << "round " << round << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(changed, !areas.empty()) << "round " << round;
  }
}
