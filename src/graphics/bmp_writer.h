#pragma once
// 8-bit BMP files of what a surface shows: its pixels with its display colours.
// A debugging aid and the way tests and tools look at a drawing.

#include <cstdint>
#include <filesystem>
#include <vector>

class Surface;

// A bottom-up 8-bit BMP (BITMAPINFOHEADER, 256-entry colour table, rows padded to
// four bytes) of width x height pixels taken from pixels with the given pitch;
// colourTable holds blue, green, red, 0 per entry. Empty for sizes below 1.
std::vector<uint8_t> EncodeIndexedBmp(const uint8_t* pixels, int width, int height, int pitch,
                                      const uint8_t* colourTable);
// The whole surface; empty when it is not initialised.
std::vector<uint8_t> SurfaceBmpBytes(const Surface& surface);
// Writes the surface through SaveFileSafely; false when it is not initialised or
// the file could not be written (a previous file is then left as it was).
bool WriteSurfaceBmp(const Surface& surface, const std::filesystem::path& path);
