#include "graphics/builtin_fonts.h"

#include <cstdlib>

extern const unsigned char kAsciiFontBytes[];
extern const size_t kAsciiFontByteCount;
extern const unsigned char kHangulFontBytes[];
extern const size_t kHangulFontByteCount;

namespace {

BitmapFont Parse(const uint8_t* data, size_t size) {
  BitmapFont font;
  if (!ParseBitmapFont(data, size, font)) std::abort();  // the embedded files are ours
  return font;
}

}  // namespace

const uint8_t* BuiltinAsciiFontData() {
  return kAsciiFontBytes;
}
size_t BuiltinAsciiFontSize() {
  return kAsciiFontByteCount;
}
const uint8_t* BuiltinHangulFontData() {
  return kHangulFontBytes;
}
size_t BuiltinHangulFontSize() {
  return kHangulFontByteCount;
}

const BitmapFont& BuiltinAsciiFont() {
  static const BitmapFont font = Parse(kAsciiFontBytes, kAsciiFontByteCount);
  return font;
}

const BitmapFont& BuiltinHangulFont() {
  static const BitmapFont font = Parse(kHangulFontBytes, kHangulFontByteCount);
  return font;
}
