#pragma once
// The editor's nine RGB colours turned into the palette indices it draws with.

#include "motion/editor/zorv_settings.h"
#include "sprites/palette.h"

// The nearest palette entry of each colour.
ColourIndices ConvertColours(const EditorColours& colours, const PaletteBlock& palette);
