#include "graphics/bitmap_font.h"

#include "base/byte_reader.h"

bool ParseBitmapFont(const uint8_t* data, size_t size, BitmapFont& font) {
  if (!data) return false;
  ByteReader in(data, size);
  const int32_t width = in.s32();
  const int32_t height = in.s32();
  if (!in.ok() || width < 1 || width > 64 || height < 1 || height > 64) return false;
  const int bytesPerRow = (width + 7) / 8;
  const size_t glyphSize = static_cast<size_t>(bytesPerRow) * static_cast<size_t>(height);
  const size_t count = in.remaining() / glyphSize;
  if (count == 0 || count > 1000000) return false;
  font.width = width;
  font.height = height;
  font.bytesPerRow = bytesPerRow;
  font.glyphCount = static_cast<int>(count);
  font.glyphs = data + 8;
  return true;
}
