#pragma once
// The interface colours of both programs are chosen as RGB values but drawn as
// palette indices: each becomes the index of the nearest colour of the current
// palette. Which colours a program has, and the swatch button of each in its colour
// dialog, is the program's own table over its settings.

#include <array>
#include <cstdint>
#include <vector>

#include "sprites/palette.h"

struct InterfaceColour {
  int button;        // the swatch's control id in the colour dialog
  uint32_t* colour;  // 0x00BBGGRR, kept in the settings
  int32_t* index;    // its palette index, a cache of the colour
};
using InterfaceColours = std::vector<InterfaceColour>;

// The colour chooser's own sixteen colours, kept in the settings of both programs.
constexpr int kCustomColourCount = 16;
using CustomColours = std::array<uint32_t, kCustomColourCount>;

// Each index becomes the nearest palette entry of its colour.
void RecomputeColourIndices(const InterfaceColours& colours, const PaletteBlock& palette);
