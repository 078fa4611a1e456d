// The presenter draws into a 24-bit memory bitmap here, which is then read back and
// compared with the 8-bit frame looked up in its colour table.

#include "framework/dib_presenter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A memory device context over a top-down 24-bit 16 x 16 bitmap filled with 0x11.
struct Canvas {
  Canvas() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    clear();
  }
  void clear() { std::fill(bits_, bits_ + kStride * kSide, 0x11); }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  // One pixel as 0xRRGGBB.
  uint32_t at(int x, int y) const {
    GdiFlush();
    const uint8_t* p = bits_ + y * kStride + 3 * x;
    return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
  }
  static constexpr int kSide = 16, kStride = 48;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint8_t* bits_ = nullptr;
};

// Entry i of the colour table is red i, green 255 - i, blue (i * 7) mod 256.
uint32_t Expected(int index) {
  return (uint32_t(index) << 16) | (uint32_t(255 - index) << 8) | uint32_t((index * 7) & 0xFF);
}

std::vector<uint8_t> ColourTable() {
  std::vector<uint8_t> table(1024);  // blue, green, red, zero
  for (int i = 0; i < 1024; ++i)
    table[i] = i % 4 == 3 ? 0 : static_cast<uint8_t>(Expected(i / 4) >> (8 * (i % 4)));
  return table;
}

}  // namespace

TEST(DibPresenter, EveryIndexShowsInItsColourUnscaledOrStretchedAndNothingShowsNothing) {
  const struct {
    const char* name;
    int width, height, pitch, scale;
  } cases[] = {{"odd width: rows padded on the way", 7, 5, 7, 1},
               {"pitch wider than the image", 3, 2, 5, 1},
               {"stretched to twice the size", 4, 3, 4, 2},
               {"odd width and wide pitch at three times the size", 5, 3, 7, 3}};
  const std::vector<uint8_t> table = ColourTable();
  for (const auto& c : cases) {
    std::vector<uint8_t> pixels(c.pitch * c.height);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 37 + 3);
    Canvas canvas;
    DibPresenter presenter;
    presenter.setTargetDc(canvas.dc());
    const PresentFrame frame{pixels.data(), c.width,           c.height,           c.pitch,
                             table.data(),  c.scale * c.width, c.scale * c.height, c.scale != 1};
    presenter.present(frame);
    for (int y = 0; y < frame.destHeight; ++y)
      for (int x = 0; x < frame.destWidth; ++x)
        EXPECT_EQ(canvas.at(x, y), Expected(pixels[(y / c.scale) * c.pitch + x / c.scale]))
            << "case " << c.name << " at " << x << "," << y;
    EXPECT_EQ(canvas.at(frame.destWidth, 0), 0x111111u) << "case " << c.name << ": drawn beyond the frame";
    EXPECT_EQ(canvas.at(0, frame.destHeight), 0x111111u) << "case " << c.name << ": drawn beyond the frame";
  }
  // Nothing to show, or nowhere to show it: nothing is drawn.
  Canvas canvas;
  DibPresenter presenter;
  std::vector<uint8_t> pixels(4, 5);
  PresentFrame frame{pixels.data(), 2, 2, 2, table.data(), 2, 2};
  presenter.present(frame);  // no window and no paint context; must not crash
  presenter.setTargetDc(canvas.dc());
  frame.pixels = nullptr;
  presenter.present(frame);
  EXPECT_EQ(canvas.at(0, 0), 0x111111u);
}

TEST(DibPresenter, AgainOnlyWhatChangedOrWasExposedAtTheZoomShown) {
  const std::vector<uint8_t> table = ColourTable();
  for (const int scale : {1, 2}) {
    std::vector<uint8_t> pixels(6 * 6, 9);
    Canvas canvas;
    DibPresenter presenter;
    presenter.setTargetDc(canvas.dc());
    const PresentFrame frame{pixels.data(), 6, 6, 6, table.data(), 6 * scale, 6 * scale, scale != 1};
    presenter.present(frame);
    canvas.clear();
    pixels[2 * 6 + 4] = 200;                      // changed
    presenter.exposed(RECT{0, 0, scale, scale});  // lost on screen: pixel (0, 0)
    presenter.present(frame);
    for (int y = 0; y < 6 * scale; ++y)
      for (int x = 0; x < 6 * scale; ++x) {
        const int sx = x / scale, sy = y / scale;
        const bool shown = (sx == 4 && sy == 2) || (sx == 0 && sy == 0);
        EXPECT_EQ(canvas.at(x, y), shown ? Expected(pixels[sy * 6 + sx]) : 0x111111u)
            << "zoom " << scale << " at " << x << "," << y;
      }
    canvas.clear();
    presenter.present(frame);  // nothing changed
    EXPECT_EQ(canvas.at(4 * scale, 2 * scale), 0x111111u) << "zoom " << scale;
  }
}
