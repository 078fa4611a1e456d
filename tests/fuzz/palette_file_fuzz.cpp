// Feeds arbitrary bytes to the palette file reader: it must never read past the
// data, and a refused file must leave the block as it was. A palette that was read
// also gets its mixing table built, which must equal the plain scan's.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "sprites/palette.h"
#include "support/palette_test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PaletteBlock block;
  for (size_t i = 0; i < block.bytes.size(); ++i) block.bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  const PaletteBlock before = block;

  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  int ok = ReadPaletteFile(block, in);
  if (!ok) {
    if (block.bytes != before.bytes) std::abort();
    return 0;
  }
  if (size < kPaletteFileSize || std::memcmp(block.bytes.data(), data + 4, kPaletteBlockSize) != 0)
    std::abort();

  // Whatever was read writes back as the same file.
  std::ostringstream out;
  if (!WritePaletteFile(block, out)) std::abort();
  const std::string written = out.str();
  if (written.size() != kPaletteFileSize || std::memcmp(written.data(), data, kPaletteFileSize) != 0)
    std::abort();

  PaletteBlock fast = block;
  PaletteBlock slow = block;
  BuildMixTable(fast);
  ReferenceMixTable(slow);
  if (fast.bytes != slow.bytes) std::abort();
  return 0;
}
