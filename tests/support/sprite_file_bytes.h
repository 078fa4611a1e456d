#pragma once
// Sprites for the tests, and the tests' one writer of sprite files, independent of ours:
// lays a file out from raw words, so that tests can also make files our writer never
// would (odd tables and lengths, damaged records).

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "base/byte_reader.h"
#include "sprites/sprite.h"

// A w x h sprite whose pixels all hold value (distinct values make distinct sprites).
inline std::unique_ptr<Sprite> MakeSprite(int32_t w, int32_t h, uint8_t value) {
  return std::make_unique<Sprite>(w, h, std::vector<uint8_t>(size_t(w) * size_t(h), value));
}

struct RawSprite {
  int32_t count, width, height;
  std::vector<uint8_t> pixels;
};

// w x h pixels of one value.
inline RawSprite SolidRaw(int32_t w, int32_t h, uint8_t value) {
  return {w * h, w, h, std::vector<uint8_t>(static_cast<size_t>(w * h), value)};
}

// totalLength < 0: the file's true length.
inline std::vector<uint8_t> RawSpriteFile(const std::vector<RawSprite>& sprites,
                                          std::optional<int32_t> count = {}, int64_t totalLength = -1,
                                          uint32_t tableFill = 0) {
  std::vector<uint8_t> out = {'P', 'L', 'Y', 'K'};
  PutU32(out, 100);
  for (int i = 0; i < 5; ++i) PutU32(out, 0);
  PutU32(out, uint32_t(count ? *count : int32_t(sprites.size())));
  uint32_t length = 36 + 4 * static_cast<uint32_t>(sprites.size());
  for (const RawSprite& s : sprites) length += 12 + static_cast<uint32_t>(s.pixels.size());
  PutU32(out, totalLength < 0 ? length : static_cast<uint32_t>(totalLength));
  for (size_t i = 0; i < sprites.size(); ++i) PutU32(out, tableFill);
  for (const RawSprite& s : sprites) {
    for (int32_t v : {s.count, s.width, s.height}) PutU32(out, uint32_t(v));
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
  }
  return out;
}
