#include "motion/editor/frame_editor.h"

#include <filesystem>
#include <fstream>

#include "base/path_text.h"
#include "motion/editor/frame_text.h"
#include "motion/editor/zorv_colours.h"
#include "motion/resource_ids.h"
#include "ui/command_line.h"
#include "ui/editor_files.h"
#include "ui/read_reason.h"
#include "ui/status_text.h"

MotionFrameEditor::MotionFrameEditor(ZorvHost& host, const ZorvSettings& settings,
                                     const PaletteBlock& builtinPalette)
    : host_(host),
      settings_(settings),
      builtin_(std::make_unique<PaletteBlock>(builtinPalette)),
      palette_(std::make_unique<PaletteBlock>(builtinPalette)),
      canvas_(doc_, settings_, host),
      motionWindow_(doc_, settings_, host, host),
      spriteWindow_(doc_, settings_, host, host, host),
      newBundleDialog_(doc_.file),
      soundDialog_(host) {
  doc_.defaultDelay = settings_.defaultDelay;
  commands_.reportFailuresTo(&host_);
  canvas_.motionsChanged = [this] { motionWindow_.relayout(); };
  motionWindow_.motionsChanged = [this] { commands_.execute(ID_ZORV_MOTION_CHANGED); };
  buildCommands();
}

void MotionFrameEditor::start() {
  host_.setBackground(settings_.indices.background);
  canvas_.show(false);
  host_.showSpriteWindow(settings_.spriteWindowShown);
  if (!settings_.paletteFilePath.empty()) loadPalette(settings_.paletteFilePath);
}

void MotionFrameEditor::resize(SizeKind kind, int clientWidth, int clientHeight) {
  if (kind != SizeKind::Minimized) settings_.maximised = kind == SizeKind::Maximized;
  clientWidth_ = clientWidth;
  clientHeight_ = clientHeight;
  host_.placeCanvas(PlaceMotionCanvas(clientWidth, clientHeight));
}

std::array<int, 3> MotionFrameEditor::statusPartEdges() const {
  return StatusPartEdges(clientWidth_);
}

std::string MotionFrameEditor::title() const {
  return MotionTitle({documentName_, doc_.modified, doc_.file.count(), doc_.file.sprites.Count()});
}

std::vector<std::string> MotionFrameEditor::bundleNames() const {
  std::vector<std::string> names;
  names.reserve(doc_.file.bundles().size());
  for (const auto& bundle : doc_.file.bundles()) names.push_back(bundle->name.str());
  return names;
}

int MotionFrameEditor::currentBundleIndex() const {
  return doc_.file.current() ? doc_.file.currentIndex() : -1;
}

void MotionFrameEditor::bundleSelected(int index) {
  if (index < 0) return;
  doc_.selectBundle(index);
  if (doc_.file.current()) canvas_.show(true);
  bundlesChanged();
}

void MotionFrameEditor::bundlesChanged() {
  motionWindow_.relayout();
  canvas_.stopPlayback();
  host_.repaint(kRepaintAll);
}

bool MotionFrameEditor::openFile(const std::string& path, const std::string& name) {
  std::ifstream in(PathFromText(path), std::ios::binary);
  if (!in) return false;
  if (const ReadResult read = doc_.open(in); !read) {
    host_.showError(WithReason("'" + name + "'\n올바른 Zorv 파일이 아닙니다.\n확인후 다시 하십시오.", read));
    return false;
  }
  documentName_ = name;
  documentPath_ = path;
  settings_.motionFilePath = path;
  settings_.motionFileName = name;
  if (doc_.file.current()) canvas_.show(true);
  spriteWindow_.relayout();
  bundlesChanged();
  return true;
}

bool MotionFrameEditor::dropFiles(const std::vector<std::string>& paths) {
  if (!askToSave()) return false;
  for (const std::string& path : paths) {
    std::error_code error;
    if (std::filesystem::is_directory(PathFromText(path), error)) continue;
    if (openFile(path, FileTitleOf(path))) return true;
  }
  return false;
}

bool MotionFrameEditor::save(bool saveAs) {
  if (doc_.file.empty()) return false;
  ChosenFile target{documentPath_, documentName_};
  if (saveAs || documentName_.empty()) {
    // Save as starts at the remembered file, not at the document's.
    ChosenFile chosen;
    if (!ChooseAndRemember(host_, Chooser::Save, MotionFileFilter(),
                           {settings_.motionFilePath, settings_.motionFileName}, chosen))
      return false;
    target = chosen;
  }
  bool saved;
  {
    WaitCursor wait(host_);
    saved = doc_.saveFile(PathFromText(target.path));
  }
  if (!saved) {
    host_.showError("'" + target.name + "'\n파일을 쓰지 못했습니다.\n이전 파일은 그대로 있습니다.");
    return false;
  }
  documentName_ = target.name;
  documentPath_ = target.path;
  settings_.motionFilePath = target.path;
  settings_.motionFileName = target.name;
  host_.repaint(kRepaintFrame);
  return true;
}

bool MotionFrameEditor::askToSave() {
  if (!doc_.modified) return true;
  return AskAboutUnsavedWork(host_, "Zorv 파일이 저장되지 않았습니다.\n\t저장하시겠습니까?",
                             doc_.file.empty(), [this] { return save(false); });
}

bool MotionFrameEditor::close() {
  if (!askToSave()) return false;
  canvas_.stopPlayback();
  host_.closeFrame();
  return true;
}

bool MotionFrameEditor::loadPalette(const std::string& path) {
  auto block = std::make_unique<PaletteBlock>();
  if (!ReadPaletteFileReporting(host_, path, *block)) return false;
  palette_ = std::move(block);
  usePalette();
  return true;
}

void MotionFrameEditor::restorePalette() {
  *palette_ = *builtin_;
  usePalette();
}

void MotionFrameEditor::usePalette() {
  host_.usePalette(*palette_);
  convertColours();
}

void MotionFrameEditor::convertColours() {
  RecomputeColourIndices(ZorvColours(settings_), *palette_);
  host_.setBackground(settings_.indices.background);
  host_.repaint(kRepaintAll);
}
