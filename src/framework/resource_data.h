#pragma once
// Custom resources ("FONTS", "PALETTE", "SPRITE") found by numeric id and type name,
// used in place for the life of the program.

#include <cstddef>
#include <cstdint>

#include "framework/win32.h"
#include "sprites/palette.h"

struct ResourceBytes {
  const uint8_t* data = nullptr;  // null when the resource is missing
  size_t size = 0;
};

// Null when the resource is missing.
const void* LoadResourceData(HINSTANCE instance, int id, const char* typeName);
// The same with the resource's length, for readers that check what they read.
ResourceBytes LoadResourceBytes(HINSTANCE instance, int id, const char* typeName);
// The program's "PALETTE" resource as a block; the built-in block stands in should
// the resource be missing or short.
PaletteBlock LoadPaletteResource(HINSTANCE instance, int id, const char* typeName);
