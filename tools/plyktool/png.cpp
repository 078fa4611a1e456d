// plyktool png SPRITES.plk OUT.png [--palette P.pal] [--atlas OUT.json] [--power-of-two]:
// every sprite of a sprite file on one 8-bit PNG with index 0 transparent. Plainly
// the PCX sheet's layout, which "plyktool cut" takes back into the sprites; with
// --atlas packed tightly instead, and a JSON atlas telling where each sprite lies.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "base/save_file.h"
#include "commands.h"
#include "cutter/sheet_png.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"
#include "ui/command_line.h"

namespace {

bool SaveBytes(const std::string& path, const void* data, size_t size) {
  return SaveFileSafely(path, [&](std::ostream& o) {
    o.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return bool(o);
  });
}

}  // namespace

int RunPng(Args args) {
  const char* usage =
      "usage: plyktool png SPRITES.plk OUT.png [--palette P.pal] [--atlas OUT.json] [--power-of-two]";
  bool bad = false;
  std::string palettePath, jsonPath;
  const bool hasPalette = TakeOption(args, "--palette", palettePath, bad);
  const bool atlas = TakeOption(args, "--atlas", jsonPath, bad);
  const bool powerOfTwo = TakeFlag(args, "--power-of-two");
  if (bad || args.size() != 2) return Fail(usage);
  if (powerOfTwo && !atlas) return Fail("--power-of-two needs --atlas");
  const std::string &in = args[0], &out = args[1];

  PaletteBlock palette;
  if (hasPalette) {
    std::ifstream file(palettePath, std::ios::binary);
    if (!file) return Fail(palettePath + ": cannot read the file");
    if (!ReadPaletteFile(palette, file)) return Fail(palettePath + ": not a palette file");
  } else {
    std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), palette.palette());
  }

  std::ifstream file(in, std::ios::binary);
  if (!file) return Fail(in + ": cannot read the file");
  SpriteSet set;
  if (!ReadSprites(set, file, false)) return Fail(in + ": not a sprite file, or damaged");
  if (set.Count() == 0) return Fail(in + ": the file holds no sprites");

  if (atlas) {
    AtlasFiles files;
    if (!MakeAtlasFiles(set, palette, powerOfTwo, FileTitleOf(out), files))
      return Fail(in + ": the sprites do not fit on one PNG picture");
    if (!SaveBytes(out, files.png.data(), files.png.size())) return Fail(out + ": cannot write the file");
    if (!SaveBytes(jsonPath, files.json.data(), files.json.size()))
      return Fail(jsonPath + ": cannot write the file");
    std::printf("%s: %d sprites packed, %d x %d pixels\n", out.c_str(), set.Count(), files.width,
                files.height);
    return 0;
  }
  SpriteSheet sheet;
  if (!MakeSpriteSheet(set, sheet, kMaxPngSide))
    return Fail(in + ": the sprites do not fit on one PNG picture");
  const std::vector<uint8_t> png = EncodeSheetPng(sheet, palette);
  if (png.empty() || !SaveBytes(out, png.data(), png.size())) return Fail(out + ": cannot write the file");
  std::printf("%s: %d sprites, %d x %d pixels\n", out.c_str(), set.Count(), sheet.width, sheet.height);
  return 0;
}
