#pragma once
// "PCX 파일로 저장": asks for a name with the save chooser and writes a sheet of
// sprites as an 8-bit PCX with the current palette, saying so when it cannot.

#include "cutter/sprite_sheet.h"
#include "sprites/palette.h"
#include "ui/user_prompts.h"

// `sheetMade` is false when the sprites do not fit in one PCX picture. True when
// the file was written.
bool ExportPcx(UserPrompts& prompts, bool sheetMade, const SpriteSheet& sheet, const PaletteBlock& palette);
