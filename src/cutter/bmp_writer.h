#pragma once
// Writes an 8-bit Windows BMP: 256-colour table, uncompressed rows bottom-up, each
// row padded to a multiple of 4 bytes.

#include <cstdint>
#include <vector>

// pixels: width * height indices, top row first; palette: 256 red, green, blue
// triples.
std::vector<uint8_t> EncodeBmp8(int32_t width, int32_t height, const uint8_t* pixels, const uint8_t* palette);
