// plyktool resave IN OUT: reads a sprite, palette or motion file and writes it again
// with its header (and, for sprites, offset table) recomputed.
#include <fstream>

#include "base/byte_reader.h"
#include "base/save_file.h"
#include "commands.h"
#include "file_kind.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"

int RunResave(Args args) {
  if (args.size() != 2) return Fail("usage: plyktool resave IN OUT");
  const std::string &in = args[0], &out = args[1];
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(in, bytes)) return Fail(in + ": cannot read the file");
  switch (KindOf(bytes, in)) {
    case FileKind::Sprites: {
      SpriteSet set;
      const ReadResult read = LoadSpritesWithReason(set, bytes.data(), bytes.size());
      if (!read) return FailRead(in, read);
      if (set.Count() == 0) return Fail(in + ": no sprites to write");
      if (!SaveFileSafely(out, [&](std::ostream& o) { return WriteSprites(set, o) != 0; }))
        return Fail(out + ": cannot write the file");
      return 0;
    }
    case FileKind::Palette: {
      PaletteBlock block;
      std::ifstream f(in, std::ios::binary);
      const ReadResult read = ReadPaletteFileWithReason(block, f);
      if (!read) return FailRead(in, read);
      if (!SaveFileSafely(out, [&](std::ostream& o) { return WritePaletteFile(block, o) != 0; }))
        return Fail(out + ": cannot write the file");
      return 0;
    }
    case FileKind::Motions: return ResaveMotionFile(in, out);
    default: return Fail(in + ": not a sprite, palette or motion file");
  }
}
