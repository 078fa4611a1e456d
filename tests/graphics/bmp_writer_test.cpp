#include <gtest/gtest.h>

#include <filesystem>

#include "base/byte_reader.h"
#include "graphics/bmp_writer.h"
#include "support/graphics_test_support.h"
#include "support/other_decoders.h"
#include "support/scratch_folder.h"

namespace {

constexpr size_t kPixelsAt = 14 + 40 + 1024;  // after the headers and the colour table

}  // namespace

// The layout of the file is read back by the picture decoder's tests (against
// independent writers) and by ImageMagick below; here what the surface hands over:
// its pixels by its pitch, its display colours, and 72 dpi.
TEST(BmpWriter, HoldsTheSurfacePixelsAndDisplayColours) {
  for (int w : {1, 2, 3, 4, 5, 61}) {
    Canvas c(w, 7);
    c.pattern();
    const std::vector<uint8_t> bytes = SurfaceBmpBytes(c.surface);
    const size_t stride = (static_cast<size_t>(w) + 3) / 4 * 4;
    ASSERT_EQ(bytes.size(), kPixelsAt + stride * 7);
    // 72 dpi: 72 / 0.0254 m = 2834.6 pixels per metre.
    EXPECT_EQ(std::make_pair(LoadU32(&bytes[38]), LoadU32(&bytes[42])), std::make_pair(2835u, 2835u));
    EXPECT_TRUE(std::equal(bytes.begin() + 54, bytes.begin() + kPixelsAt, c.surface.colourTable())) << w;
    for (int y = 0; y < 7; ++y)  // bottom-up rows
      for (int x = 0; x < w; ++x) ASSERT_EQ(bytes[kPixelsAt + (6 - y) * stride + x], c.at(x, y)) << w;
  }
}

TEST(BmpWriter, UsesTheAdjustedColoursAndReportsFailures) {
  Canvas c(4, 4);
  c.surface.SetBrightness(0);
  c.surface.SetPalette(0, 256, TestPalette().bytes.data(), 1);
  const std::vector<uint8_t> bytes = SurfaceBmpBytes(c.surface);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 54, bytes.begin() + kPixelsAt),
            std::vector<uint8_t>(1024, 0));
  const ScratchFolder scratch("plyk_bmp");
  EXPECT_FALSE(WriteSurfaceBmp(c.surface, scratch.dir / "no_such_dir" / "x.bmp"));
  Surface none;
  EXPECT_TRUE(SurfaceBmpBytes(none).empty());
  EXPECT_FALSE(WriteSurfaceBmp(none, scratch.dir / "none.bmp"));
  EXPECT_TRUE(EncodeIndexedBmp(nullptr, 4, 4, 4, nullptr).empty());
}

TEST(BmpWriter, WrittenFileOpensInAnImageReader) {
  Canvas c(61, 30);
  c.pattern();
  c.dc->FillRect(0, 0, 9, 9, 12, 0);
  const ScratchFolder scratch("plyk_bmp");
  const auto path = scratch.dir / "written.bmp";
  ASSERT_TRUE(WriteSurfaceBmp(c.surface, path));
  const std::vector<uint8_t> bytes = FileBytes(path);
  EXPECT_EQ(bytes, SurfaceBmpBytes(c.surface));
  const std::string identify = gifcheck::Output("identify -format '%m %w %h' '" + path.string() + "'");
  if (!identify.empty()) {
    EXPECT_TRUE(identify == "BMP 61 30" || identify == "BMP3 61 30") << identify;
    // ImageMagick's own decoding of the top-left pixel: palette entry 12.
    const std::string pixel =
        gifcheck::Output("convert '" + path.string() + "' -format '%[pixel:p{0,0}]' info:");
    EXPECT_EQ(pixel, "srgb(255,87,87)");
  }
}
