#include <cstring>

#include "sprites/palette.h"

namespace {
const char kMagic[4] = {'P', 'A', 'L', '*'};
}

int ReadPaletteFile(PaletteBlock& block, std::istream& in) {
  char magic[4];
  if (!in.read(magic, 4) || std::memcmp(magic, kMagic, 4) != 0) return 0;
  // Read into a copy so that a short file leaves the current palette whole instead
  // of half replaced.
  PaletteBlock read;
  in.read(reinterpret_cast<char*>(read.bytes.data()), static_cast<std::streamsize>(read.bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(read.bytes.size())) return 0;
  block.bytes = read.bytes;
  return 1;
}

int WritePaletteFile(const PaletteBlock& block, std::ostream& out) {
  out.write(kMagic, 4);
  out.write(reinterpret_cast<const char*>(block.bytes.data()),
            static_cast<std::streamsize>(block.bytes.size()));
  return out.good() ? 1 : 0;
}
