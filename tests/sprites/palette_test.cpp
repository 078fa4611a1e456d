#include "sprites/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <tuple>

#include "support/palette_test_support.h"

namespace {

// Every byte differs from its neighbours, so any overwrite shows.
PaletteBlock PatternBlock(int seed) {
  PaletteBlock block;
  for (size_t i = 0; i < block.bytes.size(); ++i) block.bytes[i] = static_cast<uint8_t>(i * 31 + seed);
  return block;
}

// Integer division truncates toward zero, also for negative numerators, and when two
// channels share the maximum the later rule (green over red, blue over both) wins.
TEST(ToHsv, HueSaturationAndValue) {
  const struct {
    int r, g, b, hue, saturation, value;
  } cases[] = {
      {255, 0, 0, 16, 100, 255},   {0, 255, 0, 48, 100, 255},   {0, 0, 255, 80, 100, 255},
      {128, 128, 128, 0, 0, 128},  {0, 0, 0, 0, 0, 0},          {200, 100, 100, 16, 50, 200},
      {3, 2, 2, 16, 33, 3},        {3, 1, 1, 16, 67, 3},        {2, 2, 1, 32, 50, 2},
      {255, 0, 128, 9, 100, 255},  {100, 200, 0, 41, 100, 200}, {0, 100, 200, 73, 100, 200},
      {255, 0, 254, 1, 100, 255},  {255, 1, 255, 96, 100, 255}, {0, 255, 255, 65, 100, 255},
      {255, 255, 0, 33, 100, 255}, {255, 0, 255, 96, 100, 255}, {2, 0, 9, 84, 100, 9},
  };
  for (const auto& c : cases) {
    const Hsv hsv = ToHsv(c.r, c.g, c.b);
    EXPECT_EQ(std::make_tuple(int(hsv.hue), int(hsv.saturation), int(hsv.value)),
              std::make_tuple(c.hue, c.saturation, c.value))
        << c.r << "," << c.g << "," << c.b;
  }
}

// The grey ramp 16-31 and each colour ramp 32-207 darken entry by entry; 208-223
// and 240-255 are white; 224-239 climb in hue from red to blue at full strength.
TEST(DefaultPalette, RampsDarkenAndTheHueRunClimbs) {
  auto hsv = [](int k) {
    const uint8_t* c = &kDefaultPaletteColours[k * 3];
    return ToHsv(c[0], c[1], c[2]);
  };
  for (int k = 17; k < 256; ++k) {
    const Hsv e = hsv(k), before = hsv(k - 1);
    const bool run = k >= 224 && k < 240;
    EXPECT_TRUE(k >= 208 || k % 16 == 0 || e.value <= before.value) << "entry " << k;
    EXPECT_TRUE(k >= 32 || (e.saturation == 0 && e.value < before.value)) << "grey " << k;
    EXPECT_TRUE(k < 208 || (e.value == 255 && e.saturation == (run ? 100 : 0))) << "entry " << k;
    EXPECT_TRUE(!run || k == 224 || e.hue >= before.hue) << "entry " << k;
  }
  EXPECT_EQ(hsv(239).hue, 80);
}

// The colour reference holds red in its lowest byte; its top byte is not a colour.
TEST(NearestColor, NoEntryIsNearerAndNoLowerEntryAsNear) {
  std::mt19937 rng(7);
  PaletteBlock block;
  for (size_t i = 0; i < kPaletteSize; ++i) block.bytes[i] = static_cast<uint8_t>(rng() % 64 * 4);
  auto distance = [&](int k, int r, int g, int b) {
    const uint8_t* c = block.palette() + k * 3;
    const Hsv e = ToHsv(c[0], c[1], c[2]), t = ToHsv(r, g, b);
    return std::abs(c[0] - r) + std::abs(c[1] - g) + std::abs(c[2] - b) + std::abs(e.hue - t.hue) +
           std::abs(e.value - t.value);
  };
  for (int trial = 0; trial < 300; ++trial) {
    int r = static_cast<int>(rng() % 256), g = static_cast<int>(rng() % 256),
        b = static_cast<int>(rng() % 256);
    const uint32_t colourRef = uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
    int found = NearestColor(block, colourRef);
    ASSERT_EQ(NearestColor(block, colourRef | 0xff000000u), found);
    int d = distance(found, r, g, b);
    for (int k = 0; k < 256; ++k) ASSERT_GE(distance(k, r, g, b), d + (k < found)) << k;
  }
}

// Written into the middle of a stream, read back from there, and the read stops
// right after the block.
TEST(PaletteFile, RoundTripIs66308BytesAndIdenticalAndFailedWritesAreReported) {
  PaletteBlock block = PatternBlock(5);
  std::ostringstream out;
  out << "head";
  ASSERT_EQ(WritePaletteFile(block, out), 1);
  out << "tail";
  const std::string file = out.str();
  ASSERT_EQ(file.size(), 4 + 66308u + 4);
  EXPECT_EQ(file.substr(4, 4), "PAL*");
  EXPECT_EQ(file.substr(8, kPaletteBlockSize), std::string(block.bytes.begin(), block.bytes.end()));
  std::istringstream in(file);
  in.seekg(4);
  PaletteBlock read;
  ASSERT_EQ(ReadPaletteFile(read, in), 1);
  EXPECT_EQ(read.bytes, block.bytes);
  std::string rest;
  in >> rest;
  EXPECT_EQ(rest, "tail");
  // A write to a broken stream, or to a disk with less room than the file, fails; room
  // for the whole file is enough.
  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  EXPECT_EQ(WritePaletteFile(block, broken), 0);
  for (size_t room :
       {size_t(0), size_t(2), size_t(4), size_t(1000), kPaletteFileSize - 1, kPaletteFileSize}) {
    FillingBuffer disk(room);
    std::ostream full(&disk);
    EXPECT_EQ(WritePaletteFile(block, full), room == kPaletteFileSize) << room;
  }
}

TEST(PaletteFile, BrokenCopiesAreRefusedWithTheirReasonAndLeaveTheBlockUnchanged) {
  std::ostringstream out;
  WritePaletteFile(PatternBlock(1), out);
  const std::string file = out.str();
  std::string wrongMagic = file;
  wrongMagic[3] = '?';
  const ReadProblem kCut = ReadProblem::Truncated, kOther = ReadProblem::NotThisKind;
  const struct {
    std::string bytes;
    ReadProblem problem;
    int64_t offset;
  } cases[] = {
      {file.substr(0, 0), kCut, 0},
      {file.substr(0, 3), kCut, 3},
      {file.substr(0, 4), kCut, 4},
      {file.substr(0, 772), kCut, 772},
      {file.substr(0, file.size() - 1), kCut, int64_t(file.size()) - 1},
      {wrongMagic, kOther, 0},
      {"RIFF", kOther, 0},
  };
  for (const auto& c : cases) {
    PaletteBlock block = PatternBlock(2);
    const PaletteBlock before = block;
    std::istringstream in(c.bytes);
    const ReadResult result = ReadPaletteFileWithReason(block, in);
    EXPECT_EQ(std::tie(result.problem, result.offset), std::tie(c.problem, c.offset)) << c.bytes.size();
    EXPECT_EQ(block.bytes, before.bytes) << c.bytes.size();
    std::istringstream again(c.bytes);
    EXPECT_EQ(ReadPaletteFile(block, again), 0) << c.bytes.size();
  }
}

}  // namespace
