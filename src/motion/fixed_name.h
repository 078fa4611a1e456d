#pragma once
// A 32-byte name field as the motion file stores it: a bundle name or a motion's
// sound. Text set by the user is cut to 31 bytes so a terminator always fits; bytes
// read from a file are kept exactly, including whatever follows the terminator, so
// a file is written back as it was read.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

constexpr size_t kNameFieldSize = 32;
constexpr size_t kNameMaxLength = kNameFieldSize - 1;

// The longest prefix of text of at most kNameMaxLength bytes that ends on a character
// boundary: a two-byte (CP949) character is never split. Stops at an embedded zero.
std::string CutName(std::string_view text);

struct FixedName {
  std::array<char, kNameFieldSize> bytes{};

  FixedName() = default;
  explicit FixedName(std::string_view text) { assign(text); }

  // Stores CutName(text) and zero-fills the rest of the field.
  void assign(std::string_view text);
  // The text up to the terminator (all 32 bytes when there is none).
  std::string str() const;
  bool empty() const { return bytes[0] == 0; }
  bool terminated() const;

  bool operator==(const FixedName& other) const { return bytes == other.bytes; }
  bool operator!=(const FixedName& other) const { return bytes != other.bytes; }
};
