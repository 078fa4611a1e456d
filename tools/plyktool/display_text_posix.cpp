#include <iconv.h>

#include <vector>

#include "display_text.h"

std::string DisplayText(const std::string& cp949) {
  iconv_t cd = iconv_open("UTF-8", "CP949");
  if (cd == reinterpret_cast<iconv_t>(-1)) return cp949;
  std::vector<char> out(cp949.size() * 3 + 4);
  char* in = const_cast<char*>(cp949.data());
  size_t inLeft = cp949.size();
  char* dst = out.data();
  size_t outLeft = out.size();
  // Bytes that are not CP949 (a damaged name) keep the raw text instead.
  size_t done = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return cp949;
  return std::string(out.data(), dst);
}
