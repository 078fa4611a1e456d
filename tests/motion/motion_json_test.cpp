// Motions as JSON: the samples, a generated 200 x 200-motion file and files with
// everything other programs may store survive export and import byte for byte; a
// table of broken inputs is refused with the path of the field at fault.
#include "motion/motion_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>

#include "base/byte_reader.h"
#include "editor_test_support.h"
#include "images/png_reader.h"
#include "motion/motion_file_io.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadSample(const char* name) {
  Bytes bytes;
  EXPECT_TRUE(ReadFileBytes(std::string(PLYK_SOURCE_DIR) + "/examples/" + name, bytes)) << name;
  return bytes;
}

// Export then import, the atlas passed in memory. Empty when either step refuses.
Bytes RoundTrip(const Bytes& zrv, std::string* json = nullptr) {
  StoredMotionFile file;
  std::string error;
  if (!ReadStoredMotionFile(zrv.data(), zrv.size(), file, error)) return {};
  MotionJsonExport out;
  if (!ExportMotionJson(file, TestPalette(), "atlas.png", out, error)) return {};
  if (json) *json = out.json;
  Bytes back;
  const auto load = [&](const std::string& name, Bytes& png) {
    png = out.png;
    return name == "atlas.png";
  };
  EXPECT_TRUE(ImportMotionJson(out.json, load, TestPalette(), back, error)) << error;
  return back;
}

// 200 bundles of 200 motions over 20 sprites, every field used.
Bytes ManyMotions() {
  MotionFile file;
  for (int i = 0; i < 20; ++i) file.sprites.Append(MakeSprite(8 + i, 5 + i % 7, uint8_t(i + 1)));
  for (int b = 0; b < 200; ++b) {
    file.append(std::make_unique<MotionBundle>("묶음 " + std::to_string(b)));
    for (int m = 0; m < 200; ++m) {
      auto motion = std::make_unique<Motion>(DistinctMotion(b + m));
      motion->sprite = file.sprites.Get((b * 7 + m) % 20);
      file.current()->select(m);
      file.current()->insertBeforeCurrent(std::move(motion));
    }
  }
  return MotionFileBytes(file);
}

}  // namespace

TEST(MotionJson, SamplesAndALargeFileComeBackByteForByte) {
  for (const char* name : {"walker.zrv", "sample.zrv"}) {
    const Bytes zrv = ReadSample(name);
    EXPECT_EQ(RoundTrip(zrv), zrv) << name;
  }
  const Bytes many = ManyMotions();
  std::string json;
  EXPECT_EQ(RoundTrip(many, &json), many);
  // An ordinary JSON reader sees 200 bundles of 200 motions, unset boxes as null.
  const auto parsed = nlohmann::json::parse(json);
  ASSERT_EQ(parsed["bundles"].size(), 200u);
  EXPECT_EQ(parsed["bundles"][3]["motions"].size(), 200u);
  EXPECT_EQ(parsed["bundles"][0]["motions"][0]["boxes"][0], nullptr);
  EXPECT_EQ(parsed["bundles"][0]["motions"][0]["sound"], "hit0.wav");
  EXPECT_FALSE(parsed.contains("stored"));
}

TEST(MotionJson, ATrueColourAtlasTakesTheNearestPaletteColours) {
  MotionFile file;
  file.sprites.Append(MakeSprite(9, 7, 1));
  const Bytes zrv = MotionFileBytes(file);
  StoredMotionFile stored;
  std::string error;
  MotionJsonExport out;
  ASSERT_TRUE(ReadStoredMotionFile(zrv.data(), zrv.size(), stored, error));
  ASSERT_TRUE(ExportMotionJson(stored, TestPalette(), "atlas.png", out, error));
  Bytes png, back;
  ASSERT_TRUE(ReadFileBytes(PLYK_SOURCE_DIR "/tests/fuzz/corpus/png/rgba.png", png));  // 9 x 7, 16-bit RGBA
  const auto load = [&](const std::string&, Bytes& b) { return b = png, true; };
  ASSERT_TRUE(ImportMotionJson(out.json, load, TestPalette(), back, error)) << error;
  ASSERT_TRUE(ReadStoredMotionFile(back.data(), back.size(), stored, error));
  PngImage picture;
  ASSERT_TRUE(ReadPng(png.data(), png.size(), picture, error));
  EXPECT_EQ(stored.sprites.Get(0)->pixels, MapToPalette(picture.rgba, TestPalette()));
  // The same picture is refused where the JSON gives the atlas another size.
  auto json = nlohmann::ordered_json::parse(out.json);
  json["atlas"]["height"] = 8;
  EXPECT_FALSE(ImportMotionJson(json.dump(), load, TestPalette(), back, error));
  EXPECT_EQ(error, "atlas: the picture is 9 x 7, the JSON says 9 x 8");
}

TEST(MotionJson, WhatOtherProgramsStoreIsKept) {
  const Bytes walker = ReadSample("walker.zrv");
  StoredMotionFile base;
  std::string error;
  ASSERT_TRUE(ReadStoredMotionFile(walker.data(), walker.size(), base, error)) << error;
  using Change = std::function<void(StoredMotionFile&)>;
  Motion& (*first)(StoredMotionFile&) = [](StoredMotionFile& f) -> Motion& {
    return f.bundles[0].motions[0];
  };
  const std::pair<const char*, Change> cases[] = {
      {"header words", [](StoredMotionFile& f) { f.headerReserved.fill(0x5A); }},
      {"size word", [](StoredMotionFile& f) { f.fileSize = 7; }},
      {"bundle offsets", [](StoredMotionFile& f) { f.bundleOffsets[1] = -3; }},
      {"empty name", [](StoredMotionFile& f) { f.bundles[1].name = FixedName(); }},
      {"repeated name", [](StoredMotionFile& f) { f.bundles[2].name = f.bundles[0].name; }},
      {"name without terminator", [](StoredMotionFile& f) { f.bundles[0].name.bytes.fill('A'); }},
      {"bytes after the terminator", [](StoredMotionFile& f) { f.bundles[0].name.bytes[30] = 'x'; }},
      {"name not CP949", [](StoredMotionFile& f) { f.bundles[0].name.bytes[0] = char(0xFF); }},
      {"sprite past the sprites", [=](StoredMotionFile& f) { first(f).spriteIndex = 999; }},
      {"sprite below -1", [=](StoredMotionFile& f) { first(f).spriteIndex = -2; }},
      {"delay 0", [=](StoredMotionFile& f) { first(f).delay = 0; }},
      {"delay 999", [=](StoredMotionFile& f) { first(f).delay = 999; }},
      {"unknown effect bits", [=](StoredMotionFile& f) { first(f).effects = 0x31; }},
      {"box without width", [=](StoredMotionFile& f) { first(f).boxes[0].x2 = first(f).boxes[0].x1; }},
      {"box without height", [=](StoredMotionFile& f) { first(f).boxes[0].y2 = first(f).boxes[0].y1; }},
      {"box half unset", [=](StoredMotionFile& f) { first(f).boxes[3].y2 = 5; }},
      {"point half unset", [=](StoredMotionFile& f) { first(f).points[4].y = 5; }},
      {"reserved bytes", [=](StoredMotionFile& f) { first(f).reserved.fill(0xC3); }},
      {"sound garbage", [=](StoredMotionFile& f) { first(f).sound.bytes[25] = 1; }},
      {"sprite section version", [](StoredMotionFile& f) { f.spriteVersion = 7; }},
      {"sprite section reserved", [](StoredMotionFile& f) { f.spriteReserved[3] = 9; }},
      {"sprite section length", [](StoredMotionFile& f) { f.spriteTotalLength = 1; }},
      {"sprite offsets", [](StoredMotionFile& f) { f.spriteOffsets[2] = 77; }},
      {"duplicate and empty sprites",
       [](StoredMotionFile& f) {
         f.sprites.Append(std::make_unique<Sprite>(*f.sprites.Get(0)));
         f.sprites.Append(std::make_unique<Sprite>(0, 9, Bytes()));
         f.recompute();
       }},
      {"no sprites",
       [](StoredMotionFile& f) {
         f.sprites.Clear();
         f.recompute();
       }},
      {"bytes after the end", [](StoredMotionFile& f) { f.trailing.assign(3, 1); }},
  };
  for (const auto& [name, change] : cases) {
    StoredMotionFile file;
    ASSERT_TRUE(ReadStoredMotionFile(walker.data(), walker.size(), file, error));
    change(file);
    const Bytes zrv = StoredMotionFileBytes(file);
    ASSERT_NE(zrv, walker) << name;
    EXPECT_EQ(RoundTrip(zrv), zrv) << name;
  }
}

TEST(MotionJson, AMotionFileWithAForeignSpriteSectionIsRefused) {
  Bytes zrv = ReadSample("walker.zrv");
  const std::string magic = "PLYK";
  const size_t section =
      size_t(std::search(zrv.begin(), zrv.end(), magic.begin(), magic.end()) - zrv.begin());
  ASSERT_LT(section, zrv.size());
  zrv[section + 3] = 'X';  // the rest of the file stays whole
  StoredMotionFile file;
  std::string error;
  EXPECT_FALSE(ReadStoredMotionFile(zrv.data(), zrv.size(), file, error));
  EXPECT_EQ(error, "no sprite section at byte " + std::to_string(section));
}

TEST(MotionJson, BrokenInputIsRefusedWithTheFieldsPath) {
  std::string json;
  RoundTrip(ReadSample("walker.zrv"), &json);
  const auto good = nlohmann::ordered_json::parse(json);
  using Ptr = nlohmann::ordered_json::json_pointer;
  const struct {
    const char* pointer;  // what to change ("-" removes the field)
    nlohmann::ordered_json value;
    const char* error;
  } cases[] = {
      {"/bundles/0/motions/5/boxes/1/x2", -6, "bundles[0].motions[5].boxes[1]: x1 must be below x2"},
      {"/bundles/0/motions/5/boxes/1/y1", -27, "bundles[0].motions[5].boxes[1]: y1 must be below y2"},
      {"/bundles/1/motions/2/delay", 61, "bundles[1].motions[2].delay: must be an integer from 1 to 60"},
      {"/bundles/1/motions/2/delay", "3", "bundles[1].motions[2].delay: must be an integer from 1 to 60"},
      {"/bundles/1/motions/2/x", 4294967296.0, "bundles[1].motions[2].x: must be an integer"},
      {"/bundles/1/motions/2/sprite", 10, "bundles[1].motions[2].sprite: must be an integer from -1 to 9"},
      {"/bundles/2/motions/0/flags", nlohmann::ordered_json::array({1, 2}),
       "bundles[2].motions[0].flags: must hold 10 entries"},
      {"/bundles/2/motions/0/points/0", nlohmann::ordered_json{{"x", -19775}, {"y", 0}},
       "bundles[2].motions[0].points[0]: x is -19775"},
      {"/bundles/2/motions/0/effects/translucent", 1,
       "bundles[2].motions[0].effects.translucent: must be true or false"},
      {"/bundles/2/motions/0/sound", u8"이 소리 이름은 서른한 바이트보다 훨씬 깁니다.wav",
       "bundles[2].motions[0].sound: must be at most 31 bytes"},
      {"/bundles/2/motions/0/reserved", "12", "bundles[2].motions[0].reserved: must be 16 hex digits"},
      {"/bundles/2/motions/0/reserved", "00000000000000g0",
       "bundles[2].motions[0].reserved: must be 16 hex digits"},
      {"/bundles/2/motions/0/reserved", "0123456789ABCDEF", "atlas.image: cannot read"},  // capitals pass
      {"/bundles/2/motions/0/storedRecord", "zz",
       "bundles[2].motions[0].storedRecord: must be 488 hex digits"},
      {"/bundles/3/name", u8"걷기", "bundles[3].name: is the name of an earlier bundle"},
      {"/bundles/3/name", "", "bundles[3].name: must not be empty"},
      {"/bundles/3/name", u8"\u00e9t\u00e9", "bundles[3].name: has a character that code page 949 lacks"},
      {"/sprites/4/w", 400, "sprites[4]: lies outside the atlas"},
      {"/sprites/4/h", -1, "sprites[4].h: must be an integer from 0 to"},
      {"/atlas/width", 0, "atlas.width: must be an integer from 1 to"},
      {"/atlas/height", 0, "atlas.height: must be an integer from 1 to"},
      {"/version", 2, "version: 2 is not supported"},
      {"/format", "other", "format: must be \"zorv-motions\""},
      {"/bundles/4/motions/0", "-", "bundles[4].motions[0]: must be an object"},
      {"/bundles/0/motions/0/boxes", "-", "bundles[0].motions[0]: boxes is missing"},
      {"/atlas", "-", "atlas is missing"},
      {"/stored", nlohmann::ordered_json{{"bundleOffsets", {1}}},
       "stored.bundleOffsets: must hold 5 entries"},
  };
  const auto load = [](const std::string&, Bytes&) { return false; };
  for (const auto& c : cases) {
    nlohmann::ordered_json broken = good;
    if (c.value == "-") {
      const Ptr at(c.pointer);
      if (std::string(c.pointer) == "/bundles/4/motions/0")
        broken[at] = 5;
      else
        broken[at.parent_pointer()].erase(at.back());
    } else {
      broken[Ptr(c.pointer)] = c.value;
    }
    Bytes zrv = {9};
    std::string error;
    EXPECT_FALSE(ImportMotionJson(broken.dump(), load, TestPalette(), zrv, error)) << c.pointer;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.pointer << ": " << error;
    EXPECT_EQ(zrv, Bytes{9}) << "nothing is written for " << c.pointer;
  }
  const std::pair<const char*, const char*> texts[] = {
      {"", "not JSON: parse error at line 1, column 1"},
      {"{", "not JSON: parse error at line 1, column 2"},
      {"[1, 2]", "must be an object"},
      {"{\"format\": \"zorv-motions\"}", "version is missing"},
      {"nul", "not JSON: parse error at line 1, column 4"}};
  for (const auto& [text, message] : texts) {
    Bytes zrv;
    std::string error;
    EXPECT_FALSE(ImportMotionJson(text, load, TestPalette(), zrv, error)) << text;
    EXPECT_EQ(error.rfind(message, 0), 0u) << text << ": " << error;
  }
  // A good text whose atlas cannot be read, or does not match, is refused as well.
  Bytes zrv;
  std::string error;
  EXPECT_FALSE(ImportMotionJson(json, load, TestPalette(), zrv, error));
  EXPECT_EQ(error, "atlas.image: cannot read atlas.png");
  const auto junk = [](const std::string&, Bytes& b) {
    b = {0x89, 'P', 'N', 'G'};
    return true;
  };
  EXPECT_FALSE(ImportMotionJson(json, junk, TestPalette(), zrv, error));
  EXPECT_EQ(error.rfind("atlas.image: atlas.png: ", 0), 0u) << error;
}
