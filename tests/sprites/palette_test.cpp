#include "sprites/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <tuple>

#include "palette_test_support.h"

namespace {

uint32_t ColorRef(int r, int g, int b) {
  return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
}

// Every byte differs from its neighbours, so any overwrite shows.
PaletteBlock PatternBlock(int seed) {
  PaletteBlock block;
  for (size_t i = 0; i < block.bytes.size(); ++i) block.bytes[i] = static_cast<uint8_t>(i * 31 + seed);
  return block;
}

std::string FileOf(const PaletteBlock& block) {
  std::ostringstream out;
  EXPECT_EQ(WritePaletteFile(block, out), 1);
  return out.str();
}

// A stream buffer that accepts a fixed number of bytes, like a disk that fills up.
class FillingBuffer : public std::streambuf {
 public:
  explicit FillingBuffer(size_t room) : room_(room) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (room_ == 0) return traits_type::eof();
    --room_;
    return c;
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    std::streamsize taken = std::min<std::streamsize>(n, static_cast<std::streamsize>(room_));
    room_ -= static_cast<size_t>(taken);
    return taken;
  }

 private:
  size_t room_;
};

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
      {255, 255, 0, 33, 100, 255}, {255, 0, 255, 96, 100, 255},
  };
  for (const auto& c : cases) {
    const Hsv hsv = ToHsv(c.r, c.g, c.b);
    EXPECT_EQ(std::make_tuple(int(hsv.hue), int(hsv.saturation), int(hsv.value)),
              std::make_tuple(c.hue, c.saturation, c.value))
        << c.r << "," << c.g << "," << c.b;
  }
}

TEST(ToHsv, HueRunOfTheDefaultPaletteClimbs) {
  // Entries 224-239 run from red through green to blue at full brightness.
  int previous = 0;
  for (int k = 224; k < 240; ++k) {
    const uint8_t* c = &kDefaultPaletteColours[k * 3];
    Hsv hsv = ToHsv(c[0], c[1], c[2]);
    EXPECT_GE(hsv.hue, previous) << "entry " << k;
    EXPECT_EQ(hsv.value, 255);
    EXPECT_EQ(hsv.saturation, 100);
    previous = hsv.hue;
  }
  EXPECT_EQ(previous, 80);
}

TEST(DefaultPalette, RampsAndFixedEntries) {
  const auto& p = kDefaultPaletteColours;
  auto entry = [&](int k) { return std::vector<int>{p[k * 3], p[k * 3 + 1], p[k * 3 + 2]}; };
  EXPECT_EQ(entry(0), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(entry(6), (std::vector<int>{171, 87, 0}));
  EXPECT_EQ(entry(9), (std::vector<int>{87, 87, 255}));
  EXPECT_EQ(entry(105), (std::vector<int>{147, 87, 31}));
  EXPECT_EQ(entry(178), (std::vector<int>{179, 247, 251}));
  EXPECT_EQ(entry(199), (std::vector<int>{111, 135, 31}));
  EXPECT_EQ(entry(224), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ(entry(239), (std::vector<int>{0, 0, 255}));
  EXPECT_EQ(entry(255), (std::vector<int>{255, 255, 255}));
  // The grey ramp falls from white to black in equal-channel steps.
  for (int k = 16; k < 32; ++k) {
    EXPECT_EQ(p[k * 3], p[k * 3 + 1]);
    EXPECT_EQ(p[k * 3], p[k * 3 + 2]);
    if (k > 16) {
      EXPECT_LT(p[k * 3], p[(k - 1) * 3]);
    }
  }
  for (int k = 208; k < 224; ++k) EXPECT_EQ(entry(k), (std::vector<int>{255, 255, 255}));
  for (int k = 240; k < 256; ++k) EXPECT_EQ(entry(k), (std::vector<int>{255, 255, 255}));
  // Each colour ramp from 32 to 207 darkens entry by entry.
  for (int ramp = 32; ramp < 208; ramp += 16) {
    for (int k = ramp + 1; k < ramp + 16; ++k) {
      EXPECT_LE(ToHsv(p[k * 3], p[k * 3 + 1], p[k * 3 + 2]).value,
                ToHsv(p[(k - 1) * 3], p[(k - 1) * 3 + 1], p[(k - 1) * 3 + 2]).value)
          << "entry " << k;
    }
  }
}

TEST(NearestColor, EqualColoursGoToTheLowestIndex) {
  PaletteBlock block = DefaultBlock();
  for (int k = 0; k < 256; ++k) SetEntry(block, k, 10, 20, 30);
  SetEntry(block, 3, 255, 255, 255);
  SetEntry(block, 200, 255, 255, 255);
  EXPECT_EQ(NearestColor(block, ColorRef(255, 255, 255)), 3);
  // Default palette: white is first found at 15, black at 0.
  PaletteBlock def = DefaultBlock();
  EXPECT_EQ(NearestColor(def, ColorRef(255, 255, 255)), 15);
  EXPECT_EQ(NearestColor(def, ColorRef(0, 0, 0)), 0);
}

TEST(NearestColor, ReadsTheColourReferenceLayout) {
  PaletteBlock block;
  SetEntry(block, 1, 200, 0, 0);
  SetEntry(block, 2, 0, 200, 0);
  SetEntry(block, 3, 0, 0, 200);
  EXPECT_EQ(NearestColor(block, 0x0000c8), 1);  // red in the lowest byte
  EXPECT_EQ(NearestColor(block, 0x00c800), 2);
  EXPECT_EQ(NearestColor(block, 0xc80000), 3);
  EXPECT_EQ(NearestColor(block, 0xff000000), 0);  // the top byte is not a colour
}

TEST(NearestColor, NoEntryIsNearerAndNoLowerEntryAsNear) {
  std::mt19937 rng(7);
  PaletteBlock block;
  for (size_t i = 0; i < kPaletteSize; ++i) block.bytes[i] = static_cast<uint8_t>(rng() % 64 * 4);
  auto distance = [&](int k, int r, int g, int b) {
    const uint8_t* c = block.palette() + k * 3;
    Hsv e = ToHsv(c[0], c[1], c[2]);
    Hsv t = ToHsv(r, g, b);
    return std::abs(c[0] - r) + std::abs(c[1] - g) + std::abs(c[2] - b) + std::abs(e.hue - t.hue) +
           std::abs(e.value - t.value);
  };
  for (int trial = 0; trial < 300; ++trial) {
    int r = static_cast<int>(rng() % 256), g = static_cast<int>(rng() % 256),
        b = static_cast<int>(rng() % 256);
    int found = NearestColor(block, ColorRef(r, g, b));
    int d = distance(found, r, g, b);
    for (int k = 0; k < 256; ++k) {
      ASSERT_GE(distance(k, r, g, b), d) << k;
      if (k < found) {
        ASSERT_GT(distance(k, r, g, b), d) << k;
      }
    }
  }
}

TEST(PaletteFile, RoundTripIs66308BytesAndIdentical) {
  PaletteBlock block = PatternBlock(5);
  std::string file = FileOf(block);
  ASSERT_EQ(file.size(), 66308u);
  EXPECT_EQ(file.substr(0, 4), "PAL*");
  EXPECT_EQ(static_cast<uint8_t>(file[4]), block.bytes[0]);
  EXPECT_EQ(static_cast<uint8_t>(file[4 + 768]), block.mixTable()[0]);
  EXPECT_EQ(static_cast<uint8_t>(file.back()), block.bytes.back());

  PaletteBlock read;
  std::istringstream in(file);
  ASSERT_EQ(ReadPaletteFile(read, in), 1);
  EXPECT_EQ(read.bytes, block.bytes);
}

TEST(PaletteFile, ReadsFromTheMiddleOfAStreamAndStopsAfterTheBlock) {
  PaletteBlock block = PatternBlock(9);
  std::istringstream in("head" + FileOf(block) + "tail");
  in.seekg(4);
  PaletteBlock read;
  ASSERT_EQ(ReadPaletteFile(read, in), 1);
  EXPECT_EQ(read.bytes, block.bytes);
  std::string rest;
  in >> rest;
  EXPECT_EQ(rest, "tail");
}

TEST(PaletteFile, ShortFilesAndWrongMagicAreRefusedAndLeaveTheBlockUnchanged) {
  const std::string file = FileOf(PatternBlock(1));
  std::string wrongMagic = file;
  wrongMagic[3] = '?';
  for (const std::string& bad : {file.substr(0, 0), file.substr(0, 3), file.substr(0, 4), file.substr(0, 772),
                                 file.substr(0, 40000), file.substr(0, file.size() - 1), wrongMagic}) {
    PaletteBlock block = PatternBlock(2);
    const PaletteBlock before = block;
    std::istringstream in(bad);
    EXPECT_EQ(ReadPaletteFile(block, in), 0) << bad.size();
    EXPECT_EQ(block.bytes, before.bytes) << bad.size();
  }
}

TEST(PaletteFile, FailedWriteIsReported) {
  PaletteBlock block = PatternBlock(3);
  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  EXPECT_EQ(WritePaletteFile(block, broken), 0);

  for (size_t room : {size_t(0), size_t(2), size_t(4), size_t(1000), kPaletteFileSize - 1}) {
    FillingBuffer disk(room);
    std::ostream out(&disk);
    EXPECT_EQ(WritePaletteFile(block, out), 0) << room;
  }
  FillingBuffer roomy(kPaletteFileSize);
  std::ostream out(&roomy);
  EXPECT_EQ(WritePaletteFile(block, out), 1);
}

}  // namespace
