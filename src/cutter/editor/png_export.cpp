#include "cutter/editor/png_export.h"

#include "base/path_text.h"
#include "base/save_file.h"
#include "cutter/sheet_png.h"
#include "ui/command_line.h"
#include "ui/file_filter.h"

namespace {

const char* const kTooLargeText = "스프라이트가 너무 커서 PNG 파일 하나에 담을 수 없습니다.";

bool SaveBytes(const std::string& path, const void* data, size_t size) {
  return SaveFileSafely(PathFromText(path), [&](std::ostream& out) {
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return bool(out);
  });
}

bool SaveOrSay(UserPrompts& prompts, const std::string& path, const void* data, size_t size,
               const char* kind) {
  bool saved;
  {
    WaitCursor wait(prompts);
    saved = size > 0 && SaveBytes(path, data, size);
  }
  if (!saved) prompts.showError("'" + FileTitleOf(path) + "'\n" + kind + "을 쓰지 못했습니다.");
  return saved;
}

}  // namespace

bool ExportSheetPng(UserPrompts& prompts, bool sheetMade, const SpriteSheet& sheet,
                    const PaletteBlock& palette) {
  // The sheet makers were given kMaxPngSide: a sheet they made fits a PNG.
  if (!sheetMade) {
    prompts.showError(kTooLargeText);
    return false;
  }
  ChosenFile file;
  if (!prompts.chooseSaveFile(PngFileFilter(), file)) return false;
  const std::vector<uint8_t> png = EncodeSheetPng(sheet, palette);
  return SaveOrSay(prompts, file.path, png.data(), png.size(), "PNG 파일");
}

bool ExportAtlasPng(UserPrompts& prompts, const SpriteSet& sprites, const PaletteBlock& palette) {
  ChosenFile file;
  if (!prompts.chooseSaveFile(PngFileFilter(), file)) return false;
  AtlasFiles atlas;
  // The JSON is UTF-8; the program's names are CP949.
  const std::string imageName = PathFromText(FileTitleOf(file.path)).u8string();
  if (!MakeAtlasFiles(sprites, palette, false, imageName, atlas)) {
    prompts.showError(kTooLargeText);
    return false;
  }
  if (!SaveOrSay(prompts, file.path, atlas.png.data(), atlas.png.size(), "PNG 파일")) return false;
  return SaveOrSay(prompts, AtlasJsonPath(file.path), atlas.json.data(), atlas.json.size(), "아틀라스 파일");
}
