#pragma once
// Every text inside the programs is CP949 (what the files, the fonts and the settings
// hold). The system is called through its wide interface, so texts are converted here,
// with code page 949 named explicitly: Korean shows on any system locale.

#include <string>
#include <string_view>

std::wstring Widen(std::string_view cp949);
std::string Narrow(std::wstring_view utf16);

// Converts into a fixed CP949 buffer of `size` bytes, zero-terminated. Returns false,
// leaving an empty text, when the converted text does not fit.
bool NarrowInto(std::wstring_view utf16, char* buffer, size_t size);
