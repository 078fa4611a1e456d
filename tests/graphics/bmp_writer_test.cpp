#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "bmp_decode.h"
#include "graphics/bmp_writer.h"
#include "graphics_test_support.h"

namespace {

std::filesystem::path TempPath(const char* name) {
  return std::filesystem::temp_directory_path() / (std::string("plyk_graphics_") + name);
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Runs a shell command and returns its first output line, or "" when it fails.
std::string FirstLine(const std::string& command) {
  FILE* p = popen(command.c_str(), "r");
  if (!p) return "";
  char line[512] = {};
  const bool got = std::fgets(line, sizeof line, p) != nullptr;
  const int status = pclose(p);
  return got && status == 0 ? std::string(line) : std::string();
}

}  // namespace

TEST(BmpWriter, RoundTripsPixelsAndDisplayColours) {
  for (int w : {1, 2, 3, 4, 5, 61}) {
    Canvas c(w, 7);
    c.pattern();
    const std::vector<uint8_t> bytes = SurfaceBmpBytes(c.surface);
    const size_t stride = (static_cast<size_t>(w) + 3) / 4 * 4;
    ASSERT_EQ(bytes.size(), 14 + 40 + 1024 + stride * 7);
    DecodedBmp d;
    ASSERT_TRUE(DecodeBmp8(bytes, d)) << w;
    ASSERT_EQ(d.width, w);
    ASSERT_EQ(d.height, 7);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < w; ++x) {
        const size_t o = static_cast<size_t>(y * w + x);
        const uint8_t i = c.at(x, y);
        ASSERT_EQ(d.indices[o], i);
        ASSERT_EQ(d.rgb[3 * o], kDefaultPaletteColours[3 * i]);
        ASSERT_EQ(d.rgb[3 * o + 1], kDefaultPaletteColours[3 * i + 1]);
        ASSERT_EQ(d.rgb[3 * o + 2], kDefaultPaletteColours[3 * i + 2]);
      }
  }
}

TEST(BmpWriter, UsesTheAdjustedColours) {
  Canvas c(4, 4);
  c.surface.SetBrightness(0);
  c.surface.SetPalette(0, 256, TestPalette().bytes.data(), 1);
  DecodedBmp d;
  ASSERT_TRUE(DecodeBmp8(SurfaceBmpBytes(c.surface), d));
  for (uint8_t v : d.rgb) ASSERT_EQ(v, 0);
}

TEST(BmpWriter, RefusesUninitialisedSurface) {
  Surface s;
  EXPECT_TRUE(SurfaceBmpBytes(s).empty());
  EXPECT_FALSE(WriteSurfaceBmp(s, TempPath("none.bmp")));
  EXPECT_TRUE(EncodeIndexedBmp(nullptr, 4, 4, 4, nullptr).empty());
}

TEST(BmpWriter, WrittenFileOpensInAnImageReader) {
  Canvas c(61, 30);
  c.pattern();
  c.dc->FillRect(0, 0, 9, 9, 12, 0);
  const auto path = TempPath("written.bmp");
  ASSERT_TRUE(WriteSurfaceBmp(c.surface, path));
  const std::vector<uint8_t> bytes = ReadAll(path);
  EXPECT_EQ(bytes, SurfaceBmpBytes(c.surface));
  const std::string identify = FirstLine("identify -format '%m %w %h' '" + path.string() + "' 2>/dev/null");
  if (!identify.empty()) {
    EXPECT_TRUE(identify == "BMP 61 30" || identify == "BMP3 61 30") << identify;
    // ImageMagick's own decoding of the top-left pixel: palette entry 12.
    const std::string pixel =
        FirstLine("convert '" + path.string() + "' -format '%[pixel:p{0,0}]' info: 2>/dev/null");
    EXPECT_EQ(pixel, "srgb(255,87,87)");
  }
  const std::string type = FirstLine("file -b '" + path.string() + "' 2>/dev/null");
  if (!type.empty()) {
    EXPECT_NE(type.find("bitmap"), std::string::npos) << type;
  }
  std::filesystem::remove(path);
}

TEST(BmpWriter, FailedWriteIsReported) {
  Canvas c(8, 8);
  const auto dir = TempPath("no_such_dir") / "sub" / "x.bmp";
  EXPECT_FALSE(WriteSurfaceBmp(c.surface, dir));
}
