// The "PlykII.cfg" block: defaults, byte round trip, short files and damaged fields;
// the interface colours' palette indices.
#include "cutter/editor/cutter_settings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/file_words.h"
#include "ui/settings_block.h"

namespace {

const ScreenArea kScreen{0, 0, 1280, 1024};

CutterSettings Custom() {
  CutterSettings s;
  s.maximised = true;
  s.frameRect = {10, 20, 810, 620};
  s.spriteWindowRect = {900, 0, 1200, 300};
  s.detailWindowRect = {500, 500, 700, 650};
  s.detailShown = false;
  s.ignoreTransparent = true;
  s.zoom = 4;
  s.cutWidth = 1000;
  s.cutHeight = 1;
  s.backgroundIndex = 17;
  s.systemIndex = 0;  // 0 is a colour like any other
  s.systemColour = 0x00123456;
  s.shadowColour = 0x00654321;
  s.customColours[15] = 0x00ABCDEF;
  s.spriteName = "영웅.plk";
  s.spritePath = "C:\\그림\\영웅.plk";
  s.palettePath = "C:\\그림\\밤.pal";
  s.picturePath = std::string(300, 'p');  // cut to the field
  return s;
}

}  // namespace

TEST(CutterSettings, DefaultsAndTheirBytes) {
  const std::vector<uint8_t> bytes = EncodeCutterSettings(CutterSettings{});
  ASSERT_EQ(bytes.size(), 1720u);
  const std::pair<size_t, int32_t> fields[] = {
      {0x000, 0},          {0x004, INT32_MIN},  {0x00C, 0},   {0x01C, 250},        {0x020, 150},
      {0x024, 300},        {0x030, 125},        {0x034, 1},   {0x038, 0},          {0x03C, 1},
      {0x040, 32},         {0x044, 32},         {0x048, 255}, {0x04C, 1},          {0x050, 0},
      {0x054, 0x007F0000}, {0x058, 0x00FFFFFF}, {0x05C, 0},   {0x060, 0x00FFFFFF}, {0x09C, 0x00FFFFFF},
      {0x0A0, 0},          {0x5B4, 0}};
  for (auto [offset, value] : fields) EXPECT_EQ(WordAt(bytes, offset), value) << "at " << offset;
  // Each text is stored at its offset, zero-terminated.
  const std::pair<size_t, std::string CutterSettings::*> texts[] = {
      {0x0A0, &CutterSettings::spriteName},  {0x1A4, &CutterSettings::spritePath},
      {0x2A8, &CutterSettings::paletteName}, {0x3AC, &CutterSettings::palettePath},
      {0x4B0, &CutterSettings::pictureName}, {0x5B4, &CutterSettings::picturePath}};
  CutterSettings named;
  for (const auto& [offset, member] : texts) named.*member = "text at " + std::to_string(offset);
  const std::vector<uint8_t> namedBytes = EncodeCutterSettings(named);
  for (const auto& [offset, member] : texts)
    EXPECT_STREQ(reinterpret_cast<const char*>(namedBytes.data() + offset), (named.*member).c_str());
  // A missing file gives the defaults.
  EXPECT_EQ(EncodeCutterSettings(DecodeCutterSettings({}, kScreen)), bytes);
}

TEST(CutterSettings, RoundTripsByteForByteAndShortFilesFillOnlyTheirLength) {
  const std::vector<uint8_t> bytes = EncodeCutterSettings(Custom());
  const CutterSettings read = DecodeCutterSettings(bytes, kScreen);
  EXPECT_EQ(EncodeCutterSettings(read), bytes);
  EXPECT_EQ(read.spritePath, "C:\\그림\\영웅.plk");
  EXPECT_EQ(read.picturePath.size(), 259u);
  // Longer files are read to the block's length.
  std::vector<uint8_t> longer = bytes;
  longer.resize(4000, 0xEE);
  EXPECT_EQ(EncodeCutterSettings(DecodeCutterSettings(longer, kScreen)), bytes);
  // Up to the zoom: the fields after it keep their defaults.
  const CutterSettings part = DecodeCutterSettings({bytes.begin(), bytes.begin() + 0x40}, kScreen);
  EXPECT_EQ(std::make_tuple(part.maximised, part.zoom, part.cutWidth), std::make_tuple(true, 4, 32));
}

TEST(CutterSettings, ACutSizeNoBufferCouldHoldTakesTheDefault) {
  for (int32_t side : {1, 8192, 8193}) {
    CutterSettings huge;
    huge.cutWidth = huge.cutHeight = side;
    const CutterSettings read = DecodeCutterSettings(EncodeCutterSettings(huge), kScreen);
    EXPECT_EQ(read.cutWidth, side <= 8192 ? side : CutterSettings().cutWidth) << side;
    EXPECT_EQ(read.cutHeight, side <= 8192 ? side : CutterSettings().cutHeight) << side;
  }
}

TEST(CutterSettings, DamagedFieldsTakeTheirDefaults) {
  const CutterSettings defaults;
  const struct {
    size_t offset;
    int32_t value;
  } damage[] = {{0x000, 2},   {0x004, 5000},      {0x014, 1300},      {0x02C, -5},   {0x034, -1},
                {0x038, 7},   {0x03C, 0},         {0x03C, 5},         {0x040, 0},    {0x044, 32769},
                {0x040, -32}, {0x048, 256},       {0x04C, -1},        {0x050, 1000}, {0x054, 0x01000000},
                {0x058, -1},  {0x060, INT32_MIN}, {0x09C, 0x7F000000}};
  const std::vector<uint8_t> custom = EncodeCutterSettings(Custom()),
                             fallback = EncodeCutterSettings(defaults);
  for (const auto& d : damage) {
    std::vector<uint8_t> bytes = custom;
    SetU32(bytes, d.offset, d.value);
    // The damaged field (a whole rectangle for a rectangle's side) takes its default;
    // every other field is kept.
    const bool rect = d.offset >= 0x004 && d.offset < 0x034;
    const size_t field = rect ? d.offset - (d.offset - 4) % 16 : d.offset;
    std::vector<uint8_t> expected = custom;
    std::copy_n(fallback.begin() + field, rect ? 16 : 4, expected.begin() + field);
    EXPECT_EQ(EncodeCutterSettings(DecodeCutterSettings(bytes, kScreen)), expected)
        << "damage at " << d.offset;
  }
  // A text field without its terminator.
  std::vector<uint8_t> bytes = EncodeCutterSettings(Custom());
  std::fill(bytes.begin() + 0x1A4, bytes.begin() + 0x2A8, 'x');
  EXPECT_EQ(DecodeCutterSettings(bytes, kScreen).spritePath, "");
  EXPECT_EQ(DecodeCutterSettings(bytes, kScreen).spriteName, "영웅.plk");
  // The system-chosen frame rectangle is kept as it is; one off the desktop is not.
  EXPECT_EQ(DecodeCutterSettings(EncodeCutterSettings(defaults), kScreen).frameRect, kSystemChosenRect);
  EXPECT_EQ(DecodeCutterSettings(EncodeCutterSettings(Custom()), ScreenArea{2000, 0, 3000, 800}).frameRect,
            kSystemChosenRect);
}
