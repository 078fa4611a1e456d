// make_palette OUT.bin: writes the default palette block (the built-in colours and
// the mixing table built from them), which both programs embed as their PALETTE
// resource.
#include <algorithm>
#include <cstdio>

#include "base/save_file.h"
#include "sprites/palette.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_palette OUT.bin\n");
    return 1;
  }
  PaletteBlock block;
  std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
  BuildMixTable(block);
  bool saved = SaveFileSafely(argv[1], [&](std::ostream& out) {
    out.write(reinterpret_cast<const char*>(block.bytes.data()),
              static_cast<std::streamsize>(block.bytes.size()));
    return out.good();
  });
  if (!saved) {
    std::fprintf(stderr, "make_palette: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
