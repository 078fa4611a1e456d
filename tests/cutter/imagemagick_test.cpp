// PCX and BMP files written by ImageMagick, when it is installed: the decoded colours
// must be the colours of the source image.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "cutter/picture.h"

TEST(ImageMagickFiles, DecodeToTheSourceColours) {
#ifdef _WIN32
  GTEST_SKIP() << "there \"convert\" is the file-system converter";
#endif
  if (std::system("convert -version > /dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick convert not found";
  // 13 x 7 pixels of 30 colours: an odd width shows the row padding; more than 16
  // colours make ImageMagick write 8 bits per pixel.
  const int w = 13, h = 7;
  const auto dir = std::filesystem::temp_directory_path() / "cutter_imagemagick_test";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> rgb;
  for (int i = 0; i < w * h; ++i) {
    const int c = (i % w / 2 + i / w * 5) % 30;
    rgb.insert(rgb.end(), {uint8_t(c * 8), uint8_t(255 - c * 5), uint8_t((c * 37) % 256)});
  }
  std::ofstream(dir / "source.ppm", std::ios::binary) << "P6\n"
                                                      << w << " " << h << "\n255\n"
                                                      << std::string(rgb.begin(), rgb.end());
  // ImageMagick writes BMP as RLE8 by default; PCX scan lines are the odd width long.
  for (const std::string options : {"BMP3:", "-compress none BMP3:", "PCX:"}) {
    const std::string out = (dir / "converted").string();
    const std::string cmd = "convert '" + (dir / "source.ppm").string() + "' -type Palette -depth 8 " +
                            options + "'" + out + "' > /dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    Picture pic;
    ASSERT_TRUE(pic.load(out)) << options << pic.lastError();
    const PictureFrame& f = pic.frames()[0];
    EXPECT_EQ(f.height, h);
    EXPECT_GE(f.width, w);
    const uint8_t* pal = pic.palette().palette();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        for (int k = 0; k < 3; ++k)
          ASSERT_EQ(pal[f.pixels[size_t(y) * f.width + x] * 3 + k], rgb[(y * w + x) * 3 + k])
              << options << " at " << x << "," << y;
  }
  std::filesystem::remove_all(dir);
}
