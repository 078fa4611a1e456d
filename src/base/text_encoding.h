#pragma once
// Names inside our files are CP949 bytes; text for other programs (JSON) is UTF-8.
// Both conversions are strict: bytes that are not valid in the source encoding, or a
// character the target encoding lacks, make them fail rather than guess.

#include <string>
#include <string_view>

bool Cp949ToUtf8(std::string_view cp949, std::string& utf8);
bool Utf8ToCp949(std::string_view utf8, std::string& cp949);
