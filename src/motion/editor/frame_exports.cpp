// "애니메이션 GIF로 저장..." and "JSON으로 내보내기...": the motion data for other
// programs, written through the safe save.
#include <cstdio>

#include "base/path_text.h"
#include "base/save_file.h"
#include "base/text_encoding.h"
#include "motion/editor/frame_editor.h"
#include "motion/motion_file_io.h"
#include "motion/motion_gif.h"
#include "motion/motion_json.h"

namespace {

// The text with its extension (after the last dot of the file name) replaced.
std::string WithExtension(const std::string& text, const char* extension) {
  const size_t slash = text.find_last_of("\\/");
  const size_t dot = text.find_last_of('.');
  const bool hasDot = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasDot ? text.substr(0, dot) : text) + extension;
}

// A suggestion for the chooser: the document's own name with the new extension.
ChosenFile Suggestion(const std::string& path, const std::string& name, const char* extension) {
  if (name.empty()) return {};
  return {WithExtension(path, extension), WithExtension(name, extension)};
}

bool SaveBytes(const std::string& path, const std::string& bytes) {
  return SaveFileSafely(PathFromText(path), [&](std::ostream& out) {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out.good();
  });
}

std::string Message(const char* format, const std::string& name, const std::string& reason) {
  char text[640];
  std::snprintf(text, sizeof text, format, name.c_str(), reason.c_str());
  return text;
}

}  // namespace

void MotionFrameEditor::exportGif() {
  const MotionBundle* bundle = doc_.file.current();
  if (!bundle) return;
  canvas_.stopPlayback();
  if (!host_.runGifExportDialog(gifDialog_)) return;
  ChosenFile chosen = Suggestion(documentPath_, documentName_, ".gif");
  if (!host_.chooseSaveFile(GifFileFilter(), chosen)) return;

  // The bundle as the canvas shows it: its colours, its background, its repeat setting.
  MotionGifOptions options;
  options.scale = gifDialog_.scale;
  options.transparent = gifDialog_.transparent;
  options.boxes = gifDialog_.boxes;
  options.points = gifDialog_.points;
  options.background = settings_.indices.background;
  options.markColours = settings_.indices.boxes;
  options.loop = settings_.repeatPlayback;
  std::string reason;
  std::vector<uint8_t> gif;
  bool saved;
  {
    WaitCursor wait(host_);
    GifOut movie;
    if (MakeMotionGif(*bundle, *palette_, options, movie, reason)) gif = EncodeGif(movie);
    saved = !gif.empty() && SaveBytes(chosen.path, std::string(gif.begin(), gif.end()));
  }
  if (gif.empty())
    host_.showError(Message("'%s'\nGIF 파일을 만들지 못했습니다.\n(%s)", bundle->name.str(), reason));
  else if (!saved)
    host_.showError(Message("'%s'\n파일을 쓰지 못했습니다.%s", chosen.name, ""));
}

void MotionFrameEditor::exportJson() {
  if (doc_.file.empty()) return;
  canvas_.stopPlayback();
  ChosenFile chosen = Suggestion(documentPath_, documentName_, ".json");
  if (!host_.chooseSaveFile(JsonFileFilter(), chosen)) return;

  // The document as it would be saved, with the atlas beside the JSON named after it.
  std::string reason;
  bool made, saved;
  {
    WaitCursor wait(host_);
    const std::string pngPath = WithExtension(chosen.path, ".png");
    std::string imageName;
    Cp949ToUtf8(WithExtension(chosen.name, ".png"), imageName);
    const std::vector<uint8_t> zrv = MotionFileBytes(doc_.file);
    StoredMotionFile stored;
    MotionJsonExport out;
    made = !zrv.empty() && !imageName.empty() &&
           ReadStoredMotionFile(zrv.data(), zrv.size(), stored, reason) &&
           ExportMotionJson(stored, *palette_, imageName, out, reason);
    saved = made && SaveBytes(pngPath, std::string(out.png.begin(), out.png.end())) &&
            SaveBytes(chosen.path, out.json);
  }
  if (!made)
    host_.showError(Message("'%s'\nJSON 파일을 만들지 못했습니다.\n(%s)", chosen.name, reason));
  else if (!saved)
    host_.showError(Message("'%s'\n파일을 쓰지 못했습니다.%s", chosen.name, ""));
}
