// The PNG writer, the atlas packer and the PNG commands, checked through
// ImageMagick's own decoding: every pixel comes back in its palette colour with
// index 0 transparent, the atlas JSON names each sprite's place, and the sheet cuts
// back into the same sprites.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "base/byte_reader.h"
#include "cutter/batch_cut.h"
#include "cutter/pcx_writer.h"
#include "cutter/picture.h"
#include "cutter/resource_ids.h"
#include "cutter/sheet_png.h"
#include "editor_support.h"
#include "images/png_reader.h"
#include "images/png_writer.h"
#include "images/sprite_atlas.h"
#include "support/other_decoders.h"

using namespace edtest;
using gifcheck::Output;

namespace {

// A palette of 256 different colours, so each decoded colour names one index.
PaletteBlock DistinctPalette() {
  PaletteBlock p = BuiltinPaletteBlock();
  for (int i = 0; i < 256; ++i) {
    p.palette()[i * 3] = uint8_t(i);
    p.palette()[i * 3 + 1] = uint8_t(255 - i);
    p.palette()[i * 3 + 2] = uint8_t(i * 7);
  }
  return p;
}

// The picture as ImageMagick decodes it, back in palette indices (alpha 0 gives
// index 0, an unknown colour 0xFFFF); empty when it cannot be read.
struct Decoded {
  int width = 0, height = 0;
  std::string type;
  std::vector<int> indices;
};
Decoded DecodeWithImageMagick(const std::string& path, const PaletteBlock& palette) {
  Decoded d;
  std::istringstream size(Output("identify -format '%w %h %[type]' '" + path + "'"));
  size >> d.width >> d.height >> d.type;
  const std::string rgba = Output("convert '" + path + "' -depth 8 rgba:-");
  if (d.width < 1 || rgba.size() != size_t(d.width) * size_t(d.height) * 4) return {};
  std::map<uint32_t, int> index;
  for (int i = 255; i >= 0; --i)
    index[uint32_t(palette.palette()[i * 3]) << 16 | palette.palette()[i * 3 + 1] << 8 |
          palette.palette()[i * 3 + 2]] = i;
  for (size_t i = 0; i < rgba.size(); i += 4) {
    const auto* px = reinterpret_cast<const uint8_t*>(rgba.data() + i);
    auto it = index.find(uint32_t(px[0]) << 16 | px[1] << 8 | px[2]);
    d.indices.push_back(px[3] == 0 ? 0 : px[3] == 255 && it != index.end() ? it->second : 0xFFFF);
  }
  return d;
}

// The same through ImageMagick's decoding, passed on as a PCX.
void ExpectCutsBack(const Decoded& d, const SpriteSet& set) {
  std::vector<uint8_t> pixels(d.indices.begin(), d.indices.end());
  edtest::ExpectCutsBack(EncodePcx(d.width, d.height, pixels.data(), BuiltinPaletteBlock().palette()), set);
}

// The JSON's frames hold every sprite's pixels and nothing else is opaque; no two
// sprites come closer than one pixel.
void ExpectAtlas(const Decoded& d, const std::string& json, const SpriteSet& set, bool powerOfTwo) {
  const auto atlas = nlohmann::json::parse(json);
  ASSERT_EQ(atlas["meta"]["size"]["w"], d.width);
  ASSERT_EQ(atlas["meta"]["size"]["h"], d.height);
  EXPECT_TRUE(!powerOfTwo || ((d.width & (d.width - 1)) == 0 && (d.height & (d.height - 1)) == 0));
  ASSERT_EQ(atlas["frames"].size(), size_t(set.Count()));
  size_t opaque = 0, expected = 0;
  for (int v : d.indices) opaque += v != 0;
  std::vector<std::array<int, 4>> boxes;
  for (int i = 0; i < set.Count(); ++i) {
    const auto& entry = atlas["frames"][size_t(i)];
    const Sprite& s = *set.Get(i);
    const int x = entry["frame"]["x"], y = entry["frame"]["y"];
    ASSERT_EQ(entry["filename"], std::to_string(i));
    ASSERT_EQ(entry["frame"]["w"], s.width);
    ASSERT_EQ(entry["frame"]["h"], s.height);
    ASSERT_TRUE(x >= 0 && y >= 0 && x + s.width <= d.width && y + s.height <= d.height) << i;
    for (int row = 0; row < s.height; ++row)
      for (int col = 0; col < s.width; ++col) {
        const uint8_t want = s.pixels[size_t(row) * s.width + col];
        expected += want != 0;
        ASSERT_EQ(d.indices[size_t(y + row) * d.width + x + col], want) << "sprite " << i;
      }
    for (const auto& b : boxes)
      ASSERT_TRUE(x > b[2] || y > b[3] || b[0] > x + s.width || b[1] > y + s.height) << "sprite " << i;
    boxes.push_back({x, y, x + s.width, y + s.height});
  }
  EXPECT_EQ(opaque, expected);
  EXPECT_NE(d.type.find("Palette"), std::string::npos) << d.type;
}

class PngExport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!readertest::Succeeds("convert -version")) GTEST_SKIP() << "ImageMagick convert not found";
  }
  ScratchFolder dir{"png_export_test"};
  const PaletteBlock palette = DistinctPalette();
};

}  // namespace

TEST_F(PngExport, SheetsAndAtlasesDecodeToTheirSprites) {
  struct Case {
    int count;
    uint32_t seed;
    bool atlas, powerOfTwo;
  };
  for (const Case c : {Case{1, 1, false, false}, Case{150, 2, false, false}, Case{1, 3, true, false},
                       Case{300, 4, true, false}, Case{120, 5, true, true}}) {
    SCOPED_TRACE(testing::Message() << "count " << c.count << " seed " << c.seed);
    const SpriteSet set = Figures(c.count, c.seed);
    const std::string path = dir.path("out.png");
    if (c.atlas) {
      AtlasFiles files;
      ASSERT_TRUE(MakeAtlasFiles(set, palette, c.powerOfTwo, "out.png", files));
      dir.write("out.png", files.png);
      EXPECT_EQ(nlohmann::json::parse(files.json)["meta"]["image"], "out.png");
      ExpectAtlas(DecodeWithImageMagick(path, palette), files.json, set, c.powerOfTwo);
    } else {
      SpriteSheet sheet;
      ASSERT_TRUE(MakeSpriteSheet(set, sheet, kMaxPngSide));
      const std::vector<uint8_t> png = EncodeSheetPng(sheet, palette);
      dir.write("out.png", png);
      ExpectCutsBack(DecodeWithImageMagick(path, palette), set);
      ExpectCutsBack(png, set);  // and through our own reader
    }
  }
}

TEST_F(PngExport, ColourTablesAndRefusals) {
  // Indices past the table decode black; an own alpha is kept; index 0 may stay opaque.
  IndexedImage image{3, 1, {0, 1, 4}, {MakeRgba(10, 20, 30), MakeRgba(40, 50, 60, 128)}};
  for (bool zero : {true, false}) {
    dir.write("t.png", EncodeIndexedPng(image, zero));
    EXPECT_EQ(Output("convert '" + dir.path("t.png") + "' -depth 8 txt:- | tail -n 3 | cut -d' ' -f2"),
              std::string(zero ? "(10,20,30,0)" : "(10,20,30,255)") + "\n(40,50,60,128)\n(0,0,0,255)\n");
  }
  // Our own reader gets the table back: cut to 256 colours, padded black up to the highest index.
  const Rgba grey = MakeRgba(9, 9, 9);
  for (auto [pixels, colours, entries, last] :
       {std::tuple{std::vector<uint8_t>{0}, std::vector<Rgba>{grey}, size_t(1), MakeRgba(9, 9, 9, 0)},
        {{4, 0}, {grey, grey}, 5, MakeRgba(0, 0, 0)},
        {{0}, std::vector<Rgba>(300, grey), 256, grey},
        {{255}, PaletteColours(palette), 256, MakeRgba(255, 0, 249)}}) {
    const std::vector<uint8_t> file =
        EncodeIndexedPng(IndexedImage{int32_t(pixels.size()), 1, pixels, colours});
    PngImage png;
    std::string reason;
    ASSERT_TRUE(ReadPng(file.data(), file.size(), png, reason)) << reason;
    EXPECT_EQ(png.index.pixels, pixels);
    EXPECT_EQ(std::make_pair(png.index.colours.size(), png.index.colours.back()),
              std::make_pair(entries, last));
  }
  EXPECT_TRUE(EncodeIndexedPng(IndexedImage{0, 1, {}, {}}).empty());
  EXPECT_TRUE(EncodeIndexedPng(IndexedImage{2, 2, {1, 2, 3}, {}}).empty());  // short pixels
  SpriteSet none;
  AtlasFiles files;
  EXPECT_FALSE(MakeAtlasFiles(none, palette, false, "x.png", files));
  SpriteSet huge;
  huge.Append(MakeSprite(kMaxPngSide + 1, 1, 1));
  EXPECT_FALSE(MakeAtlasFiles(huge, palette, true, "x.png", files));
  // The narrowest atlas there is; two squares fit 4 x 8 or 8 x 4, and the first width
  // tried (the narrower) stays on the tie; a flat sprite is its own row; two 7 x 2 strips
  // stay 8 x 8, as the widths tried end at twice the square's side.
  SpriteSet thin, squares, flat, strips;
  thin.Append(MakeSprite(1, 3, 1));
  for (int i = 1; i <= 2; ++i)
    squares.Append(MakeSprite(3, 3, uint8_t(i))), strips.Append(MakeSprite(7, 2, 1));
  flat.Append(MakeSprite(100, 1, 1));
  for (auto [set, powerOfTwo, w, h] : {std::tuple{&thin, false, 1, 3},
                                       {&squares, true, 4, 8},
                                       {&flat, true, 128, 1},
                                       {&strips, true, 8, 8}}) {
    ASSERT_TRUE(MakeAtlasFiles(*set, palette, powerOfTwo, "x.png", files));
    EXPECT_EQ(std::make_pair(files.width, files.height), std::make_pair(w, h));
  }
  for (auto [in, out] : std::map<std::string, std::string>{
           {"a/b.png", "a/b.json"}, {"a.b\\c", "a.b\\c.json"}, {"a/.png", "a/.png.json"}})
    EXPECT_EQ(AtlasJsonPath(in), out);
}

TEST_F(PngExport, CommandsOfTheFrameAndTheSpriteWindow) {
  Frame f;
  for (int id : {ID_PLYK_SAVE_PNG, ID_PLYK_SAVE_PNG_ATLAS}) EXPECT_FALSE(f.editor.commands().enabled(id));
  ASSERT_TRUE(f.editor.openSpriteFile(dir.write("s.plk", SpriteFile(6)), "s.plk"));
  f.doc().palette = palette;
  f.host.files = {std::nullopt, ChosenFile{dir.path("sheet.png"), "sheet.png"},
                  ChosenFile{dir.path("아틀라스.png"), "아틀라스.png"}};
  f.editor.command(ID_PLYK_SAVE_PNG);  // cancelled: nothing written
  EXPECT_FALSE(std::filesystem::exists(PathFromText(dir.path("sheet.png"))));
  EXPECT_TRUE(f.editor.command(ID_PLYK_SAVE_PNG));
  EXPECT_EQ(f.host.filters.back(), (FilterEntries{{"PNG 파일(*.png)", "*.png"}, {"모든 파일(*.*)", "*.*"}}));
  ExpectCutsBack(DecodeWithImageMagick(dir.path("sheet.png"), palette), f.doc().sprites);
  EXPECT_TRUE(f.editor.command(ID_PLYK_SAVE_PNG_ATLAS));
  std::vector<uint8_t> json;
  ASSERT_TRUE(ReadFileBytes(PathFromText(dir.path("아틀라스.json")), json));
  const std::string text(json.begin(), json.end());
  EXPECT_EQ(nlohmann::json::parse(text)["meta"]["image"], u8"아틀라스.png");  // UTF-8 in the JSON
  const std::string utf8Path = PathFromText(dir.path("아틀라스.png")).u8string();
  ExpectAtlas(DecodeWithImageMagick(utf8Path, palette), text, f.doc().sprites, false);

  f.doc().sprites.SetCurrent(6);  // the end slot: nothing selected
  EXPECT_FALSE(f.editor.spriteWindow().commands().enabled(ID_PLYK_SPRITE_SAVE_PNG));
  f.doc().sprites.SetCurrent(4);
  f.host.files.push_back(ChosenFile{dir.path("missing/one.png"), "one.png"});
  f.editor.spriteWindow().command(ID_PLYK_SPRITE_SAVE_PNG);
  EXPECT_EQ(f.host.errors.back(), "'one.png'\nPNG 파일을 쓰지 못했습니다.");
  f.host.files.push_back(ChosenFile{dir.path("one.png"), "one.png"});
  EXPECT_TRUE(f.editor.spriteWindow().command(ID_PLYK_SPRITE_SAVE_PNG));
  SpriteSet one;
  one.Append(std::make_unique<Sprite>(*f.doc().sprites.Get(4)));
  ExpectCutsBack(DecodeWithImageMagick(dir.path("one.png"), palette), one);
}
