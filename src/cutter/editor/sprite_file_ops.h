#pragma once
// Sprite files as the cutter's commands use them: read whole into a fresh set (so a
// file that is not a sprite file, or one damaged half-way, changes nothing), merged
// into the document's set without duplicates, and saved without losing the previous
// file when the write fails.

#include <string>

#include "base/read_result.h"
#include "sprites/sprite_set.h"

// Reads the file (a CP949 path) into `fresh`, dropping duplicates, first sprite
// selected. A failure (CannotOpen when the file could not be read at all, which the
// commands pass over silently) leaves `fresh` unusable.
ReadResult ReadWholeSpriteFile(const std::string& path, SpriteSet& fresh);

// Inserts each sprite of `from` that has no equal in `into` at the selection of
// `into`, in order; returns how many were added. `from` is emptied.
int MergeSprites(SpriteSet& into, SpriteSet& from);

// Writes the set (not empty) through a temporary file; false when nothing was written,
// and then the previous file is as it was.
bool SaveSpriteFile(const std::string& path, SpriteSet& set);

// "'name'\n올바른 Plyk 파일이 아닙니다.\n확인후 다시 하십시오." with the reason on a
// line below; the merge's text indents its last line with a tab.
std::string InvalidSpriteFileText(const std::string& name, bool indented, const ReadResult& why = {});
// The message of a save that failed.
std::string SaveFailedText(const std::string& name);
