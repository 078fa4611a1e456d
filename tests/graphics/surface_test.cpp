#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "support/graphics_test_support.h"

namespace {

struct RecordingPresenter : Presenter {
  std::vector<PresentFrame> frames;
  std::vector<uint8_t> lastPixels, lastColours;
  void present(const PresentFrame& f) override {
    frames.push_back(f);
    lastPixels.assign(f.pixels, f.pixels + f.pitch * f.height);
    lastColours.assign(f.colourTable, f.colourTable + 1024);
  }
};

SurfaceParams Params(int w, int h, Presenter* presenter = nullptr) {
  return {presenter, w, h};
}

}  // namespace

TEST(Surface, LifecycleAndMessages) {
  Surface s;
  EXPECT_STREQ(s.GetMessage(), "Draw Device Not initialized");
  int w = -1, h = 0, p = 0;
  EXPECT_EQ(s.GetSize(&w, nullptr, nullptr), 0);
  EXPECT_EQ(w, -1);
  EXPECT_EQ(s.Release(), 0);
  ASSERT_EQ(s.Create(Params(641, 3)), 1);
  EXPECT_EQ(s.GetMessage(), nullptr);
  ASSERT_EQ(s.GetSize(&w, &h, &p), 1);
  EXPECT_EQ(std::make_tuple(w, h, p), std::make_tuple(641, 3, 641));  // pitch = width
  EXPECT_EQ(std::count(s.Lock(), s.Lock() + 641 * 3, 0), 641 * 3) << "a new image is colour 0";
  s.Lock()[641 * 3 - 1] = 42;  // the last byte belongs to the image
  EXPECT_EQ(s.Init(), 0);      // a second Init fails and keeps the image
  EXPECT_STREQ(s.GetMessage(), "DDERROR : DIB Draw Already initialized ");
  EXPECT_EQ(s.Lock()[641 * 3 - 1], 42);
  EXPECT_EQ(s.Release(), 1);
  EXPECT_EQ(s.GetSize(&w, &h, &p), 0);
  EXPECT_EQ(std::make_tuple(s.width(), s.height(), s.pitch()), std::make_tuple(0, 0, 0));
  for (auto [sw, sh] : {std::pair{32768, 1}, {1, 32768}, {32768, 8192}})  // the largest sides and area
    EXPECT_EQ(Surface().Create(Params(sw, sh)), 1) << sw << "x" << sh;
}

TEST(Surface, ImpossibleSizeFailsCleanlyAndNothingIsDrawn) {
  for (auto [w, h] : {std::pair{0, 10}, {10, -1}, {1 << 20, 1 << 20}, {32768, 8193}, {32769, 1}}) {
    Surface s;
    EXPECT_EQ(s.Create(Params(w, h)), 0);
    EXPECT_STREQ(s.GetMessage(), "DDERROR : Can Not Create DIB Surface");
    EXPECT_FALSE(s.initialized());
    EXPECT_EQ(s.Lock(), nullptr);
    DrawContext dc(&s);
    EXPECT_EQ(dc.PixelAddress(), nullptr);
    EXPECT_EQ(std::make_tuple(dc.Begin(), dc.DrawLine(0, 0, 5, 5, 1, 0), dc.FillRect(0, 0, 5, 5, 1, 0)),
              std::make_tuple(0, 0, 0));
  }
  DrawContext none(nullptr);
  EXPECT_EQ(none.Lock(), nullptr);
  EXPECT_EQ(std::make_pair(none.DrawRect(0, 0, 5, 5, 1, 0), none.DrawText(0, 0, "a")), std::make_pair(0, 0));
  RecordingPresenter rec;
  Surface s;
  s.Create(Params(0, 5, &rec));
  s.Present(1.0f);
  EXPECT_TRUE(rec.frames.empty());
}

TEST(Surface, PaletteColourTableAndMixTable) {
  Surface s;
  ASSERT_EQ(s.Create(Params(4, 4)), 1);
  s.SetPalette(0, 256, TestPalette().bytes.data(), 1);
  uint8_t out[768];
  EXPECT_EQ(s.GetColors(0, 256, out), 1);
  EXPECT_EQ(0, std::memcmp(out, kDefaultPaletteColours.data(), 768));
  EXPECT_EQ(0, std::memcmp(s.mixTable(), TestPalette().mixTable(), 65536));
  // The presented colour table is the same colours in blue, green, red, 0 order.
  for (int i = 0; i < 1024; ++i)
    ASSERT_EQ(s.colourTable()[i], i % 4 == 3 ? 0 : out[i / 4 * 3 + 2 - i % 4]) << i;
  // A partial SetPalette keeps the other colours but replaces the whole mixing table.
  PaletteBlock other;
  for (size_t i = 0; i < kPaletteBlockSize; ++i) other.bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  s.SetPalette(10, 5, other.bytes.data(), 1);
  s.GetColors(0, 256, out);
  for (int i = 0; i < 768; ++i)  // entries 10..14 take the first 15 bytes of the block
    ASSERT_EQ(out[i], i >= 30 && i < 45 ? other.bytes[i - 30] : kDefaultPaletteColours[i]) << i;
  EXPECT_EQ(0, std::memcmp(s.sourcePalette(), out, 768)) << "the block gives five colours, no more";
  EXPECT_EQ(0, std::memcmp(s.mixTable(), other.mixTable(), 65536));
  s.SetPalette(0, 256, TestPalette().bytes.data(), 0);  // without the mix flag the table stays
  s.SetPalette(-5, 3, other.bytes.data(), 0);           // and a range below entry 0 sets no colour
  EXPECT_EQ(0, std::memcmp(s.mixTable(), other.mixTable(), 65536));
  EXPECT_EQ(0, std::memcmp(s.sourcePalette(), kDefaultPaletteColours.data(), 768));
  // SetColors and GetColors use absolute offsets, cut to the 256 entries; nothing
  // before entry 0 is read or written.
  uint8_t rgb[768] = {9};
  std::memcpy(rgb + 600, "\x01\x02\x03", 3);
  s.SetColors(200, 1, rgb);
  s.GetColors(200, 1, out);
  EXPECT_EQ(0, std::memcmp(out + 600, "\x01\x02\x03", 3));
  EXPECT_EQ(s.SetColors(-5, 300, rgb), 1);
  uint8_t guarded[15 + 768];
  std::memset(guarded, 0xAA, sizeof guarded);
  EXPECT_EQ(s.GetColors(-5, 300, guarded + 15), 1);
  EXPECT_EQ(std::count(guarded, guarded + 15, 0xAA), 15);
  EXPECT_EQ(0, std::memcmp(guarded + 15, rgb, 768));
  // Made again, the surface starts black.
  s.Release();
  ASSERT_EQ(s.Create(Params(4, 4)), 1);
  s.GetColors(0, 256, out);
  EXPECT_EQ(std::count(out, out + 768, 0), 768);
}

TEST(Surface, BrightnessAndGammaAdjustDisplayColoursOnly) {
  Surface s;
  ASSERT_EQ(s.Create(Params(4, 4)), 1);
  uint8_t block[768], out[768];
  for (int i = 0; i < 768; ++i) block[i] = static_cast<uint8_t>(i);
  s.SetBrightness(128);
  s.SetPalette(0, 256, block, 0);
  s.GetColors(0, 256, out);
  for (int i = 0; i < 768; ++i) ASSERT_EQ(out[i], (i & 255) * 128 / 255);
  EXPECT_EQ(0, std::memcmp(s.sourcePalette(), block, 768));
  s.SetBrightness(255);
  s.SetGamma(2.0f);
  s.SetPalette(0, 256, block, 0);
  s.GetColors(0, 256, out);
  // 256 * sqrt(64 / 256) and trunc(256 * sqrt(255 / 256)) = 255
  EXPECT_EQ(std::make_tuple(out[0], out[64], out[255]), std::make_tuple(0, 128, 255));
}

TEST(Surface, PresentUnscaledAtOneAndTruncatedOtherwise) {
  RecordingPresenter rec;
  Surface s;
  ASSERT_EQ(s.Create(Params(641, 10, &rec)), 1);
  s.SetPalette(0, 256, TestPalette().bytes.data(), 1);
  s.Lock()[641 * 10 - 1] = 77;
  for (float zoom : {1.0f, 2.0f, 1.5f}) s.Present(zoom);
  ASSERT_EQ(rec.frames.size(), 3u);
  const int want[3][3] = {{0, 641, 10}, {1, 1282, 20}, {1, 961, 15}};
  for (int i = 0; i < 3; ++i) {
    const PresentFrame& f = rec.frames[i];
    EXPECT_EQ(std::make_tuple(f.stretched, f.destWidth, f.destHeight, f.pitch),
              std::make_tuple(want[i][0] == 1, want[i][1], want[i][2], 641))
        << i;
  }
  EXPECT_EQ(rec.lastPixels.back(), 77);
  EXPECT_EQ(0, std::memcmp(rec.lastColours.data(), s.colourTable(), 1024));
  // A side of a billion pixels is no window's and is not presented; the float below it
  // is, and so is a side that truncates to nothing.
  for (auto [w, h] : {std::pair{2, 1}, {1, 2}}) {
    RecordingPresenter huge;
    Surface one;
    ASSERT_EQ(one.Create(Params(w, h, &huge)), 1);
    for (float zoom : {5e8f, 499999968.0f, 0.5f}) one.Present(zoom);
    ASSERT_EQ(huge.frames.size(), 2u) << w;
    EXPECT_EQ(std::make_pair(huge.frames[0].destWidth, huge.frames[0].destHeight),
              std::make_pair(499999968 * w, 499999968 * h));
    EXPECT_EQ(std::make_pair(huge.frames[1].destWidth, huge.frames[1].destHeight),
              std::make_pair(w / 2, h / 2));
  }
}

TEST(DrawContext, ViewportOriginAndBegin) {
  Surface s;
  ASSERT_EQ(s.Create(Params(400, 300)), 1);
  auto clipOf = [](const DrawContext& dc) {
    return std::make_tuple(dc.clip().left, dc.clip().top, dc.clip().right, dc.clip().bottom);
  };
  EXPECT_EQ(clipOf(DrawContext(&s, DrawRectangle{300, 200, 100, 50})), std::make_tuple(100, 50, 300, 200));
  DrawContext wide(&s, DrawRectangle{-20, -30, 1000, 1000});
  EXPECT_EQ(clipOf(wide), std::make_tuple(0, 0, 399, 299));
  EXPECT_EQ(std::make_pair(wide.originX(), wide.originY()), std::make_pair(-20, -30));  // the corner as given
  DrawContext whole(&s);
  EXPECT_EQ(clipOf(whole), std::make_tuple(0, 0, 399, 299));
  EXPECT_EQ(whole.textColour(), 145);
  EXPECT_EQ(whole.textRenderer().clip.right, 399);

  Canvas c(20, 20, DrawRectangle{5, 6, 9, 8}, 3);
  c.dc->setBackground(200);
  EXPECT_EQ(c.dc->Begin(), 1);  // clears only the viewport
  ExpectPixels(c, [](int x, int y) { return x >= 5 && x <= 9 && y >= 6 && y <= 8 ? 200 : 3; });
  c.dc->DrawLine(0, 0, 0, 0, 9, 0);  // primitives are relative to the origin, PixelAddress is not
  EXPECT_EQ(c.at(5, 6), 9);
  EXPECT_EQ(c.dc->PixelAddress(5, 6), c.dc->PixelAddress() + 6 * 20 + 5);
  c.dc->Unlock();  // the pointer stays
  EXPECT_NE(c.dc->PixelAddress(), nullptr);
}
