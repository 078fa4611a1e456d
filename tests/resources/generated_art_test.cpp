// The files made from the programs' pixel art at build time: pointer sprites, icons,
// cursors and tool-bar strips, read back with independent decoding.
#include <gtest/gtest.h>

#include <set>
#include <string>
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

struct Size {
  int width, height;
};

void CheckPointerFile(const std::string& name, const std::vector<Size>& sizes) {
  SCOPED_TRACE(name);
  std::vector<uint8_t> bytes = ReadGenerated(name);
  ASSERT_GE(bytes.size(), 36u);
  const auto count = static_cast<uint32_t>(sizes.size());
  uint32_t pixelSum = 0;
  for (const Size& s : sizes) pixelSum += static_cast<uint32_t>(s.width * s.height);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "PLYK");
  EXPECT_EQ(LoadU32(&bytes[4]), 100u);
  EXPECT_EQ(LoadU32(&bytes[28]), count);
  // The built-in resources count pixels only, without the record headers.
  EXPECT_EQ(LoadU32(&bytes[32]), 36 + 4 * count + pixelSum);
  ASSERT_EQ(bytes.size(), 36 + 4 * count + 12 * count + pixelSum);
  uint32_t running = 0;
  for (uint32_t i = 0; i < count; ++i) {
    EXPECT_EQ(LoadU32(&bytes[36 + 4 * i]), running);
    running += static_cast<uint32_t>(sizes[i].width * sizes[i].height);
  }

  SpriteSet set;
  ASSERT_NE(LoadSpritesFromMemory(set, bytes.data(), bytes.size()), 0);
  ASSERT_EQ(set.Count(), static_cast<int32_t>(count));  // all distinct: none dropped
  for (uint32_t i = 0; i < count; ++i) {
    const Sprite* sprite = set.Get(static_cast<int32_t>(i));
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->width, sizes[i].width);
    EXPECT_EQ(sprite->height, sizes[i].height);
    std::set<uint8_t> values(sprite->pixels.begin(), sprite->pixels.end());
    EXPECT_EQ(values, (std::set<uint8_t>{0, 254, 255})) << "sprite " << i;
    // The body (255) is enclosed by the outline, so it shows on any background.
    for (int y = 0; y < sprite->height; ++y) {
      for (int x = 0; x < sprite->width; ++x) {
        if (sprite->at(x, y) != 255) continue;
        const std::pair<int, int> around[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (auto [nx, ny] : around) {
          const bool outside = nx < 0 || ny < 0 || nx >= sprite->width || ny >= sprite->height;
          EXPECT_TRUE(!outside && sprite->at(nx, ny) != 0)
              << "sprite " << i << ": body pixel (" << x << "," << y << ") touches the outside";
        }
      }
    }
  }
}

// Checks an .ico holding a 32 x 32 and a 16 x 16 image in 32 bits with AND masks
// that agree with the alpha channel, and that each image shows something.
void CheckIcon(const std::string& name) {
  SCOPED_TRACE(name);
  std::vector<uint8_t> ico = ReadGenerated(name);
  ByteReader r(ico);
  EXPECT_EQ(r.u16(), 0);
  EXPECT_EQ(r.u16(), 1);
  ASSERT_EQ(r.u16(), 2);
  const int sides[] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    const uint8_t* entry = &ico[6 + 16 * i];
    const int side = sides[i];
    EXPECT_EQ(entry[0], side);
    EXPECT_EQ(entry[1], side);
    EXPECT_EQ(LoadU16(entry + 6), 32);
    const uint32_t size = LoadU32(entry + 8);
    const uint32_t offset = LoadU32(entry + 12);
    const size_t maskStride = static_cast<size_t>((side + 31) / 32 * 4);
    ASSERT_EQ(size, 40 + side * side * 4 + maskStride * side);
    ASSERT_LE(static_cast<size_t>(offset) + size, ico.size());
    const uint8_t* dib = &ico[offset];
    EXPECT_EQ(LoadU32(dib), 40u);
    EXPECT_EQ(LoadU32(dib + 4), static_cast<uint32_t>(side));
    EXPECT_EQ(LoadU32(dib + 8), static_cast<uint32_t>(side * 2));
    EXPECT_EQ(LoadU16(dib + 14), 32);
    const uint8_t* pixels = dib + 40;
    const uint8_t* mask = pixels + side * side * 4;
    int opaque = 0;
    std::set<uint32_t> colours;
    for (int row = 0; row < side; ++row) {
      for (int x = 0; x < side; ++x) {
        const uint8_t* p = pixels + (static_cast<size_t>(row) * side + x) * 4;
        const bool transparent = mask[row * maskStride + x / 8] & (0x80 >> (x % 8));
        EXPECT_EQ(p[3], transparent ? 0 : 255);
        if (!transparent) {
          ++opaque;
          colours.insert(LoadU32(p) & 0xFFFFFF);
        }
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
  EXPECT_EQ(LoadU16(&cur[2]), 2);
  EXPECT_EQ(LoadU16(&cur[4]), 1);
  EXPECT_EQ(cur[6], 32);
  EXPECT_EQ(cur[7], 32);
  const uint8_t* dib = &cur[LoadU32(&cur[6 + 12])];
  EXPECT_EQ(LoadU32(dib + 8), 64u);
  EXPECT_EQ(LoadU16(dib + 14), 1);
  const uint8_t* xorMask = dib + 40 + 8;
  const uint8_t* andMask = xorMask + 128;
  for (int i = 0; i < 128; ++i) {
    EXPECT_EQ(xorMask[i], 0) << i;
    EXPECT_EQ(andMask[i], 0xFF) << i;
  }
}

// A strip of 16 x 16 tool-bar images on the light grey button face.
void CheckStrip(const std::string& name, int images) {
  SCOPED_TRACE(name);
  std::vector<uint8_t> bmp = ReadGenerated(name);
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(LoadU32(&bmp[2]), bmp.size());
  const uint8_t* info = &bmp[14];
  ASSERT_EQ(LoadU32(info + 4), static_cast<uint32_t>(16 * images));
  ASSERT_EQ(LoadU32(info + 8), 16u);
  ASSERT_EQ(LoadU16(info + 14), 8);
  const uint32_t colours = LoadU32(info + 32);
  ASSERT_GE(colours, 2u);
  ASSERT_LE(colours, 256u);
  EXPECT_EQ(LoadU32(&bmp[54]) & 0xFFFFFF, 0xC0C0C0u);
  const uint32_t offset = LoadU32(&bmp[10]);
  EXPECT_EQ(offset, 54 + 4 * colours);
  const size_t stride = static_cast<size_t>(16 * images + 3) / 4 * 4;
  ASSERT_EQ(bmp.size(), offset + stride * 16);
  std::set<std::vector<uint8_t>> distinct;
  for (int i = 0; i < images; ++i) {
    std::vector<uint8_t> image;
    int drawn = 0;
    for (int row = 0; row < 16; ++row) {
      for (int x = 0; x < 16; ++x) {
        const uint8_t index = bmp[offset + row * stride + i * 16 + x];
        EXPECT_LT(index, colours);
        image.push_back(index);
        drawn += index != 0;
      }
    }
    EXPECT_GT(drawn, 24) << "image " << i << " is nearly empty";
    distinct.insert(image);
  }
  EXPECT_EQ(distinct.size(), static_cast<size_t>(images));
}

}  // namespace

TEST(GeneratedArt, Plyk2PointerSprites) {
  CheckPointerFile("plyk2/plyk2_pointers.plk", {{12, 20}, {18, 16}, {15, 15}});
}

TEST(GeneratedArt, Zorv2PointerSprites) {
  CheckPointerFile("zorv2/zorv2_pointers.plk", {{12, 20}, {29, 28}, {26, 24}, {23, 30}});
}

TEST(GeneratedArt, BothProgramsShareTheArrow) {
  std::vector<uint8_t> plyk = ReadGenerated("plyk2/plyk2_pointers.plk");
  std::vector<uint8_t> zorv = ReadGenerated("zorv2/zorv2_pointers.plk");
  ASSERT_GE(plyk.size(), 48u + 12 + 240);
  ASSERT_GE(zorv.size(), 52u + 12 + 240);
  EXPECT_TRUE(std::equal(plyk.begin() + 48, plyk.begin() + 48 + 252, zorv.begin() + 52));
}

TEST(GeneratedArt, Icons) {
  for (const char* name :
       {"plyk2/plyk2_app.ico", "plyk2/plyk2_sprite_file.ico", "plyk2/plyk2_picture.ico",
        "plyk2/plyk2_palette_file.ico", "zorv2/zorv2_app.ico", "zorv2/zorv2_motion_window.ico",
        "zorv2/zorv2_sprite_window.ico", "zorv2/zorv2_motion_file.ico"})
    CheckIcon(name);
}

TEST(GeneratedArt, TransparentCursors) {
  CheckTransparentCursor("plyk2/plyk2_transparent.cur");
  CheckTransparentCursor("zorv2/zorv2_transparent.cur");
}

TEST(GeneratedArt, ToolBarStrips) {
  CheckStrip("plyk2/plyk2_toolbar.bmp", 9);
  CheckStrip("zorv2/zorv2_toolbar.bmp", 14);
}
