#include <cstring>

#include "sprites/palette.h"

namespace {
const char kMagic[4] = {'P', 'A', 'L', '*'};
}

ReadResult ReadPaletteFileWithReason(PaletteBlock& block, std::istream& in) {
  char magic[4];
  in.read(magic, 4);
  const std::streamsize got = in.gcount();
  if (std::memcmp(magic, kMagic, static_cast<size_t>(got)) != 0)
    return ReadResult::NotThisKind("palette file");
  if (got < 4) return ReadResult::Truncated(got, FilePart::Header);
  // Read into a copy so that a short file leaves the current palette whole instead
  // of half replaced.
  PaletteBlock read;
  in.read(reinterpret_cast<char*>(read.bytes.data()), static_cast<std::streamsize>(read.bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(read.bytes.size()))
    return ReadResult::Truncated(4 + in.gcount(), FilePart::Palette);
  block.bytes = read.bytes;
  return ReadResult::Ok();
}

int ReadPaletteFile(PaletteBlock& block, std::istream& in) {
  return ReadPaletteFileWithReason(block, in) ? 1 : 0;
}

int WritePaletteFile(const PaletteBlock& block, std::ostream& out) {
  out.write(kMagic, 4);
  out.write(reinterpret_cast<const char*>(block.bytes.data()),
            static_cast<std::streamsize>(block.bytes.size()));
  return out.good() ? 1 : 0;
}
