#include <gtest/gtest.h>

#include <cstring>

#include "graphics/draw_context.h"
#include "graphics/surface.h"
#include "graphics_test_support.h"

namespace {

struct RecordingPresenter : Presenter {
  std::vector<PresentFrame> frames;
  std::vector<uint8_t> lastPixels;
  std::vector<uint8_t> lastColours;
  void present(const PresentFrame& f) override {
    frames.push_back(f);
    lastPixels.assign(f.pixels, f.pixels + f.pitch * f.height);
    lastColours.assign(f.colourTable, f.colourTable + 1024);
  }
};

SurfaceParams Params(int w, int h, Presenter* presenter = nullptr) {
  SurfaceParams p;
  p.presenter = presenter;
  p.width = w;
  p.height = h;
  return p;
}

}  // namespace

TEST(Surface, StartsUninitialisedWithMessage) {
  Surface s;
  EXPECT_STREQ(s.GetMessage(), "Draw Device Not initialized");
  int w = -1;
  EXPECT_EQ(s.GetSize(&w, nullptr, nullptr), 0);
  EXPECT_EQ(w, -1);
  EXPECT_EQ(s.Release(), 0);
}

TEST(Surface, CreateGivesPitchEqualToWidth) {
  Surface s;
  ASSERT_EQ(s.Create(Params(641, 3)), 1);
  EXPECT_EQ(s.GetMessage(), nullptr);
  int w = 0, h = 0, p = 0;
  ASSERT_EQ(s.GetSize(&w, &h, &p), 1);
  EXPECT_EQ(w, 641);
  EXPECT_EQ(h, 3);
  EXPECT_EQ(p, 641);
  ASSERT_NE(s.Lock(), nullptr);
  s.Lock()[641 * 3 - 1] = 9;  // the last byte belongs to the image
  EXPECT_EQ(s.Release(), 1);
  EXPECT_EQ(s.GetSize(&w, &h, &p), 0);
}

TEST(Surface, SecondInitFailsAndKeepsImage) {
  Surface s;
  ASSERT_EQ(s.Create(Params(8, 8)), 1);
  s.Lock()[5] = 42;
  EXPECT_EQ(s.Init(), 0);
  EXPECT_STREQ(s.GetMessage(), "DDERROR : DIB Draw Already initialized ");
  EXPECT_EQ(s.Lock()[5], 42);
  int w = 0;
  EXPECT_EQ(s.GetSize(&w, nullptr, nullptr), 1);
  EXPECT_EQ(w, 8);
}

TEST(Surface, ImpossibleSizeFailsCleanly) {
  for (auto [w, h] : {std::pair{0, 10}, {10, -1}, {1 << 20, 1 << 20}}) {
    Surface s;
    EXPECT_EQ(s.Create(Params(w, h)), 0);
    EXPECT_STREQ(s.GetMessage(), "DDERROR : Can Not Create DIB Surface");
    EXPECT_FALSE(s.initialized());
    int gw = 0;
    EXPECT_EQ(s.GetSize(&gw, nullptr, nullptr), 0);
    EXPECT_EQ(s.Lock(), nullptr);
  }
}

TEST(Surface, ContextOnFailedSurfaceDrawsNothing) {
  Surface s;
  s.Create(Params(0, 0));
  DrawContext dc(&s);
  EXPECT_EQ(dc.PixelAddress(), nullptr);
  EXPECT_EQ(dc.Begin(), 0);
  EXPECT_EQ(dc.DrawLine(0, 0, 5, 5, 1, 0), 0);
  EXPECT_EQ(dc.FillRect(0, 0, 5, 5, 1, 0), 0);
  DrawContext none(nullptr);
  EXPECT_EQ(none.Lock(), nullptr);
  EXPECT_EQ(none.DrawRect(0, 0, 5, 5, 1, 0), 0);
  EXPECT_EQ(none.DrawText(0, 0, "a"), 0);
}

TEST(Surface, GetColorsReturnsSourcePaletteAtDefaults) {
  Surface s;
  ASSERT_EQ(s.Create(Params(4, 4)), 1);
  s.SetPalette(0, 256, TestPalette().bytes.data(), 1);
  uint8_t out[768];
  EXPECT_EQ(s.GetColors(0, 256, out), 1);
  EXPECT_EQ(0, std::memcmp(out, kDefaultPaletteColours.data(), 768));
  EXPECT_EQ(0, std::memcmp(s.mixTable(), TestPalette().mixTable(), 65536));
  // The presented colour table is the same colours in blue, green, red, 0 order.
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(s.colourTable()[4 * i], out[3 * i + 2]);
    EXPECT_EQ(s.colourTable()[4 * i + 1], out[3 * i + 1]);
    EXPECT_EQ(s.colourTable()[4 * i + 2], out[3 * i]);
    EXPECT_EQ(s.colourTable()[4 * i + 3], 0);
  }
}

TEST(Surface, PartialSetPaletteKeepsOtherColoursButReplacesWholeMixTable) {
  Surface s;
  ASSERT_EQ(s.Create(Params(4, 4)), 1);
  s.SetPalette(0, 256, TestPalette().bytes.data(), 1);
  PaletteBlock other;
  for (size_t i = 0; i < kPaletteBlockSize; ++i) other.bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  s.SetPalette(10, 5, other.bytes.data(), 1);
  uint8_t out[768];
  s.GetColors(0, 256, out);
  for (int i = 0; i < 256; ++i) {
    for (int k = 0; k < 3; ++k) {
      // Entries 10..14 take the first 15 bytes of the block.
      const uint8_t want =
          i >= 10 && i < 15 ? other.bytes[3 * (i - 10) + k] : kDefaultPaletteColours[3 * i + k];
      ASSERT_EQ(out[3 * i + k], want) << "entry " << i;
    }
  }
  EXPECT_EQ(0, std::memcmp(s.mixTable(), other.mixTable(), 65536));
  // Without the mix flag the table stays.
  s.SetPalette(0, 256, TestPalette().bytes.data(), 0);
  EXPECT_EQ(0, std::memcmp(s.mixTable(), other.mixTable(), 65536));
}

TEST(Surface, BrightnessAndGammaAdjustDisplayColoursOnly) {
  Surface s;
  ASSERT_EQ(s.Create(Params(4, 4)), 1);
  uint8_t block[768];
  for (int i = 0; i < 768; ++i) block[i] = static_cast<uint8_t>(i);
  s.SetBrightness(128);
  s.SetPalette(0, 256, block, 0);
  uint8_t out[768];
  s.GetColors(0, 256, out);
  for (int i = 0; i < 768; ++i) ASSERT_EQ(out[i], (i & 255) * 128 / 255);
  EXPECT_EQ(0, std::memcmp(s.sourcePalette(), block, 768));

  s.SetBrightness(255);
  s.SetGamma(2.0f);
  s.SetPalette(0, 256, block, 0);
  s.GetColors(0, 256, out);
  EXPECT_EQ(out[64], 128);  // 256 * sqrt(64 / 256)
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[255], 255);  // trunc(256 * sqrt(255 / 256)) = 255
}

TEST(Surface, SetColorsAndGetColorsUseAbsoluteOffsets) {
  Surface s;
  ASSERT_EQ(s.Create(Params(4, 4)), 1);
  uint8_t rgb[768] = {};
  rgb[3 * 200] = 1;
  rgb[3 * 200 + 1] = 2;
  rgb[3 * 200 + 2] = 3;
  s.SetColors(200, 1, rgb);
  uint8_t out[768] = {};
  s.GetColors(200, 1, out);
  EXPECT_EQ(out[600], 1);
  EXPECT_EQ(out[601], 2);
  EXPECT_EQ(out[602], 3);
  // Out-of-range requests are cut to the 256 entries.
  EXPECT_EQ(s.SetColors(250, 100, rgb), 1);
  EXPECT_EQ(s.GetColors(-5, 300, out), 1);
}

TEST(Surface, PresentUnscaledAtOneAndTruncatedOtherwise) {
  RecordingPresenter rec;
  Surface s;
  ASSERT_EQ(s.Create(Params(1024, 768, &rec)), 1);
  s.SetPalette(0, 256, TestPalette().bytes.data(), 1);
  s.Lock()[1024 * 767 + 1023] = 77;
  s.Present(1.0f);
  s.Present(2.0f);
  ASSERT_EQ(rec.frames.size(), 2u);
  EXPECT_FALSE(rec.frames[0].stretched);
  EXPECT_EQ(rec.frames[0].destWidth, 1024);
  EXPECT_EQ(rec.frames[0].destHeight, 768);
  EXPECT_TRUE(rec.frames[1].stretched);
  EXPECT_EQ(rec.frames[1].destWidth, 2048);
  EXPECT_EQ(rec.frames[1].destHeight, 1536);
  EXPECT_EQ(rec.frames[1].pitch, 1024);
  EXPECT_EQ(rec.lastPixels.back(), 77);
  EXPECT_EQ(0, std::memcmp(rec.lastColours.data(), s.colourTable(), 1024));

  RecordingPresenter rec2;
  Surface t;
  ASSERT_EQ(t.Create(Params(641, 10, &rec2)), 1);
  t.Present(1.5f);
  ASSERT_EQ(rec2.frames.size(), 1u);
  EXPECT_EQ(rec2.frames[0].destWidth, 961);
  EXPECT_EQ(rec2.frames[0].destHeight, 15);
}

TEST(Surface, PresentWithoutImageShowsNothing) {
  RecordingPresenter rec;
  Surface s;
  s.Create(Params(0, 5, &rec));
  s.Present(1.0f);
  EXPECT_TRUE(rec.frames.empty());
}

TEST(DrawContext, ViewportIsNormalisedAndClamped) {
  Surface s;
  ASSERT_EQ(s.Create(Params(400, 300)), 1);
  DrawContext dc(&s, DrawRectangle{300, 200, 100, 50});
  EXPECT_EQ(dc.clip().left, 100);
  EXPECT_EQ(dc.clip().top, 50);
  EXPECT_EQ(dc.clip().right, 300);
  EXPECT_EQ(dc.clip().bottom, 200);
  DrawContext wide(&s, DrawRectangle{-20, -30, 1000, 1000});
  EXPECT_EQ(wide.clip().left, 0);
  EXPECT_EQ(wide.clip().top, 0);
  EXPECT_EQ(wide.clip().right, 399);
  EXPECT_EQ(wide.clip().bottom, 299);
  // The origin is the rectangle's corner as given.
  EXPECT_EQ(wide.originX(), -20);
  EXPECT_EQ(wide.originY(), -30);
  DrawContext whole(&s);
  EXPECT_EQ(whole.clip().right, 399);
  EXPECT_EQ(whole.clip().bottom, 299);
  EXPECT_EQ(whole.textColor(), 145);
  EXPECT_EQ(whole.textRenderer().clip.right, 399);
}

TEST(DrawContext, BeginClearsOnlyTheViewport) {
  Canvas c(20, 20, DrawRectangle{5, 6, 9, 8}, 3);
  c.dc->setBackground(200);
  EXPECT_EQ(c.dc->Begin(), 1);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 5 && x <= 9 && y >= 6 && y <= 8;
      ASSERT_EQ(c.at(x, y), inside ? 200 : 3) << x << "," << y;
    }
}

TEST(DrawContext, OriginShiftsPrimitivesAndPixelAddressDoesNot) {
  Canvas c(20, 20, DrawRectangle{4, 5, 15, 15}, 0);
  c.dc->DrawLine(0, 0, 0, 0, 9, 0);
  EXPECT_EQ(c.at(4, 5), 9);
  EXPECT_EQ(c.dc->PixelAddress(4, 5), c.dc->PixelAddress() + 5 * 20 + 4);
  c.dc->Unlock();  // the pointer stays
  EXPECT_NE(c.dc->PixelAddress(), nullptr);
}
