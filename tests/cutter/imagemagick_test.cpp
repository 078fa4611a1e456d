// PCX and BMP files written by ImageMagick, when it is installed: the decoded colours
// must be the colours of the source image.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "cutter/picture.h"

namespace {

namespace fs = std::filesystem;

bool HaveConvert() {
#ifdef _WIN32
  return false;  // there "convert" is the file-system converter, not ImageMagick
#else
  return std::system("convert -version > /dev/null 2>&1") == 0;
#endif
}

struct Rgb {
  uint8_t r, g, b;
};

// A 13 x 7 image of 30 colours (an odd width, so the row padding shows; more than 16
// colours, so ImageMagick writes 8 bits per pixel).
std::vector<Rgb> SourceImage(int w, int h) {
  std::vector<Rgb> img;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int c = (x / 2 + y * 5) % 30;
      img.push_back({static_cast<uint8_t>(c * 8), static_cast<uint8_t>(255 - c * 5),
                     static_cast<uint8_t>((c * 37) % 256)});
    }
  return img;
}

// format: "bmp" (ImageMagick writes RLE8 by default), "bmp-raw" (uncompressed) or
// "pcx" (its scan lines are the odd width long).
void CheckConverted(const std::string& format) {
  if (!HaveConvert()) GTEST_SKIP() << "ImageMagick convert not found";
  const int w = 13, h = 7;
  const fs::path dir = fs::temp_directory_path() / "cutter_imagemagick_test";
  fs::create_directories(dir);
  const fs::path ppm = dir / "source.ppm";
  const fs::path out = dir / ("converted." + format.substr(0, 3));
  const auto img = SourceImage(w, h);
  {
    std::ofstream f(ppm, std::ios::binary);
    f << "P6\n" << w << " " << h << "\n255\n";
    for (const Rgb& c : img) f.put(char(c.r)).put(char(c.g)).put(char(c.b));
  }
  const std::string prefix = format == "pcx" ? "PCX:" : "BMP3:";
  const std::string options = format == "bmp-raw" ? " -compress none" : "";
  const std::string cmd = "convert '" + ppm.string() + "' -type Palette -depth 8" + options + " '" + prefix +
                          out.string() + "' > /dev/null 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;

  Picture pic;
  ASSERT_TRUE(pic.load(out)) << pic.lastError();
  const PictureFrame& f = pic.frames()[0];
  EXPECT_EQ(f.height, h);
  EXPECT_GE(f.width, w);
  const uint8_t* pal = pic.palette().palette();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t index = f.pixels[size_t(y) * f.width + x];
      const Rgb want = img[size_t(y) * w + x];
      ASSERT_EQ(pal[index * 3], want.r) << format << " at " << x << "," << y;
      ASSERT_EQ(pal[index * 3 + 1], want.g);
      ASSERT_EQ(pal[index * 3 + 2], want.b);
    }
  fs::remove_all(dir);
}

}  // namespace

TEST(ImageMagickFiles, BmpDecodesToTheSourceColours) {
  CheckConverted("bmp");
}
TEST(ImageMagickFiles, UncompressedBmpDecodesToTheSourceColours) {
  CheckConverted("bmp-raw");
}
TEST(ImageMagickFiles, PcxDecodesToTheSourceColours) {
  CheckConverted("pcx");
}
