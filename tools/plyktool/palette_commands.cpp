// plyktool palette --default OUT.pal: writes the built-in palette as a palette file.
// plyktool mixtable IN.pal OUT.pal: rebuilds a palette file's mixing table from its
// colours.
#include <algorithm>
#include <fstream>

#include "base/save_file.h"
#include "commands.h"
#include "sprites/palette.h"

namespace {

int SavePalette(const PaletteBlock& block, const std::string& path) {
  if (!SaveFileSafely(path, [&](std::ostream& out) { return WritePaletteFile(block, out) != 0; }))
    return Fail(path + ": cannot write the file");
  return 0;
}

}  // namespace

int RunPalette(Args args) {
  if (!TakeFlag(args, "--default") || args.size() != 1)
    return Fail("usage: plyktool palette --default OUT.pal");
  PaletteBlock block;
  std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
  BuildMixTable(block);
  return SavePalette(block, args[0]);
}

int RunMixTable(Args args) {
  if (args.size() != 2) return Fail("usage: plyktool mixtable IN.pal OUT.pal");
  const std::string &in = args[0], &out = args[1];
  std::ifstream file(in, std::ios::binary);
  if (!file) return Fail(in + ": cannot read the file");
  PaletteBlock block;
  const ReadResult read = ReadPaletteFileWithReason(block, file);
  if (!read) return FailRead(in, read);
  BuildMixTable(block);
  return SavePalette(block, out);
}
