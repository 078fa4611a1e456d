#pragma once
// "PNG 그림으로 저장" and "PNG 아틀라스로 저장": ask for a name with the save chooser
// and write the sprites as an 8-bit PNG with the current palette and index 0
// transparent; the atlas also writes its JSON beside the picture.

#include "cutter/sprite_sheet.h"
#include "sprites/palette.h"
#include "ui/user_prompts.h"

// `sheetMade` is false when the sprites do not fit in one picture; the sheet must be
// made with kMaxPngSide as its largest side. True when the file was written.
bool ExportSheetPng(UserPrompts& prompts, bool sheetMade, const SpriteSheet& sheet,
                    const PaletteBlock& palette);
// The sprites packed tightly: NAME.png and NAME.json. True when both were written.
bool ExportAtlasPng(UserPrompts& prompts, const SpriteSet& sprites, const PaletteBlock& palette);
