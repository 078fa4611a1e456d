#pragma once
// Files as both editors' commands read and write them: sprite files read whole into
// a fresh set (so a file that is not a sprite file, or one damaged half-way, changes
// nothing), merged into a set without duplicates and saved without losing the
// previous file when the write fails; palette files read for the palette command.
// A file that cannot be opened at all is passed over silently; one that is not of
// its kind is reported with the reason. The choosers start at the file a setting
// remembers, and the setting follows the user's choice.

#include <string>

#include "base/read_result.h"
#include "sprites/palette.h"
#include "sprites/sprite_set.h"
#include "ui/user_prompts.h"

enum class Chooser { Open, Save };

// A file that a setting remembers (its path and bare name): the next chooser starts
// there.
struct RememberedFile {
  std::string& path;
  std::string& name;
};

// Opens a chooser at `file`, or at the remembered file when `file` names none. When the
// user confirms, `file` holds the choice and the setting remembers it; false when
// cancelled.
bool ChooseAndRemember(UserPrompts& prompts, Chooser chooser, const FilterEntries& filter,
                       RememberedFile setting, ChosenFile& file);

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
// line below; the text of adding sprites indents its last line with a tab.
std::string InvalidSpriteFileText(const std::string& name, bool indented, const ReadResult& why = {});
// The message of a save that failed.
std::string SaveFailedText(const std::string& name);

// "스프라이트 추가" of either sprite window: reads the chosen file whole into a set of
// its own under the wait cursor and hands it to `append` (which moves its sprites into
// the document), so a damaged file adds nothing. False when nothing was added.
bool ReadSpritesToAdd(UserPrompts& prompts, const ChosenFile& file, SpriteSet& fresh);
template <typename Append>
bool AddSpriteFile(UserPrompts& prompts, const ChosenFile& file, Append append) {
  WaitCursor wait(prompts);
  SpriteSet fresh;
  if (!ReadSpritesToAdd(prompts, file, fresh)) return false;
  append(fresh);
  return true;
}

inline constexpr const char* kNotPaletteFileText = "팔레트 파일이 아닙니다.\n확인후 다시 하십시오.";

// Reads a palette file into `block`; false, with `block` unusable, when it was not
// read.
bool ReadPaletteFileReporting(UserPrompts& prompts, const std::string& path, PaletteBlock& block);

// The sprite window's title in both programs: the count and the selected index once
// there are sprites.
std::string SpriteWindowTitle(const SpriteSet& sprites);
