// The settings block: defaults, round trips, short files and damaged fields.
#include "motion/editor/zorv_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "support/file_words.h"

namespace {

const ScreenArea kScreen{0, 0, 1280, 1024};

ZorvSettings Unusual() {
  ZorvSettings s;
  s.maximised = true;
  s.mainWindow = {10, 20, 810, 620};
  s.spriteWindow = {-100, 5, 200, 300};
  s.baseX = -40;
  s.baseY = 33;
  s.infoX = 9;
  s.infoY = 700;
  s.showPoints = false;
  s.zoom = 4;
  s.defaultDelay = 60;
  s.indices.boxes[5] = 255;
  s.indices.boxes[2] = 77;
  s.indices.system = 0;  // 0 is a colour like any other
  s.colours.shadow = 0x00123456;
  s.customColours[15] = 0x00ABCDEF;
  s.motionFilePath = "C:\\게임\\걷기.zrv";
  s.waveDirectory = std::string(259, 'w');
  return s;
}

}  // namespace

TEST(ZorvSettings, FieldsSitAtTheirOffsets) {
  const std::vector<uint8_t> block = EncodeZorvSettings(ZorvSettings());
  ASSERT_EQ(block.size(), kZorvSettingsSize);
  const std::pair<size_t, int32_t> words[] = {
      {0x000, 0},        {0x004, INT32_MIN}, {0x00C, 0},        {0x01C, 250},      {0x024, 300},
      {0x034, 200},      {0x040, 100},       {0x044, 1},        {0x04C, 1},        {0x050, 1},
      {0x054, 1},        {0x058, 1},         {0x05C, 1},        {0x060, 2},        {0x064, 1},
      {0x068, 255},      {0x06C, 0},         {0x070, 9},        {0x080, 13},       {0x084, 14},
      {0x088, 0x7F0000}, {0x08C, 0xFFFFFF},  {0x094, 0xFF5757}, {0x0A8, 0x57FFFF}, {0x0AC, 0xFFFFFF},
      {0x0E8, 0xFFFFFF}, {0x0EC, 0},         {0x704, 0}};
  for (const auto& [offset, value] : words) EXPECT_EQ(WordAt(block, offset), value) << "offset " << offset;
  EXPECT_EQ(DecodeZorvSettings({}, kScreen), ZorvSettings());
  // Each text is stored at its offset, zero-terminated.
  const std::pair<size_t, std::string ZorvSettings::*> texts[] = {
      {0x0EC, &ZorvSettings::motionFileName},  {0x1F0, &ZorvSettings::motionFilePath},
      {0x2F4, &ZorvSettings::paletteFileName}, {0x3F8, &ZorvSettings::paletteFilePath},
      {0x4FC, &ZorvSettings::spriteFileName},  {0x600, &ZorvSettings::spriteFilePath},
      {0x704, &ZorvSettings::waveDirectory}};
  ZorvSettings named;
  for (const auto& [offset, member] : texts) named.*member = "text at " + std::to_string(offset);
  const std::vector<uint8_t> namedBlock = EncodeZorvSettings(named);
  for (const auto& [offset, member] : texts)
    EXPECT_STREQ(reinterpret_cast<const char*>(namedBlock.data() + offset), (named.*member).c_str());
}

TEST(ZorvSettings, RoundTripsByteForByteAndAShortFileFillsOnlyItsLength) {
  std::vector<uint8_t> block = EncodeZorvSettings(Unusual());
  const ZorvSettings decoded = DecodeZorvSettings(block, kScreen);
  EXPECT_EQ(decoded, Unusual());
  EXPECT_EQ(decoded.indices, Unusual().indices) << "equal blocks alone miss a field both ways misplace";
  EXPECT_EQ(EncodeZorvSettings(decoded), block);
  block.resize(0x60);  // up to the zoom; the delay and everything after keep their defaults
  const ZorvSettings s = DecodeZorvSettings(block, kScreen);
  EXPECT_EQ(std::make_tuple(s.maximised, s.zoom, s.defaultDelay), std::make_tuple(true, 4, 2));
}

TEST(ZorvSettings, DamagedFieldsTakeTheirDefaults) {
  // Each damaged field of a block of defaults falls back to its default: the whole
  // block decodes to the defaults.
  const struct {
    const char* name;
    size_t offset;
    int32_t value;
  } cases[] = {{"flag 2", 0x048, 2},
               {"flag -1", 0x000, -1},
               {"window off screen", 0x014, 5000},
               {"base far away", 0x034, 40000},
               {"info far away", 0x040, INT32_MIN},
               {"zoom 0", 0x05C, 0},
               {"zoom 5", 0x05C, 5},
               {"delay 0", 0x060, 0},
               {"delay 61", 0x060, 61},
               {"index 256", 0x068, 256},
               {"index -1", 0x084, -1},
               {"colour top byte", 0x088, 0x01000000},
               {"custom colour", 0x0E8, -1}};
  for (const auto& c : cases) {
    std::vector<uint8_t> block = EncodeZorvSettings(ZorvSettings());
    SetU32(block, c.offset, c.value);
    EXPECT_EQ(DecodeZorvSettings(block, kScreen), ZorvSettings()) << c.name;
  }
  // A text field without its terminator is dropped; the others stay.
  ZorvSettings named;
  named.motionFileName = "a.zrv";
  named.paletteFileName = "b.pal";
  std::vector<uint8_t> block = EncodeZorvSettings(named);
  std::fill(block.begin() + 0x0EC, block.begin() + 0x0EC + 260, 'x');
  const ZorvSettings s = DecodeZorvSettings(block, kScreen);
  EXPECT_EQ(s.motionFileName, "");
  EXPECT_EQ(s.paletteFileName, "b.pal");
}
