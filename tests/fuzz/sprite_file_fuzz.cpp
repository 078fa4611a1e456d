// Sprite files from hostile bytes, through both readers. The two must agree on the
// result and on every sprite they keep.
#include <sstream>
#include <string>

#include "sprites/sprite_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SpriteSet fromMemory, fromStream;
  SpriteIndexMap mapMemory, mapStream;
  int a = ReadSpritesFromMemory(fromMemory, data, size, true, &mapMemory);
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  int b = ReadSprites(fromStream, in, true, &mapStream);
  if (a != b || fromMemory.Count() != fromStream.Count() || mapMemory != mapStream) __builtin_trap();
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
