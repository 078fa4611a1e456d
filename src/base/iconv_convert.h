#pragma once
// One whole-text iconv conversion, for the POSIX builds' text and path encodings.

#include <string>
#include <string_view>

// Converts text from encoding `from` to `to` into out. False when iconv lacks the
// pair or the text does not convert completely; out then holds what did convert.
bool IconvConvert(std::string_view text, std::string& out, const char* to, const char* from);
