#include "graphics/shown_frame.h"

#include <gtest/gtest.h>

#include <array>
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
  // The areas that changed at this width, as left, top, right, bottom.
  using Areas = std::vector<std::array<int, 4>>;
  const auto changes = [&](int width) {
    Areas out;
    for (const DrawRectangle& a : shown.changes(pixels.data(), kPitch, width, kHeight, colours.data()))
      out.push_back({a.left, a.top, a.right, a.bottom});
    return out;
  };
  const Areas all = {{0, 0, kWidth, kHeight}}, narrower = {{0, 0, kWidth - 1, kHeight}};
  EXPECT_EQ(changes(kWidth), all);
  EXPECT_EQ(changes(kWidth), Areas{});
  EXPECT_EQ(changes(0), Areas{});
  colours[517] = 1;
  EXPECT_EQ(changes(kWidth), all);
  EXPECT_EQ(changes(kWidth - 1), narrower);
  shown.forget();
  EXPECT_EQ(changes(kWidth - 1), narrower);
  // Two spots far apart stay two small areas; the pitch's padding is never compared.
  pixels[3 * kPitch + 5] = 7;
  pixels[25 * kPitch + 30] = 7;
  pixels[10 * kPitch + kWidth] = 7;
  EXPECT_EQ(changes(kWidth - 1), (Areas{{5, 3, 6, 4}, {30, 25, 31, 26}}));
  // Rows kRowGap apart share an area; one row further they are apart.
  const int gap = ShownFrame::kRowGap;
  pixels[40 * kPitch + 2] = pixels[(40 + gap) * kPitch + 4] = 7;
  pixels[(41 + 2 * gap) * kPitch + 9] = 7;
  EXPECT_EQ(changes(kWidth - 1), (Areas{{2, 40, 5, 41 + gap}, {9, 41 + 2 * gap, 10, 42 + 2 * gap}}));
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
