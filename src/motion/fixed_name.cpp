#include "motion/fixed_name.h"

#include <algorithm>
#include <cstring>

std::string CutName(std::string_view text) {
  size_t end = 0;
  while (end < text.size() && text[end] != '\0') {
    // A lead byte of a two-byte character takes its trail byte with it.
    bool pair =
        static_cast<unsigned char>(text[end]) >= 0x81 && end + 1 < text.size() && text[end + 1] != '\0';
    size_t step = pair ? 2 : 1;
    if (end + step > kNameMaxLength) break;
    end += step;
  }
  return std::string(text.substr(0, end));
}

void FixedName::assign(std::string_view text) {
  std::string cut = CutName(text);
  bytes.fill(0);
  std::memcpy(bytes.data(), cut.data(), cut.size());
}

std::string FixedName::str() const {
  auto end = std::find(bytes.begin(), bytes.end(), '\0');
  return std::string(bytes.begin(), end);
}

bool FixedName::terminated() const {
  return std::find(bytes.begin(), bytes.end(), '\0') != bytes.end();
}
