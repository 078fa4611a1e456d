// The presenter draws into a 24-bit memory bitmap here, which is then read back and
// compared with the 8-bit frame looked up in its colour table.

#include "framework/dib_presenter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A memory device context over a top-down 24-bit bitmap of the given size.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    std::fill(bits_, bits_ + stride() * height, 0x11);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  // Red, green and blue of one pixel as 0xRRGGBB.
  uint32_t at(int x, int y) const {
    GdiFlush();
    const uint8_t* p = bits_ + static_cast<size_t>(y) * stride() + 3 * x;
    return (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
  }

 private:
  int stride() const { return (3 * width_ + 3) & ~3; }
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint8_t* bits_ = nullptr;
};

// A colour table whose entry i is red i, green 255 - i, blue (i * 7) mod 256.
std::vector<uint8_t> TestColourTable() {
  std::vector<uint8_t> table(1024);
  for (int i = 0; i < 256; ++i) {
    table[4 * i] = static_cast<uint8_t>(i * 7);  // blue
    table[4 * i + 1] = static_cast<uint8_t>(255 - i);
    table[4 * i + 2] = static_cast<uint8_t>(i);  // red
  }
  return table;
}

uint32_t Expected(int index) {
  return (uint32_t(index) << 16) | (uint32_t(255 - index) << 8) | uint32_t((index * 7) & 0xFF);
}

}  // namespace

TEST(DibPresenter, UnscaledFrameShowsEveryIndexInItsColour) {
  // An odd width, so the rows have to be padded to four bytes on the way.
  const int width = 7, height = 5;
  std::vector<uint8_t> pixels(width * height);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 37 + 3);
  std::vector<uint8_t> table = TestColourTable();
  Canvas canvas(16, 16);

  DibPresenter presenter;
  presenter.setPaintDc(canvas.dc());
  PresentFrame frame;
  frame.pixels = pixels.data();
  frame.width = width;
  frame.height = height;
  frame.pitch = width;
  frame.colourTable = table.data();
  frame.destWidth = width;
  frame.destHeight = height;
  presenter.present(frame);

  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      EXPECT_EQ(canvas.at(x, y), Expected(pixels[y * width + x])) << "at " << x << "," << y;
    }
  }
  EXPECT_EQ(canvas.at(width, 0), 0x111111u);  // nothing drawn beyond the frame
  EXPECT_EQ(canvas.at(0, height), 0x111111u);
}

TEST(DibPresenter, StretchedFrameDoublesEachPixel) {
  const int width = 4, height = 3;
  std::vector<uint8_t> pixels = {1, 2, 3, 4, 50, 60, 70, 80, 200, 210, 220, 255};
  std::vector<uint8_t> table = TestColourTable();
  Canvas canvas(16, 16);

  DibPresenter presenter;
  presenter.setPaintDc(canvas.dc());
  PresentFrame frame;
  frame.pixels = pixels.data();
  frame.width = width;
  frame.height = height;
  frame.pitch = width;
  frame.colourTable = table.data();
  frame.destWidth = 2 * width;
  frame.destHeight = 2 * height;
  frame.stretched = true;
  presenter.present(frame);

  for (int y = 0; y < 2 * height; ++y) {
    for (int x = 0; x < 2 * width; ++x) {
      EXPECT_EQ(canvas.at(x, y), Expected(pixels[(y / 2) * width + x / 2])) << "at " << x << "," << y;
    }
  }
}

TEST(DibPresenter, PitchWiderThanTheImageSkipsTheRowEnds) {
  const int width = 3, height = 2, pitch = 5;
  std::vector<uint8_t> pixels = {10, 20, 30, 99, 99, 40, 50, 60, 99, 99};
  std::vector<uint8_t> table = TestColourTable();
  Canvas canvas(8, 8);
  DibPresenter presenter;
  presenter.setPaintDc(canvas.dc());
  PresentFrame frame;
  frame.pixels = pixels.data();
  frame.width = width;
  frame.height = height;
  frame.pitch = pitch;
  frame.colourTable = table.data();
  frame.destWidth = width;
  frame.destHeight = height;
  presenter.present(frame);
  EXPECT_EQ(canvas.at(2, 0), Expected(30));
  EXPECT_EQ(canvas.at(0, 1), Expected(40));
  EXPECT_EQ(canvas.at(2, 1), Expected(60));
}

TEST(DibPresenter, NothingToShowDrawsNothing) {
  Canvas canvas(4, 4);
  DibPresenter presenter;  // no window and no paint context: nowhere to draw
  std::vector<uint8_t> pixels(4, 5);
  std::vector<uint8_t> table = TestColourTable();
  PresentFrame frame;
  frame.pixels = pixels.data();
  frame.width = 2;
  frame.height = 2;
  frame.pitch = 2;
  frame.colourTable = table.data();
  frame.destWidth = 2;
  frame.destHeight = 2;
  presenter.present(frame);  // must not crash
  presenter.setPaintDc(canvas.dc());
  frame.pixels = nullptr;
  presenter.present(frame);
  EXPECT_EQ(canvas.at(0, 0), 0x111111u);
}
