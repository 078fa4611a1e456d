// plyktool info FILE: recognises the file by its magic and prints its figures.
#include <cstdio>
#include <cstring>
#include <fstream>

#include "base/byte_reader.h"
#include "commands.h"
#include "file_kind.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"

namespace {

int InfoSprites(const std::string& path, const std::vector<uint8_t>& bytes) {
  SpriteSet set;
  // Duplicates are kept so the figures describe the file as it is.
  if (!ReadSpritesFromMemory(set, bytes.data(), bytes.size(), false))
    return Fail(path + ": damaged sprite file");
  std::printf("sprite file %s\n", path.c_str());
  std::printf("count %d\n", LoadS32(&bytes[28]));
  std::printf("total length %d (file %zu bytes)\n", LoadS32(&bytes[32]), bytes.size());
  for (int32_t i = 0; i < set.Count(); ++i)
    std::printf("%5d  %d x %d\n", i, set.Get(i)->width, set.Get(i)->height);
  return 0;
}

int InfoPalette(const std::string& path) {
  PaletteBlock block;
  std::ifstream in(path, std::ios::binary);
  if (!ReadPaletteFile(block, in)) return Fail(path + ": damaged palette file");
  std::printf("palette file %s\n", path.c_str());
  for (int i = 0; i < 16; ++i) {
    const uint8_t* c = block.palette() + 3 * i;
    std::printf("%3d  %3d %3d %3d\n", i, c[0], c[1], c[2]);
  }
  return 0;
}

}  // namespace

int RunInfo(Args args) {
  bool listMotions = TakeFlag(args, "--motions");
  if (args.size() != 1) return Fail("usage: plyktool info [--motions] FILE");
  const std::string& path = args[0];
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) return Fail(path + ": cannot read the file");
  switch (KindOf(bytes)) {
    case FileKind::Sprites: return InfoSprites(path, bytes);
    case FileKind::Palette: return InfoPalette(path);
    case FileKind::Motions: return InfoMotionFile(path, listMotions);
    default: return Fail(path + ": not a sprite, palette or motion file");
  }
}
