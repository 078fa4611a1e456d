#include "cutter/sheet_png.h"

#include "images/png_writer.h"
#include "images/sprite_atlas.h"
#include "ui/command_line.h"

std::vector<uint8_t> EncodeSheetPng(const SpriteSheet& sheet, const PaletteBlock& palette) {
  IndexedImage image;
  image.width = sheet.width;
  image.height = sheet.height;
  image.pixels = sheet.pixels;
  image.colours = PaletteColours(palette);
  return EncodeIndexedPng(image);
}

bool MakeAtlasFiles(const SpriteSet& sprites, const PaletteBlock& palette, bool powerOfTwo,
                    const std::string& imageName, AtlasFiles& files) {
  const SpriteAtlas atlas = PackSprites(sprites, powerOfTwo);
  if (atlas.width < 1 || atlas.height < 1 || atlas.width > kMaxPngSide || atlas.height > kMaxPngSide)
    return false;
  files.width = atlas.width;
  files.height = atlas.height;
  files.png = EncodeIndexedPng(DrawAtlas(sprites, atlas, palette));
  files.json = AtlasJson(atlas, imageName);
  return !files.png.empty();
}

std::string AtlasJsonPath(const std::string& pngPath) {
  const std::string name = FileTitleOf(pngPath);
  const size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return pngPath + ".json";
  return pngPath.substr(0, pngPath.size() - name.size() + dot) + ".json";
}
