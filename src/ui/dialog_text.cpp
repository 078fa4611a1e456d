#include "ui/dialog_text.h"

#include <cstdint>

int32_t ParseIntOrZero(const std::string& text) {
  // text[text.size()] is '\0', which ends every scan below.
  size_t i = 0;
  while (text[i] == ' ' || text[i] == '\t') ++i;
  bool negative = false;
  if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
  const size_t digitsStart = i;
  int64_t value = 0;
  while (text[i] >= '0' && text[i] <= '9') {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t(INT32_MAX) + 1) return 0;
    ++i;
  }
  if (i == digitsStart) return 0;
  while (text[i] == ' ' || text[i] == '\t') ++i;
  if (i != text.size()) return 0;
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return 0;
  return static_cast<int32_t>(value);
}
