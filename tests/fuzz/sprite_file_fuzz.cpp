// Sprite files from hostile bytes, through both readers. The two must agree on the
// result, its reason and every sprite they keep.
#include <sstream>
#include <string>

#include "sprites/sprite_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SpriteSet fromMemory, fromStream;
  SpriteIndexMap mapMemory, mapStream;
  const ReadResult a = ReadSpritesWithReason(fromMemory, data, size, true, &mapMemory);
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const ReadResult b = ReadSpritesWithReason(fromStream, in, true, &mapStream);
  // One parser: the same verdict and the same reason, which is never empty.
  if (ReasonText(a) != ReasonText(b) || a.ok() != ReasonText(a).empty()) __builtin_trap();
  if (fromMemory.Count() != fromStream.Count() || mapMemory != mapStream) __builtin_trap();
  for (int i = 0; i < fromMemory.Count(); ++i) {
    const Sprite& s = *fromMemory.Get(i);
    if (!Equal(s, *fromStream.Get(i)) || s.pixels.size() != size_t(s.width) * size_t(s.height)) __builtin_trap();
  }
  // What was read writes back and reads again to the same sprites.
  std::vector<uint8_t> again = SpriteFileBytes(fromMemory);
  SpriteSet round;
  if (!again.empty() && (!ReadSpritesFromMemory(round, again.data(), again.size(), true) ||
                         round.Count() != fromMemory.Count()))
    __builtin_trap();
  return 0;
}
