// The files made from the programs' pixel art at build time: pointer sprites, icons,
// cursors and tool-bar strips, read back with independent decoding.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/byte_reader.h"
#include "sprites/sprite_file.h"

namespace {

std::vector<uint8_t> ReadGenerated(const std::string& name) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(ReadFileBytes(std::string(PLYK_GENERATED_DIR) + "/" + name, bytes)) << name;
  return bytes;
}

void CheckPointerFile(const std::string& name, const std::vector<std::pair<int, int>>& sizes) {
  SCOPED_TRACE(name);
  std::vector<uint8_t> bytes = ReadGenerated(name);
  ASSERT_GE(bytes.size(), 36u);
  const auto count = static_cast<uint32_t>(sizes.size());
  // "PLYK", version 100, five zero words, the count.
  std::vector<uint8_t> header = {'P', 'L', 'Y', 'K', 100, 0, 0, 0};
  header.resize(28);
  PutU32(header, count);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 32), header);
  uint32_t pixelSum = 0;
  for (uint32_t i = 0; i < count; ++i) {
    EXPECT_EQ(LoadU32(&bytes[36 + 4 * i]), pixelSum);  // offsets count pixels only
    pixelSum += static_cast<uint32_t>(sizes[i].first * sizes[i].second);
  }
  // The built-in resources count pixels only, without the record headers.
  EXPECT_EQ(LoadU32(&bytes[32]), 36 + 4 * count + pixelSum);
  ASSERT_EQ(bytes.size(), 36 + 4 * count + 12 * count + pixelSum);

  SpriteSet set;
  ASSERT_NE(LoadSpritesFromMemory(set, bytes.data(), bytes.size()), 0);
  ASSERT_EQ(set.Count(), static_cast<int32_t>(count));  // all distinct: none dropped
  for (int32_t i = 0; i < set.Count(); ++i) {
    const Sprite& s = *set.Get(i);
    EXPECT_EQ(std::make_pair(s.width, s.height), sizes[i]) << "sprite " << i;
    EXPECT_EQ(std::set<uint8_t>(s.pixels.begin(), s.pixels.end()), (std::set<uint8_t>{0, 254, 255})) << i;
    // The body (255) is enclosed by the outline, so it shows on any background.
    for (int y = 0; y < s.height; ++y) {
      for (int x = 0; x < s.width; ++x) {
        if (s.at(x, y) != 255) continue;
        for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
          const bool inside = nx >= 0 && ny >= 0 && nx < s.width && ny < s.height;
          EXPECT_TRUE(inside && s.at(nx, ny) != 0)
              << "sprite " << i << ": body pixel (" << x << "," << y << ") touches the outside";
        }
      }
    }
  }
}

// An .ico holding a 32 x 32 and a 16 x 16 image in 32 bits with AND masks that agree
// with the alpha channel, each image showing something.
void CheckIcon(const std::string& name) {
  SCOPED_TRACE(name);
  std::vector<uint8_t> ico = ReadGenerated(name);
  ASSERT_GE(ico.size(), 6u + 32);
  EXPECT_EQ(LoadU16(&ico[2]), 1);
  ASSERT_EQ(LoadU16(&ico[4]), 2);
  for (int i = 0; i < 2; ++i) {
    const uint8_t* entry = &ico[6 + 16 * i];
    const int side = i == 0 ? 32 : 16;
    EXPECT_EQ(std::make_pair(entry[0], entry[1]), std::make_pair(uint8_t(side), uint8_t(side)));
    const uint32_t size = LoadU32(entry + 8);
    const uint32_t offset = LoadU32(entry + 12);
    const size_t maskStride = static_cast<size_t>((side + 31) / 32 * 4);
    ASSERT_EQ(size, 40 + side * side * 4 + maskStride * side);
    ASSERT_LE(static_cast<size_t>(offset) + size, ico.size());
    const uint8_t* dib = &ico[offset];
    EXPECT_EQ(std::make_tuple(LoadU32(dib + 4), LoadU32(dib + 8), LoadU16(dib + 14)),
              std::make_tuple(uint32_t(side), uint32_t(side * 2), uint16_t(32)));  // width, both masks, bits
    const uint8_t* pixels = dib + 40;
    const uint8_t* mask = pixels + side * side * 4;
    std::set<uint32_t> colours;
    int opaque = 0;
    for (int row = 0; row < side; ++row) {
      for (int x = 0; x < side; ++x) {
        const uint8_t* p = pixels + (static_cast<size_t>(row) * side + x) * 4;
        const bool transparent = mask[row * maskStride + x / 8] & (0x80 >> (x % 8));
        EXPECT_EQ(p[3], transparent ? 0 : 255);
        if (!transparent) colours.insert(LoadU32(p) & 0xFFFFFF);
        opaque += !transparent;
      }
    }
    EXPECT_GT(opaque, side * side / 4) << "image " << side << " is nearly empty";
    EXPECT_GE(colours.size(), 3u) << "image " << side << " has too few colours";
  }
}

void CheckTransparentCursor(const std::string& name) {
  SCOPED_TRACE(name);
  std::vector<uint8_t> cur = ReadGenerated(name);
  ASSERT_GE(cur.size(), 6u + 16 + 40 + 8 + 2 * 128);
  EXPECT_EQ(std::make_tuple(LoadU16(&cur[2]), cur[6], cur[7]),
            std::make_tuple(uint16_t(2), uint8_t(32), uint8_t(32)));
  const uint8_t* dib = &cur[LoadU32(&cur[6 + 12])];
  EXPECT_EQ(std::make_pair(LoadU32(dib + 8), LoadU16(dib + 14)), std::make_pair(64u, uint16_t(1)));
  const uint8_t* masks = dib + 40 + 8;  // XOR mask all clear, then AND mask all set
  std::vector<uint8_t> expected(128, 0);
  expected.resize(256, 0xFF);
  EXPECT_EQ(std::vector<uint8_t>(masks, masks + 256), expected);
}

// A strip of distinct 16 x 16 tool-bar images (the encoder's tests see the button face colour).
void CheckStrip(const std::string& name, int images) {
  SCOPED_TRACE(name);
  std::vector<uint8_t> bmp = ReadGenerated(name);
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
  EXPECT_EQ(LoadU32(&bmp[2]), bmp.size());
  ASSERT_EQ(std::make_tuple(LoadU32(&bmp[14 + 4]), LoadU32(&bmp[14 + 8]), LoadU16(&bmp[14 + 14])),
            std::make_tuple(uint32_t(16 * images), 16u, uint16_t(8)));  // width, height, bits
  const uint32_t colours = LoadU32(&bmp[14 + 32]);
  ASSERT_TRUE(colours >= 2 && colours <= 256) << colours;
  const uint32_t offset = LoadU32(&bmp[10]);
  EXPECT_EQ(offset, 54 + 4 * colours);
  const size_t stride = static_cast<size_t>(16 * images + 3) / 4 * 4;
  ASSERT_EQ(bmp.size(), offset + stride * 16);
  std::set<std::vector<uint8_t>> distinct;
  for (int i = 0; i < images; ++i) {
    std::vector<uint8_t> image;
    for (int row = 0; row < 16; ++row) {
      const uint8_t* p = &bmp[offset + row * stride + i * 16];
      image.insert(image.end(), p, p + 16);
    }
    for (uint8_t index : image) EXPECT_LT(index, colours);
    EXPECT_GT(image.size() - std::count(image.begin(), image.end(), 0), 24u)
        << "image " << i << " is nearly empty";
    distinct.insert(image);
  }
  EXPECT_EQ(distinct.size(), static_cast<size_t>(images));
}

}  // namespace

TEST(GeneratedArt, PointerSprites) {
  CheckPointerFile("plyk2/plyk2_pointers.plk", {{12, 20}, {18, 16}, {15, 15}});
  CheckPointerFile("zorv2/zorv2_pointers.plk", {{12, 20}, {29, 28}, {26, 24}, {23, 30}});
}

TEST(GeneratedArt, IconsCursorsAndToolBarStrips) {
  for (const char* name :
       {"plyk2/plyk2_app.ico", "plyk2/plyk2_sprite_file.ico", "plyk2/plyk2_picture.ico",
        "plyk2/plyk2_palette_file.ico", "zorv2/zorv2_app.ico", "zorv2/zorv2_motion_window.ico",
        "zorv2/zorv2_sprite_window.ico", "zorv2/zorv2_motion_file.ico"})
    CheckIcon(name);
  CheckTransparentCursor("plyk2/plyk2_transparent.cur");
  CheckTransparentCursor("zorv2/zorv2_transparent.cur");
  CheckStrip("plyk2/plyk2_toolbar.bmp", 9);
  CheckStrip("zorv2/zorv2_toolbar.bmp", 14);
}
