#pragma once
// Writing 8-bit indexed PNG pictures: the chunk layer and the scan lines are ours,
// the deflate stream is zlib's.

#include <cstdint>
#include <vector>

#include "images/image.h"

// An 8-bit indexed PNG: PLTE from image.colours (up to 256; indices past the table
// get black entries), and a tRNS chunk making index 0 fully transparent when
// transparentZero (other colours keep their own alpha). Empty for a picture without
// pixels or one whose pixel buffer is short.
std::vector<uint8_t> EncodeIndexedPng(const IndexedImage& image, bool transparentZero = true);

// The palette block's 256 colours as an opaque colour table.
std::vector<Rgba> PaletteColours(const PaletteBlock& palette);
