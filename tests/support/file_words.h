#pragma once
// Little-endian words of a file read and replaced in place, for tests that look at or
// damage one field.

#include <cstdint>
#include <vector>

#include "base/byte_reader.h"

inline int32_t WordAt(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<int32_t>(LoadU32(bytes.data() + at));
}

inline void SetU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A copy with the word at `at` replaced.
inline std::vector<uint8_t> WithWord(std::vector<uint8_t> bytes, size_t at, int32_t value) {
  SetU32(bytes, at, static_cast<uint32_t>(value));
  return bytes;
}
