// plyktool sheet SPRITES.plk OUT.bmp [--palette P.pal] [--columns N]: every sprite of
// a sprite file as a contact sheet, thumbnails as the sprite windows show them, each
// with its index.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "commands.h"
#include "graphics/bmp_writer.h"
#include "graphics/builtin_fonts.h"
#include "graphics/contact_sheet.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"

namespace {

constexpr int kDefaultColumns = 10;

}  // namespace

int RunSheet(Args args) {
  const char* usage = "usage: plyktool sheet SPRITES.plk OUT.bmp [--palette P.pal] [--columns N]";
  bool bad = false;
  std::string palettePath, columnsText;
  const bool hasPalette = TakeOption(args, "--palette", palettePath, bad);
  const bool hasColumns = TakeOption(args, "--columns", columnsText, bad);
  if (bad || args.size() != 2) return Fail(usage);
  const std::string &in = args[0], &out = args[1];

  int columns = kDefaultColumns;
  if (hasColumns) {
    char* end = nullptr;
    const long n = std::strtol(columnsText.c_str(), &end, 10);
    if (columnsText.empty() || *end || n < 1 || n > 1000)
      return Fail("--columns takes a number from 1 to 1000");
    columns = static_cast<int>(n);
  }

  PaletteBlock palette;
  if (hasPalette) {
    std::ifstream file(palettePath, std::ios::binary);
    if (!file) return Fail(palettePath + ": cannot read the file");
    const ReadResult read = ReadPaletteFileWithReason(palette, file);
    if (!read) return FailRead(palettePath, read);
  } else {
    std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), palette.palette());
    BuildMixTable(palette);
  }

  std::ifstream file(in, std::ios::binary);
  if (!file) return Fail(in + ": cannot read the file");
  SpriteSet set;
  if (const ReadResult read = ReadSpritesWithReason(set, file, false); !read) {
    if (set.Count() == 0) return FailRead(in, read);
    std::fprintf(stderr, "plyktool: warning: %s: %s; showing the %d sprites before it\n", in.c_str(),
                 ReasonText(read).c_str(), set.Count());
  }
  if (set.Count() == 0) return Fail(in + ": the file holds no sprites");

  Surface surface;
  std::string error;
  if (!DrawContactSheet(surface, set, palette, columns, &BuiltinAsciiFont(), &BuiltinHangulFont(), error)) {
    return Fail(in + ": " + error);
  }
  if (!WriteSurfaceBmp(surface, out)) return Fail(out + ": cannot write the file");
  std::printf("%s: %d sprites, %d x %d pixels\n", out.c_str(), set.Count(), surface.width(),
              surface.height());
  return 0;
}
