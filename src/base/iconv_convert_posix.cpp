#include "base/iconv_convert.h"

#include <iconv.h>

bool IconvConvert(std::string_view text, std::string& out, const char* to, const char* from) {
  out.clear();
  if (text.empty()) return true;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.assign(text.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* dst = out.data();
  size_t outLeft = out.size();
  const size_t done = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return done != static_cast<size_t>(-1) && inLeft == 0;
}
