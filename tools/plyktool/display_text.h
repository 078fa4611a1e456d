#pragma once
// Names inside our files are CP949 bytes. The console shows them as they are on
// Windows; elsewhere they are converted to UTF-8 so a terminal shows Hangul.

#include <string>

std::string DisplayText(const std::string& cp949);
