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

bool SaveOrSay(CutterHost& host, const std::string& path, const void* data, size_t size, const char* kind) {
  bool saved;
  {
    WaitCursor wait(host);
    saved = size > 0 && SaveBytes(path, data, size);
  }
  if (!saved) host.showError("'" + FileTitleOf(path) + "'\n" + kind + "을 쓰지 못했습니다.");
  return saved;
}

}  // namespace

bool ExportSheetPng(CutterHost& host, bool sheetMade, const SpriteSheet& sheet, const PaletteBlock& palette) {
  if (!sheetMade || sheet.width > kMaxPngSide || sheet.height > kMaxPngSide) {
    host.showError(kTooLargeText);
    return false;
  }
  ChosenFile file;
  if (!host.chooseSaveFile(PngFileFilter(), file)) return false;
  const std::vector<uint8_t> png = EncodeSheetPng(sheet, palette);
  return SaveOrSay(host, file.path, png.data(), png.size(), "PNG 파일");
}

bool ExportAtlasPng(CutterHost& host, const SpriteSet& sprites, const PaletteBlock& palette) {
  ChosenFile file;
  if (!host.chooseSaveFile(PngFileFilter(), file)) return false;
  AtlasFiles atlas;
  // The JSON is UTF-8; the program's names are CP949.
  const std::string imageName = PathFromText(FileTitleOf(file.path)).u8string();
  if (!MakeAtlasFiles(sprites, palette, false, imageName, atlas)) {
    host.showError(kTooLargeText);
    return false;
  }
  if (!SaveOrSay(host, file.path, atlas.png.data(), atlas.png.size(), "PNG 파일")) return false;
  return SaveOrSay(host, AtlasJsonPath(file.path), atlas.json.data(), atlas.json.size(), "아틀라스 파일");
}
