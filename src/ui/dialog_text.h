#pragma once
// How the dialogs of both programs read and write numbers in their edit fields.

#include <cstdint>
#include <string>

// A decimal integer with an optional sign, blanks around it allowed. Text that is not
// a number (empty, letters, a number followed by letters, or one beyond 32 bits)
// reads as 0.
int32_t ParseIntOrZero(const std::string& text);
