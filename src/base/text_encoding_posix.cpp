#include "base/iconv_convert.h"
#include "base/text_encoding.h"

bool Cp949ToUtf8(std::string_view cp949, std::string& utf8) {
  return IconvConvert(cp949, utf8, "UTF-8", "CP949");
}

bool Utf8ToCp949(std::string_view utf8, std::string& cp949) {
  return IconvConvert(utf8, cp949, "CP949", "UTF-8");
}
