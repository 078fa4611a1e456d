#include "ui/file_filter.h"

namespace {

using FilterEntry = FilterEntries::value_type;

const FilterEntry& SpriteFiles() {
  static const FilterEntry entry{"Plyk 파일(*.plk)", "*.plk"};
  return entry;
}

FilterEntries WithAllFiles(FilterEntry own) {
  return {std::move(own), {"모든 파일(*.*)", "*.*"}};
}

}  // namespace

std::string PackFilter(const FilterEntries& entries) {
  std::string packed;
  for (const auto& [description, pattern] : entries) {
    packed += description;
    packed += '\0';
    packed += pattern;
    packed += '\0';
  }
  packed += '\0';
  if (entries.empty()) packed += '\0';
  return packed;
}

FilterEntries UnpackFilter(const std::string& packed) {
  std::vector<std::string> texts;
  size_t at = 0;
  while (at < packed.size()) {
    size_t end = packed.find('\0', at);
    if (end == std::string::npos) end = packed.size();
    if (end == at) break;  // the closing empty text
    texts.push_back(packed.substr(at, end - at));
    at = end + 1;
  }
  FilterEntries entries;
  for (size_t i = 0; i + 1 < texts.size(); i += 2) entries.emplace_back(texts[i], texts[i + 1]);
  return entries;
}

std::string DefaultExtensionOf(const FilterEntries& entries) {
  if (entries.empty()) return {};
  const std::string& pattern = entries.front().second;
  if (pattern.compare(0, 2, "*.") != 0) return {};
  std::string extension = pattern.substr(2);
  if (extension.find_first_of("*?;") != std::string::npos) return {};
  return extension;
}

FilterEntries AllFilesFilter() {
  return {{"모든 파일", "*.*"}};
}

FilterEntries SpriteFileFilter() {
  return WithAllFiles(SpriteFiles());
}

FilterEntries SpriteFileOnlyFilter() {
  return {SpriteFiles()};
}

FilterEntries PictureFileFilter() {
  return WithAllFiles(
      {"그림 파일(pcx,bmp,flc,fli,anm,png,gif)", "*.pcx;*.bmp;*.flc;*.fli;*.anm;*.png;*.gif"});
}

FilterEntries PaletteFileFilter() {
  return WithAllFiles({"팔레트 파일(*.pal)", "*.pal"});
}

FilterEntries PcxFileFilter() {
  return WithAllFiles({"PCX 파일(*.pcx)", "*.pcx"});
}

FilterEntries PngFileFilter() {
  return WithAllFiles({"PNG 파일(*.png)", "*.png"});
}

FilterEntries GifFileFilter() {
  return WithAllFiles({"GIF 파일(*.gif)", "*.gif"});
}

FilterEntries JsonFileFilter() {
  return WithAllFiles({"JSON 파일(*.json)", "*.json"});
}

FilterEntries MotionFileFilter() {
  return WithAllFiles({"Zorv 파일(*.zrv)", "*.zrv"});
}

FilterEntries WaveFileFilter() {
  return {{"웨이브 파일(*.wav)", "*.wav"}};
}
