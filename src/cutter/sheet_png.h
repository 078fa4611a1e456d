#pragma once
// Sprites as PNG pictures: the sheet that cuts back into the sprites, and the tight
// atlas with its JSON, both 8-bit indexed with index 0 transparent.

#include <cstdint>
#include <string>
#include <vector>

#include "cutter/sprite_sheet.h"
#include "sprites/palette.h"

// The largest side written; a picture beyond it would take gigabytes.
constexpr int32_t kMaxPngSide = 32767;

std::vector<uint8_t> EncodeSheetPng(const SpriteSheet& sheet, const PaletteBlock& palette);

struct AtlasFiles {
  int32_t width = 0, height = 0;
  std::vector<uint8_t> png;
  std::string json;  // names `imageName` as its picture
};
// False for a set without pixels and for an atlas beyond kMaxPngSide.
bool MakeAtlasFiles(const SpriteSet& sprites, const PaletteBlock& palette, bool powerOfTwo,
                    const std::string& imageName, AtlasFiles& files);

// The JSON's path beside the picture: "a.png" gives "a.json", "a" gives "a.json".
std::string AtlasJsonPath(const std::string& pngPath);
