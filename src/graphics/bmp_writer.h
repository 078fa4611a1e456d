#pragma once
// 8-bit BMP files of what a surface shows: its pixels with its display colours.
// A debugging aid and the way tests and tools look at a drawing.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "sprites/indexed_bmp.h"

class Surface;

// The whole surface; empty when it is not initialised.
std::vector<uint8_t> SurfaceBmpBytes(const Surface& surface);
// Writes the surface through SaveFileSafely; false when it is not initialised or
// the file could not be written (a previous file is then left as it was).
bool WriteSurfaceBmp(const Surface& surface, const std::filesystem::path& path);
