#include "display_text.h"

std::string DisplayText(const std::string& cp949) {
  return cp949;
}
