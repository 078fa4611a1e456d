#pragma once
// Which of our file formats a file holds, by its four-byte magic.

#include <cstdint>
#include <cstring>
#include <vector>

enum class FileKind { Unknown, Sprites, Palette, Motions };

inline FileKind KindOf(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < 4) return FileKind::Unknown;
  if (!std::memcmp(bytes.data(), "PLYK", 4)) return FileKind::Sprites;
  if (!std::memcmp(bytes.data(), "PAL*", 4)) return FileKind::Palette;
  if (!std::memcmp(bytes.data(), "ZORV", 4)) return FileKind::Motions;
  return FileKind::Unknown;
}

inline int32_t LoadS32(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}
