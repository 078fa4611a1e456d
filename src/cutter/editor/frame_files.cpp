// The frame's file work: sprite files, pictures, palettes, dropped files, the
// command line and the PCX and PNG sheets.
#include <filesystem>
#include <fstream>

#include "base/path_text.h"
#include "base/save_file.h"
#include "cutter/editor/cutter_colours.h"
#include "cutter/editor/frame_editor.h"
#include "cutter/editor/pcx_export.h"
#include "cutter/editor/png_export.h"
#include "cutter/pcx_writer.h"
#include "cutter/sheet_png.h"
#include "ui/command_line.h"
#include "ui/editor_files.h"
#include "ui/file_filter.h"
#include "ui/read_reason.h"

const char* const kColoursMappedText = "그림의 색을 현재 색상표에 맞췄습니다.";

bool FrameEditor::save(bool askName) {
  // An empty set is never written.
  if (doc_.sprites.Count() == 0) return false;
  ChosenFile file{doc_.spritePath, doc_.spriteName};
  if ((askName || file.path.empty()) &&
      !ChooseAndRemember(host_, Chooser::Save, SpriteFileFilter(),
                         {settings_.spritePath, settings_.spriteName}, file))
    return false;
  bool saved;
  {
    WaitCursor wait(host_);
    saved = SaveSpriteFile(file.path, doc_.sprites);
  }
  if (!saved) {
    // The previous file stays as it was, and so do the name and the modified flag.
    host_.showError(SaveFailedText(file.name));
    return false;
  }
  doc_.markSaved();
  doc_.spritePath = file.path;
  doc_.spriteName = file.name;
  host_.repaint(kFrameWindow);
  return true;
}

bool FrameEditor::openSpriteFile(const std::string& path, const std::string& name) {
  // Read into a fresh set: the document changes only when the whole file was read.
  SpriteSet read;
  ReadResult result;
  {
    WaitCursor wait(host_);
    result = ReadWholeSpriteFile(path, read);
  }
  if (result.problem == ReadProblem::CannotOpen) return false;
  if (!result) {
    host_.showError(InvalidSpriteFileText(name, false, result));
    return false;
  }
  sprites_.dropHold();
  doc_.sprites = std::move(read);
  doc_.resetHistory();
  doc_.spritePath = path;
  doc_.spriteName = name;
  sprites_.relayout();
  host_.repaint(kAllWindows);
  return true;
}

void FrameEditor::newFile() {
  if (!askToSave()) return;
  sprites_.dropHold();
  doc_.sprites.Clear();
  doc_.resetHistory();
  doc_.spritePath.clear();
  doc_.spriteName.clear();
  sprites_.relayout();
  host_.repaint(kAllWindows);
}

void FrameEditor::chooseAndOpen() {
  if (!askToSave()) return;
  // Remembered also when the file proves unreadable, so the chooser returns there.
  ChosenFile file;
  if (!ChooseAndRemember(host_, Chooser::Open, SpriteFileFilter(),
                         {settings_.spritePath, settings_.spriteName}, file))
    return;
  openSpriteFile(file.path, file.name);
}

void FrameEditor::dropFiles(const std::vector<std::string>& paths) {
  bool asked = false;
  for (const std::string& path : paths) {
    std::error_code ec;
    if (std::filesystem::is_directory(PathFromText(path), ec)) continue;
    // Dropping a file replaces the document, so unsaved work is asked about first.
    if (!asked) {
      if (!askToSave()) return;
      asked = true;
    }
    if (openSpriteFile(path, FileTitleOf(path))) return;
  }
}

CommandLineOutcome FrameEditor::openCommandLine(const std::string& path, const std::string& name) {
  if (path.empty() || name.empty()) return CommandLineOutcome::NothingToOpen;
  if (!openSpriteFile(path, name)) return CommandLineOutcome::EndProgram;
  settings_.spritePath = path;
  settings_.spriteName = name;
  return CommandLineOutcome::Opened;
}

void FrameEditor::chooseAndImport() {
  ChosenFile file;
  if (!ChooseAndRemember(host_, Chooser::Open, PictureFileFilter(),
                         {settings_.picturePath, settings_.pictureName}, file))
    return;
  importPicture(file.path, file.name);
}

bool FrameEditor::importPicture(const std::string& path, const std::string& name) {
  bool loaded;
  {
    WaitCursor wait(host_);
    // A picture without a palette takes the colours in use now.
    doc_.picture.setMappingPalette(doc_.palette);
    loaded = doc_.picture.load(PathFromText(path));
  }
  // Whatever happened, the cut state must not point into frames that are gone.
  doc_.refreshCut();
  if (!loaded) {
    host_.showError(WithReason(doc_.picture.lastError(), doc_.picture.reason()));
    return false;
  }
  doc_.pictureName = name;
  notice_ = doc_.picture.coloursMapped() ? kColoursMappedText : "";
  doc_.palette = doc_.picture.palette();
  host_.usePalette(doc_.palette);
  if (doc_.hasFrame()) {
    if (!canvas_.visible()) {
      canvas_.setVisible(true);
      host_.showCanvas(true);
    }
    doc_.cut.transparentIndex = doc_.cut.pixelAt(0, 0);
  }
  RecomputeColourIndices(CutterColours(settings_), doc_.palette);
  canvas_.relayout();
  layout();
  host_.repaint(kAllWindows);
  return true;
}

void FrameEditor::chooseAndUsePaletteFile(bool write) {
  ChosenFile file;
  if (!ChooseAndRemember(host_, write ? Chooser::Save : Chooser::Open, PaletteFileFilter(),
                         {settings_.palettePath, settings_.paletteName}, file))
    return;
  if (write)
    writePalette(file.path, file.name);
  else
    readPalette(file.path, file.name);
}

void FrameEditor::readPalette(const std::string& path, const std::string&) {
  PaletteBlock read;
  if (!ReadPaletteFileReporting(host_, path, read)) return;
  doc_.palette = read;
  paletteChanged();
}

void FrameEditor::writePalette(const std::string& path, const std::string& name) {
  if (!SaveFileSafely(PathFromText(path),
                      [&](std::ostream& out) { return WritePaletteFile(doc_.palette, out) != 0; }))
    host_.showError("'" + name + "'\n색상표 파일을 쓰지 못했습니다.");
}

void FrameEditor::restorePalette() {
  doc_.palette = builtin_;
  paletteChanged();
}

void FrameEditor::paletteChanged() {
  host_.usePalette(doc_.palette);
  RecomputeColourIndices(CutterColours(settings_), doc_.palette);
  host_.repaint(kAllWindows);
}

void FrameEditor::exportSheet() {
  SpriteSheet sheet;
  const bool made = MakeSpriteSheet(doc_.sprites, sheet, kMaxPcxSide);
  ExportPcx(host_, made, sheet, doc_.palette);
}

void FrameEditor::exportSheetPng() {
  SpriteSheet sheet;
  const bool made = MakeSpriteSheet(doc_.sprites, sheet, kMaxPngSide);
  ExportSheetPng(host_, made, sheet, doc_.palette);
}
