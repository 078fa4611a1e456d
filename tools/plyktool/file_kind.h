#pragma once
// Which of our file formats a file holds, by its four-byte magic, or else by the
// extension of its name, so that a damaged copy is read by the reader that can say
// what is wrong with it.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

enum class FileKind { Unknown, Sprites, Palette, Motions, Wave };

inline FileKind KindOf(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < 4) return FileKind::Unknown;
  if (!std::memcmp(bytes.data(), "PLYK", 4)) return FileKind::Sprites;
  if (!std::memcmp(bytes.data(), "PAL*", 4)) return FileKind::Palette;
  if (!std::memcmp(bytes.data(), "ZORV", 4)) return FileKind::Motions;
  if (!std::memcmp(bytes.data(), "RIFF", 4)) return FileKind::Wave;
  return FileKind::Unknown;
}

inline FileKind KindOf(const std::vector<uint8_t>& bytes, const std::string& path) {
  const FileKind byMagic = KindOf(bytes);
  if (byMagic != FileKind::Unknown) return byMagic;
  const size_t dot = path.find_last_of('.');
  std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "plk") return FileKind::Sprites;
  if (ext == "pal") return FileKind::Palette;
  if (ext == "zrv") return FileKind::Motions;
  if (ext == "wav") return FileKind::Wave;
  return FileKind::Unknown;
}

inline int32_t LoadS32(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}
