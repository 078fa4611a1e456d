// plyktool pcx SPRITES.plk OUT.pcx [--palette P.pal]: every sprite of a sprite file
// on one 8-bit PCX picture, in rows in file order on index 0 with a transparent pixel
// between them, so that "plyktool cut" of the picture gives the sprites back.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "base/save_file.h"
#include "commands.h"
#include "cutter/pcx_writer.h"
#include "cutter/sprite_sheet.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"

int RunPcx(Args args) {
  const char* usage = "usage: plyktool pcx SPRITES.plk OUT.pcx [--palette P.pal]";
  bool bad = false;
  std::string palettePath;
  const bool hasPalette = TakeOption(args, "--palette", palettePath, bad);
  if (bad || args.size() != 2) return Fail(usage);
  const std::string &in = args[0], &out = args[1];

  PaletteBlock palette;
  if (hasPalette) {
    std::ifstream file(palettePath, std::ios::binary);
    if (!file) return Fail(palettePath + ": cannot read the file");
    const ReadResult read = ReadPaletteFileWithReason(palette, file);
    if (!read) return FailRead(palettePath, read);
  } else {
    std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), palette.palette());
  }

  std::ifstream file(in, std::ios::binary);
  if (!file) return Fail(in + ": cannot read the file");
  SpriteSet set;
  const ReadResult read = ReadSpritesWithReason(set, file, false);
  if (!read) return FailRead(in, read);
  if (set.Count() == 0) return Fail(in + ": the file holds no sprites");

  SpriteSheet sheet;
  if (!MakeSpriteSheet(set, sheet, kMaxPcxSide))
    return Fail(in + ": the sprites do not fit on one PCX picture");
  if (!SaveFileSafely(out, [&](std::ostream& o) {
        return WritePcx(o, sheet.width, sheet.height, sheet.pixels.data(), palette.palette());
      }))
    return Fail(out + ": cannot write the file");
  std::printf("%s: %d sprites, %d x %d pixels\n", out.c_str(), set.Count(), sheet.width, sheet.height);
  return 0;
}
