#include "ui/editor_files.h"

#include <fstream>

#include "base/byte_reader.h"
#include "base/path_text.h"
#include "base/save_file.h"
#include "sprites/equal_sprites.h"
#include "sprites/sprite_file.h"
#include "ui/read_reason.h"

bool ChooseAndRemember(UserPrompts& prompts, Chooser chooser, const FilterEntries& filter,
                       RememberedFile setting, ChosenFile& file) {
  if (file.path.empty()) file = ChosenFile{setting.path, setting.name};
  if (!(chooser == Chooser::Save ? prompts.chooseSaveFile(filter, file)
                                 : prompts.chooseOpenFile(filter, file)))
    return false;
  setting.path = file.path;
  setting.name = file.name;
  return true;
}

ReadResult ReadWholeSpriteFile(const std::string& path, SpriteSet& fresh) {
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(PathFromText(path), bytes)) return ReadResult::CannotOpen();
  return LoadSpritesWithReason(fresh, bytes.data(), bytes.size());
}

int MergeSprites(SpriteSet& into, SpriteSet& from) {
  EqualSprites known(into);
  // Taken from the end, where removal is cheap, then inserted in file order.
  std::vector<std::unique_ptr<Sprite>> sprites;
  while (from.Count() > 0) sprites.push_back(from.Take(from.Count() - 1));
  int added = 0;
  for (auto s = sprites.rbegin(); s != sprites.rend(); ++s) {
    if (known.findOrAdd(**s)) continue;
    into.Insert(std::move(*s), -1);
    ++added;
  }
  return added;
}

bool SaveSpriteFile(const std::string& path, SpriteSet& set) {
  if (set.Count() == 0) return false;
  return SaveFileSafely(PathFromText(path), [&](std::ostream& out) { return WriteSprites(set, out) != 0; });
}

std::string InvalidSpriteFileText(const std::string& name, bool indented, const ReadResult& why) {
  return WithReason(
      "'" + name + "'\n올바른 Plyk 파일이 아닙니다.\n" + (indented ? "\t" : "") + "확인후 다시 하십시오.",
      why);
}

std::string SaveFailedText(const std::string& name) {
  return "'" + name + "'\n파일을 저장하지 못했습니다.\n이전 파일은 그대로 남아 있습니다.";
}

bool ReadSpritesToAdd(UserPrompts& prompts, const ChosenFile& file, SpriteSet& fresh) {
  const ReadResult result = ReadWholeSpriteFile(file.path, fresh);
  if (!result && result.problem != ReadProblem::CannotOpen)
    prompts.showError(InvalidSpriteFileText(file.name, true, result));
  return result.ok();
}

bool ReadPaletteFileReporting(UserPrompts& prompts, const std::string& path, PaletteBlock& block) {
  std::ifstream in(PathFromText(path), std::ios::binary);
  if (!in) return false;
  const ReadResult result = ReadPaletteFileWithReason(block, in);
  if (!result) prompts.showError(WithReason(kNotPaletteFileText, result));
  return result.ok();
}

std::string SpriteWindowTitle(const SpriteSet& sprites) {
  if (sprites.Count() == 0) return "스프라이트 창";
  return "스프라이트 창      [ " + std::to_string(sprites.Count()) + "개, " +
         std::to_string(sprites.CurrentIndex()) + "번 선택 ]";
}
