// The art parser and encoders, checked against hand-computed layouts and, for
// sprite files, against the sprite reader.
#include <gtest/gtest.h>

#include <tuple>

#include "art_file.h"
#include "base/byte_reader.h"
#include "resource_encoders.h"
#include "sprites/sprite_file.h"

namespace {

using Encoder = bool (*)(const ArtFile&, std::vector<uint8_t>&, std::string&);

ArtFile Parse(const std::string& text) {
  ArtFile art;
  std::string error;
  EXPECT_TRUE(ParseArt(text, "test", art, error)) << error;
  return art;
}

std::vector<uint8_t> Encode(Encoder encode, const std::string& text) {
  std::vector<uint8_t> out;
  std::string error;
  EXPECT_TRUE(encode(Parse(text), out, error)) << error;
  return out;
}

}  // namespace

TEST(ArtParser, DefinitionsAccumulateOverFilesAndImagesKeepTheirOrder) {
  ArtFile art;
  std::string error;
  ASSERT_TRUE(ParseArt("# comment\ncolour . none\ncolour k 102030  black-ish\nvalue # 255\nhotspot 3 4\n\n",
                       "legend", art, error))
      << error;
  ASSERT_TRUE(ParseArt("image first 3 2\n.k.\nk.k   \nimage second 1 1\n#\n", "images", art, error)) << error;
  ASSERT_EQ(art.images.size(), 2u);
  EXPECT_EQ(art.images[0].name, "first");
  EXPECT_EQ(art.images[0].pixels, ".k.k.k");  // trailing blanks are not pixels
  EXPECT_EQ(art.images[1].pixels, "#");
  EXPECT_TRUE(art.colours['.'].transparent);
  const ArtColour k = art.colours['k'];
  EXPECT_EQ(std::make_tuple(k.red, k.green, k.blue), std::make_tuple(0x10, 0x20, 0x30));
  EXPECT_EQ(art.values['#'], 255);
  EXPECT_EQ(std::make_pair(art.hotspotX, art.hotspotY), std::make_pair(3, 4));
}

TEST(ArtParser, RefusesMalformedArtNamingTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"colour k 12345\n", "art.txt:1"},       {"\n\nimage a 2 2\nab\nabc\n", "art.txt:5"},
      {"image a 2 3\nab\nab\n", "ends early"}, {"picture a 2 3\n", "unknown keyword"},
      {"image a 0 3\n", "art.txt:1"},          {"image a 257 1\n", "art.txt:1"},
      {"image a -1 1\n", "art.txt:1"},         {"value x 256\n", "art.txt:1"},
      {"value xy 1\n", "art.txt:1"},           {"hotspot 1\n", "art.txt:1"}};
  for (const auto& [text, fragment] : cases) {
    ArtFile art;
    std::string error;
    EXPECT_FALSE(ParseArt(text, "art.txt", art, error)) << "case " << text;
    EXPECT_NE(error.find(fragment), std::string::npos) << "case " << text << ": " << error;
  }
}

TEST(ArtEncoders, RefuseArtTheyCannotEncode) {
  const struct {
    const char* name;
    Encoder encode;
    const char* art;
    const char* fragment;
  } cases[] = {
      {"sprite without value", EncodeSpriteFile, "value . 0\nimage p 2 1\n.x\n", "'x'"},
      {"icon not square", EncodeIcon, "colour . none\nimage a 2 1\n..\n", "square"},
      {"icon without colour", EncodeIcon, "colour . none\nimage a 1 1\ny\n", "'y'"},
      {"cursor in colour", EncodeCursor, "colour r ff0000\nimage c 1 1\nr\n", "black, white"},
      {"hot spot outside", EncodeCursor, "colour . none\nhotspot 2 0\nimage c 1 1\n.\n", "hot spot"},
      {"strip heights", EncodeStripBitmap, "colour . none\nimage a 1 1\n.\nimage b 1 2\n.\n.\n", "height"}};
  for (const auto& c : cases) {
    std::vector<uint8_t> out;
    std::string error;
    EXPECT_FALSE(c.encode(Parse(c.art), out, error)) << "case " << c.name;
    EXPECT_NE(error.find(c.fragment), std::string::npos) << "case " << c.name << ": " << error;
  }
}

TEST(SpriteEncoder, PixelsMapThroughValuesAndReadBackWithTheSpriteReader) {
  std::vector<uint8_t> bytes = Encode(
      EncodeSpriteFile, "value . 0\nvalue o 254\nvalue # 255\nimage p 3 2\n.o#\n#o.\nimage q 1 1\no\n");
  SpriteSet set;
  ASSERT_NE(LoadSpritesFromMemory(set, bytes.data(), bytes.size()), 0);
  ASSERT_EQ(set.Count(), 2);
  const Sprite* p = set.Get(0);
  EXPECT_EQ(std::make_pair(p->width, p->height), std::make_pair(3, 2));
  EXPECT_EQ(p->pixels, (std::vector<uint8_t>{0, 254, 255, 255, 254, 0}));
  EXPECT_EQ(set.Get(1)->pixels, std::vector<uint8_t>{254});
}

// The headers and sizes are checked on the generated files; these check what
// those cannot show: row order, channel order and mask bits.
TEST(IconEncoder, RowsAreStoredBottomUpWithMaskMatchingAlpha) {
  std::vector<uint8_t> ico =
      Encode(EncodeIcon, "colour . none\ncolour r ff0000\nimage big 2 2\nr.\n.r\nimage small 1 1\nr\n");
  ASSERT_EQ(ico.size(), 6u + 32 + 40 + 2 * 2 * 4 + 2 * 4 + 40 + 4 + 4);
  const uint8_t* pixels = &ico[LoadU32(&ico[6 + 12]) + 40];
  EXPECT_EQ(pixels[3], 0);                      // (0,1) transparent: the first stored row is ".r"
  EXPECT_EQ(LoadU32(pixels + 4), 0xFFFF0000u);  // (1,1) opaque red
  EXPECT_EQ(pixels[16], 0x80);                  // mask of ".r": first pixel transparent
  EXPECT_EQ(pixels[20], 0x40);                  // mask of "r.": second pixel transparent
}

TEST(CursorEncoder, MasksFollowTheColoursAndKeepTheHotSpot) {
  std::vector<uint8_t> cur = Encode(
      EncodeCursor, "colour . none\ncolour k 000000\ncolour w ffffff\nhotspot 1 0\nimage c 3 1\n.kw\n");
  EXPECT_EQ(std::make_pair(LoadU16(&cur[6 + 4]), LoadU16(&cur[6 + 6])),
            std::make_pair(uint16_t(1), uint16_t(0)))
      << "hot spot";
  const uint8_t* xorMask = &cur[LoadU32(&cur[6 + 12]) + 40 + 8];
  EXPECT_EQ(xorMask[0], 0x20);  // the white pixel
  EXPECT_EQ(xorMask[4], 0x80);  // AND mask: the transparent pixel keeps the screen
}

TEST(StripEncoder, PlacesImagesSideBySideWithTheFaceColourFirst) {
  std::vector<uint8_t> bmp =
      Encode(EncodeStripBitmap,
             "colour . none\ncolour r ff0000\ncolour b 0000ff\nimage a 2 1\nr.\nimage b 3 1\n.bb\n");
  EXPECT_EQ(LoadU32(&bmp[14 + 4]), 5u);
  EXPECT_EQ(LoadU32(&bmp[14 + 32]), 3u);  // grey, red, blue
  EXPECT_EQ(LoadU32(&bmp[54]), 0xC0C0C0u);
  EXPECT_EQ(LoadU32(&bmp[58]), 0xFF0000u);
  const uint8_t* row = &bmp[LoadU32(&bmp[10])];
  EXPECT_EQ((std::vector<uint8_t>(row, row + 5)), (std::vector<uint8_t>{1, 0, 0, 2, 2}));
}
