#pragma once
// 8-bit Windows BMP files of an indexed image: what plyktool writes for picture
// frames and contact sheets, and how tests look at a drawing.

#include <array>
#include <cstdint>
#include <vector>

// A bottom-up 8-bit BMP (BITMAPINFOHEADER, 256-entry colour table, rows padded to
// four bytes) of width x height pixels taken from pixels with the given pitch;
// colourTable holds blue, green, red, 0 per entry. Empty for sizes below 1.
std::vector<uint8_t> EncodeIndexedBmp(const uint8_t* pixels, int width, int height, int pitch,
                                      const uint8_t* colourTable);

// The BMP colour table (blue, green, red, 0) of a palette's 256 red, green, blue triples.
std::array<uint8_t, 1024> BmpColourTable(const uint8_t* palette);
