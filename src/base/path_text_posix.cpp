#include "base/iconv_convert.h"
#include "base/path_text.h"

namespace {

// The text comes back unchanged when the conversion is missing or the bytes are not
// valid in the source encoding.
std::string Convert(const std::string& text, const char* to, const char* from) {
  std::string out;
  return IconvConvert(text, out, to, from) ? out : text;
}

}  // namespace

std::filesystem::path PathFromText(const std::string& cp949) {
  return std::filesystem::path(Convert(cp949, "UTF-8", "CP949"));
}

std::string TextFromPath(const std::filesystem::path& path) {
  // Transliterated: a name with characters CP949 lacks still shows, with '?' for them.
  return Convert(path.string(), "CP949//TRANSLIT", "UTF-8");
}
