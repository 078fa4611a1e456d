#include <iconv.h>

#include "base/path_text.h"

namespace {

// Converts with iconv; the text comes back unchanged when the conversion is missing
// or the bytes are not valid in the source encoding.
std::string Convert(const std::string& text, const char* to, const char* from) {
  if (text.empty()) return text;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out(text.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* dst = out.data();
  size_t outLeft = out.size();
  const size_t done = iconv(cd, &in, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1) || inLeft != 0) return text;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::filesystem::path PathFromText(const std::string& cp949) {
  return std::filesystem::path(Convert(cp949, "UTF-8", "CP949"));
}

std::string TextFromPath(const std::filesystem::path& path) {
  return Convert(path.string(), "CP949//TRANSLIT", "UTF-8");
}
