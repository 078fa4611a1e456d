#pragma once
// The two FONTS resources compiled into the program (library graphics_fonts), for
// the tools and tests; the Windows programs take the same bytes from their resources.

#include <cstddef>
#include <cstdint>

#include "graphics/bitmap_font.h"

const uint8_t* BuiltinAsciiFontData();
size_t BuiltinAsciiFontSize();
const uint8_t* BuiltinHangulFontData();
size_t BuiltinHangulFontSize();

const BitmapFont& BuiltinAsciiFont();
const BitmapFont& BuiltinHangulFont();
