#pragma once
// Writing an 8-bit PCX picture: version 5, one plane of 8 bits, run-length coded
// scan lines of an even length, and the 256-colour palette after the marker byte
// 0x0C at the end of the file.

#include <cstdint>
#include <ostream>
#include <vector>

// The largest side a PCX header can state.
constexpr int32_t kMaxPcxSide = 32767;

// `pixels` holds width * height indices row by row; `colours` 768 bytes of red,
// green, blue. Empty when a side is below 1 or beyond kMaxPcxSide. An odd width is
// padded to the even scan-line length with `padding`.
std::vector<uint8_t> EncodePcx(int32_t width, int32_t height, const uint8_t* pixels, const uint8_t* colours,
                               uint8_t padding = 0);
// The same onto a stream; false when there is nothing to write or the stream fails.
bool WritePcx(std::ostream& out, int32_t width, int32_t height, const uint8_t* pixels, const uint8_t* colours,
              uint8_t padding = 0);
