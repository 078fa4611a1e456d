// The art parser and encoders, checked against hand-computed layouts.
#include <gtest/gtest.h>

#include "art_file.h"
#include "base/byte_reader.h"
#include "resource_encoders.h"
#include "sprites/sprite_file.h"

namespace {

ArtFile Parse(const std::string& text) {
  ArtFile art;
  std::string error;
  EXPECT_TRUE(ParseArt(text, "test", art, error)) << error;
  return art;
}

std::string ParseError(const std::string& text) {
  ArtFile art;
  std::string error;
  EXPECT_FALSE(ParseArt(text, "art.txt", art, error));
  return error;
}

// Art with one image of the given size, every pixel the character c.
std::string FilledImage(const std::string& name, int w, int h, char c) {
  std::string text = "image " + name + " " + std::to_string(w) + " " + std::to_string(h) + "\n";
  for (int y = 0; y < h; ++y) text += std::string(static_cast<size_t>(w), c) + "\n";
  return text;
}

}  // namespace

TEST(ArtParser, ReadsLegendHotspotAndImagesInOrder) {
  ArtFile art = Parse(
      "# comment\n"
      "colour . none\n"
      "colour k 102030  black-ish\n"
      "value # 255\n"
      "hotspot 3 4\n"
      "\n"
      "image first 3 2\n"
      ".k.\n"
      "k.k   \n"
      "image second 1 1\n"
      "#\n");
  ASSERT_EQ(art.images.size(), 2u);
  EXPECT_EQ(art.images[0].name, "first");
  EXPECT_EQ(art.images[0].pixels, ".k.k.k");
  EXPECT_EQ(art.images[0].at(2, 1), 'k');
  EXPECT_EQ(art.images[1].pixels, "#");
  EXPECT_TRUE(art.colours['.'].transparent);
  EXPECT_EQ(art.colours['k'].red, 0x10);
  EXPECT_EQ(art.colours['k'].green, 0x20);
  EXPECT_EQ(art.colours['k'].blue, 0x30);
  EXPECT_EQ(art.values['#'], 255);
  EXPECT_EQ(art.hotspotX, 3);
  EXPECT_EQ(art.hotspotY, 4);
}

TEST(ArtParser, DefinitionsAccumulateOverFiles) {
  ArtFile art;
  std::string error;
  ASSERT_TRUE(ParseArt("colour a ff0000\n", "colours", art, error));
  ASSERT_TRUE(ParseArt("image x 1 1\na\n", "image", art, error));
  EXPECT_EQ(art.colours.size(), 1u);
  EXPECT_EQ(art.images.size(), 1u);
}

TEST(ArtParser, RefusesMalformedArtNamingTheLine) {
  EXPECT_NE(ParseError("colour k 12345\n").find("art.txt:1"), std::string::npos);
  EXPECT_NE(ParseError("\n\nimage a 2 2\nab\nabc\n").find("art.txt:5"), std::string::npos);
  EXPECT_NE(ParseError("image a 2 3\nab\nab\n").find("ends early"), std::string::npos);
  EXPECT_NE(ParseError("picture a 2 3\n").find("unknown keyword"), std::string::npos);
  ParseError("image a 0 3\n");
  ParseError("image a 257 1\n");
  ParseError("image a -1 1\n");
  ParseError("value x 256\n");
  ParseError("value xy 1\n");
  ParseError("hotspot 1\n");
}

TEST(SpriteEncoder, TotalLengthCountsPixelsWithoutRecordHeaders) {
  // Sizes of the first three built-in pointers of Zorv2: 240 + 812 + 624 pixels.
  ArtFile art = Parse("value . 0\n" + FilledImage("a", 12, 20, '.') + FilledImage("b", 29, 28, '.') +
                      FilledImage("c", 26, 24, '.'));
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(EncodeSpriteFile(art, bytes, error)) << error;
  ASSERT_EQ(bytes.size(), 36u + 12 + 3 * 12 + 1676);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "PLYK");
  EXPECT_EQ(LoadU32(&bytes[4]), 100u);
  for (int word = 2; word < 7; ++word) EXPECT_EQ(LoadU32(&bytes[word * 4]), 0u);
  EXPECT_EQ(LoadU32(&bytes[28]), 3u);
  EXPECT_EQ(LoadU32(&bytes[32]), 36u + 12 + 1676);
  // Offset table: running sum of the earlier pixel counts.
  EXPECT_EQ(LoadU32(&bytes[36]), 0u);
  EXPECT_EQ(LoadU32(&bytes[40]), 240u);
  EXPECT_EQ(LoadU32(&bytes[44]), 1052u);
  // First record right after the offset table.
  EXPECT_EQ(LoadU32(&bytes[48]), 240u);
  EXPECT_EQ(LoadU32(&bytes[52]), 12u);
  EXPECT_EQ(LoadU32(&bytes[56]), 20u);
}

TEST(SpriteEncoder, PixelsMapThroughValuesAndReadBackWithTheSpriteReader) {
  ArtFile art = Parse("value . 0\nvalue o 254\nvalue # 255\nimage p 3 2\n.o#\n#o.\nimage q 1 1\no\n");
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(EncodeSpriteFile(art, bytes, error)) << error;
  SpriteSet set;
  ASSERT_NE(LoadSpritesFromMemory(set, bytes.data(), bytes.size()), 0);
  ASSERT_EQ(set.Count(), 2);
  const Sprite* p = set.Get(0);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->width, 3);
  EXPECT_EQ(p->height, 2);
  EXPECT_EQ(p->pixels, (std::vector<uint8_t>{0, 254, 255, 255, 254, 0}));
}

TEST(SpriteEncoder, RefusesACharacterWithoutValue) {
  ArtFile art = Parse("value . 0\nimage p 2 1\n.x\n");
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_FALSE(EncodeSpriteFile(art, bytes, error));
  EXPECT_NE(error.find("'x'"), std::string::npos);
}

TEST(IconEncoder, WritesOneEntryPerImageWithMaskMatchingAlpha) {
  ArtFile art = Parse("colour . none\ncolour r ff0000\nimage big 2 2\nr.\n.r\nimage small 1 1\nr\n");
  std::vector<uint8_t> ico;
  std::string error;
  ASSERT_TRUE(EncodeIcon(art, ico, error)) << error;
  ASSERT_GE(ico.size(), 6u + 32);
  EXPECT_EQ(LoadU16(&ico[0]), 0);
  EXPECT_EQ(LoadU16(&ico[2]), 1);
  EXPECT_EQ(LoadU16(&ico[4]), 2);
  EXPECT_EQ(ico[6], 2);
  EXPECT_EQ(ico[7], 2);
  EXPECT_EQ(LoadU16(&ico[6 + 6]), 32);  // bits per pixel
  const uint32_t size = LoadU32(&ico[6 + 8]);
  const uint32_t offset = LoadU32(&ico[6 + 12]);
  ASSERT_EQ(offset, 6u + 32);
  ASSERT_EQ(size, 40u + 2 * 2 * 4 + 2 * 4);  // header, pixels, two mask rows of 4 bytes
  const uint8_t* dib = &ico[offset];
  EXPECT_EQ(LoadU32(dib + 4), 2u);
  EXPECT_EQ(LoadU32(dib + 8), 4u);  // height counts pixels and mask
  // Bottom-up: the first stored row is ".r".
  const uint8_t* pixels = dib + 40;
  EXPECT_EQ(pixels[3], 0);         // (0,1) transparent
  EXPECT_EQ(pixels[4 + 2], 0xFF);  // (1,1) red
  EXPECT_EQ(pixels[4 + 3], 0xFF);  // opaque
  const uint8_t* mask = pixels + 16;
  EXPECT_EQ(mask[0], 0x80);  // ".r": first pixel transparent
  EXPECT_EQ(mask[4], 0x40);  // "r.": second pixel transparent
  EXPECT_EQ(LoadU32(&ico[6 + 16 + 12]), offset + size);
}

TEST(IconEncoder, RefusesNonSquareImages) {
  ArtFile art = Parse("colour . none\nimage a 2 1\n..\n");
  std::vector<uint8_t> ico;
  std::string error;
  EXPECT_FALSE(EncodeIcon(art, ico, error));
}

TEST(CursorEncoder, MasksFollowTheColoursAndKeepTheHotSpot) {
  ArtFile art = Parse("colour . none\ncolour k 000000\ncolour w ffffff\nhotspot 1 0\nimage c 3 1\n.kw\n");
  std::vector<uint8_t> cur;
  std::string error;
  ASSERT_TRUE(EncodeCursor(art, cur, error)) << error;
  EXPECT_EQ(LoadU16(&cur[2]), 2);
  EXPECT_EQ(LoadU16(&cur[6 + 4]), 1);  // hot spot x
  EXPECT_EQ(LoadU16(&cur[6 + 6]), 0);
  const uint8_t* dib = &cur[LoadU32(&cur[6 + 12])];
  EXPECT_EQ(LoadU16(dib + 14), 1);  // one bit per pixel
  const uint8_t* xorMask = dib + 40 + 8;
  const uint8_t* andMask = xorMask + 4;
  EXPECT_EQ(xorMask[0], 0x20);  // the white pixel
  EXPECT_EQ(andMask[0], 0x80);  // transparent pixel keeps the screen
}

TEST(CursorEncoder, RefusesColoursAndAHotSpotOutside) {
  std::vector<uint8_t> cur;
  std::string error;
  EXPECT_FALSE(EncodeCursor(Parse("colour r ff0000\nimage c 1 1\nr\n"), cur, error));
  EXPECT_FALSE(EncodeCursor(Parse("colour . none\nhotspot 2 0\nimage c 1 1\n.\n"), cur, error));
}

TEST(StripEncoder, PlacesImagesSideBySideWithTheFaceColourFirst) {
  ArtFile art = Parse("colour . none\ncolour r ff0000\ncolour b 0000ff\nimage a 2 1\nr.\nimage b 3 1\n.bb\n");
  std::vector<uint8_t> bmp;
  std::string error;
  ASSERT_TRUE(EncodeStripBitmap(art, bmp, error)) << error;
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(LoadU32(&bmp[2]), bmp.size());
  EXPECT_EQ(LoadU32(&bmp[14 + 4]), 5u);
  EXPECT_EQ(LoadU32(&bmp[14 + 8]), 1u);
  EXPECT_EQ(LoadU16(&bmp[14 + 14]), 8);
  EXPECT_EQ(LoadU32(&bmp[14 + 32]), 3u);  // grey, red, blue
  EXPECT_EQ(LoadU32(&bmp[54]), 0xC0C0C0u);
  const uint8_t* row = &bmp[LoadU32(&bmp[10])];
  EXPECT_EQ((std::vector<uint8_t>(row, row + 5)), (std::vector<uint8_t>{1, 0, 0, 2, 2}));
}

TEST(StripEncoder, RefusesImagesOfDifferentHeights) {
  ArtFile art = Parse("colour . none\nimage a 1 1\n.\nimage b 1 2\n.\n.\n");
  std::vector<uint8_t> bmp;
  std::string error;
  EXPECT_FALSE(EncodeStripBitmap(art, bmp, error));
}
