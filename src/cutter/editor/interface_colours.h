#pragma once
// The three interface colours (background, system, shadow) are chosen as RGB values
// but drawn as palette indices: each becomes the index of the nearest colour of the
// current palette. Recomputed after the colour dialog, after a palette is read or
// restored and after a picture is imported.

#include "cutter/editor/cutter_settings.h"
#include "sprites/palette.h"

void RecomputeColourIndices(CutterSettings& settings, const PaletteBlock& palette);
