// Files of other programs, when they are installed: PCX and BMP files that ImageMagick
// writes decode to the source colours, files of our own writers decode to the
// colours that ImageMagick (BMP) or ffmpeg (FLI, FLC) read from them, and ImageMagick
// reads the colours our PCX writer wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cutter/pcx_writer.h"
#include "cutter_test_files.h"
#include "picture_checks.h"
#include "support/reader_support.h"

using namespace testpic;
using readertest::Quoted;
using readertest::Succeeds;

namespace {

namespace fs = std::filesystem;

// The colours of frame f's left `width` columns, red, green and blue per pixel.
Bytes Colours(const Picture& pic, size_t f, int width) {
  const PictureFrame& frame = pic.frames()[f];
  const uint8_t* pal = pic.palette().palette();
  Bytes rgb;
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < width; ++x) {
      const uint8_t* c = pal + 3 * frame.pixels[size_t(y) * frame.width + x];
      rgb.insert(rgb.end(), c, c + 3);
    }
  return rgb;
}

class OtherPrograms : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "not run under Wine";
#endif
  }
  // A folder of its own, so that two builds' tests can run at once.
  ScratchFolder tmp_{"cutter_other_programs"};
  const fs::path dir_ = tmp_.dir;
};

}  // namespace

TEST_F(OtherPrograms, ImageMagickFilesDecodeToTheSourceColours) {
  if (!Succeeds("convert -version")) GTEST_SKIP() << "ImageMagick convert not found";
  // 13 x 7 pixels of 30 colours: an odd width shows the row padding; more than 16
  // colours make ImageMagick write 8 bits per pixel.
  const int w = 13, h = 7;
  Bytes rgb;
  for (int i = 0; i < w * h; ++i) {
    const int c = (i % w / 2 + i / w * 5) % 30;
    rgb.insert(rgb.end(), {uint8_t(c * 8), uint8_t(255 - c * 5), uint8_t((c * 37) % 256)});
  }
  tmp_.write("source.rgb", rgb);
  // ImageMagick writes BMP as RLE8 by default, BMP2 with the OS/2 core header; PCX
  // scan lines are the odd width long.
  for (const std::string options : {"BMP3:", "-compress none BMP3:", "BMP2:", "PCX:"}) {
    const fs::path out = dir_ / "converted";
    ASSERT_TRUE(Succeeds("convert -size " + std::to_string(w) + "x" + std::to_string(h) + " -depth 8 rgb:" +
                         Quoted(dir_ / "source.rgb") + " -type Palette -depth 8 " + options + Quoted(out)))
        << options;
    Picture pic;
    ASSERT_TRUE(pic.load(out)) << options << pic.lastError();
    EXPECT_EQ(Colours(pic, 0, w), rgb) << options;  // of as many rows too
  }
}

// Our files as ImageMagick reads them: as our decoder reads them, which is the pixels
// (and for PCX the palette) that were written.
TEST_F(OtherPrograms, ImageMagickReadsOurFilesAsWeDo) {
  if (!Succeeds("convert -version")) GTEST_SKIP() << "ImageMagick convert not found";
  const Palette pal = TestPalette(5);
  Palette builtin;
  std::copy_n(BuiltinPaletteBlock().palette(), builtin.size(), builtin.begin());
  const Image table40 = Pattern(13, 7, 1, 40), further = Pattern(21, 6, 2, 40), os2 = Pattern(13, 7, 3);
  // ImageMagick drops the PCX padding; the single pixel is >= 0xC0, written as a run.
  const Image odd = Pattern(13, 5), wide = Pattern(300, 80, 4), dot = Pattern(1, 1, 7);
  const auto pcx = [&](const Image& img) {
    return EncodePcx(img.width, img.height, img.pixels.data(), builtin.data());
  };
  const std::vector<std::tuple<const char*, std::string, Bytes, const Image*>> files = {
      {"table of 40", "ours.bmp", WriteBmp(table40, pal, {40, true}), &table40},
      {"table of 40, pixels further on", "ours.bmp", WriteBmp(further, pal, {40, true, false, 10}), &further},
      {"os/2", "ours.bmp", WriteBmp(os2, pal, {0, false, true}), &os2},
      {"pcx odd width", "ours.pcx", pcx(odd), &odd},
      {"pcx", "ours.pcx", pcx(wide), &wide},
      {"pcx one pixel", "ours.pcx", pcx(dot), &dot},
  };
  for (const auto& [name, file, bytes, written] : files) {
    SCOPED_TRACE(name);
    tmp_.write(file, bytes);
    ASSERT_TRUE(Succeeds("convert " + Quoted(dir_ / file) + " -depth 8 rgb:" + Quoted(dir_ / "theirs.rgb")));
    Picture pic;
    ASSERT_TRUE(pic.load(dir_ / file));
    ExpectFrame(pic.frames()[0], *written);
    if (file == "ours.pcx") ExpectPalette(pic, builtin);
    EXPECT_EQ(Colours(pic, 0, written->width), FileBytes(dir_ / "theirs.rgb"));
  }
}

TEST_F(OtherPrograms, FfmpegReadsOurFlicsAsWeDo) {
  if (!Succeeds("ffmpeg -version")) GTEST_SKIP() << "ffmpeg not found";
  const int w = 64, h = 40;
  std::vector<Image> frames;
  for (int i = 0; i < 6; ++i) {
    Image f = i == 3 ? Image(w, h) : Pattern(w, h, 1);
    for (int y = 5 + i; y < 20 + i && i != 3; ++y)
      for (int x = 3 * i; x < 3 * i + 20; ++x) f.at(x, y) = static_cast<uint8_t>(x * y + i);
    frames.push_back(f);
  }
  frames[5] = frames[4];  // a held frame
  Palette pal64{};
  for (int i = 0; i < 768; ++i) pal64[i] = static_cast<uint8_t>((i * 7 + i / 3) % 64);
  std::vector<Bytes> chunks = {FrameChunk({Colour256Full(TestPalette(9)), ByteRunChunk(frames[0])})};
  for (size_t i = 1; i < frames.size(); ++i)
    chunks.push_back(FrameChunk(i == 3  ? std::vector<Bytes>{Chunk(13, {})}
                                : i % 2 ? std::vector<Bytes>{WordDeltaChunk(frames[i - 1], frames[i])}
                                        : std::vector<Bytes>{ByteDeltaChunk(frames[i - 1], frames[i])}));
  const std::vector<std::pair<const char*, Bytes>> files = {
      {"fli", WriteFli(frames, pal64)},
      {"flc", WriteFlc(w, h, chunks)},
  };
  for (const auto& [name, file] : files) {
    const fs::path in = dir_ / (std::string("ours.") + name), out = dir_ / "theirs.rgb";
    tmp_.write(in.filename().string(), file);
    ASSERT_TRUE(Succeeds("ffmpeg -y -v error -i " + Quoted(in) +
                         " -vsync passthrough -f rawvideo -pix_fmt rgb24 " + Quoted(out)))
        << name;
    const Bytes theirs = FileBytes(out);
    Picture pic;
    ASSERT_TRUE(pic.load(in)) << name;
    ASSERT_EQ(pic.frameCount(), static_cast<int32_t>(frames.size())) << name;
    const size_t frameBytes = size_t(w) * h * 3;
    ASSERT_GE(theirs.size(), frames.size() * frameBytes) << name;
    for (size_t i = 0; i < frames.size(); ++i)
      EXPECT_EQ(Colours(pic, i, w),
                Bytes(theirs.begin() + i * frameBytes, theirs.begin() + (i + 1) * frameBytes))
          << name << " frame " << i;
  }
}
