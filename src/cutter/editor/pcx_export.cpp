#include "cutter/editor/pcx_export.h"

#include "base/path_text.h"
#include "base/save_file.h"
#include "cutter/pcx_writer.h"
#include "ui/file_filter.h"

bool ExportPcx(UserPrompts& prompts, bool sheetMade, const SpriteSheet& sheet, const PaletteBlock& palette) {
  if (!sheetMade) {
    prompts.showError("스프라이트가 너무 커서 PCX 파일 하나에 담을 수 없습니다.");
    return false;
  }
  ChosenFile file;
  if (!prompts.chooseSaveFile(PcxFileFilter(), file)) return false;
  bool saved;
  {
    WaitCursor wait(prompts);
    saved = SaveFileSafely(PathFromText(file.path), [&](std::ostream& out) {
      return WritePcx(out, sheet.width, sheet.height, sheet.pixels.data(), palette.palette());
    });
  }
  if (!saved) prompts.showError("'" + file.name + "'\nPCX 파일을 쓰지 못했습니다.");
  return saved;
}
