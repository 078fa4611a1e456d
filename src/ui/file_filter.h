#pragma once
// File-chooser filters: pairs of a description and a pattern ("Plyk 파일(*.plk)",
// "*.plk"), in the system's packed form where each text ends with a zero byte and
// the list ends with one more.

#include <string>
#include <utility>
#include <vector>

using FilterEntries = std::vector<std::pair<std::string, std::string>>;

std::string PackFilter(const FilterEntries& entries);
// The inverse; a text without its closing zeros is read as far as it goes, and an
// entry that lacks its pattern is dropped.
FilterEntries UnpackFilter(const std::string& packed);

// The extension that a save chooser adds to a bare name: taken from the first
// pattern ("*.plk" gives "plk"); none for "*.*", "*" or a pattern list.
std::string DefaultExtensionOf(const FilterEntries& entries);

// The chooser that every window starts with.
FilterEntries AllFilesFilter();

// The filters of both programs' choosers. Each lists its own kind, then
// "모든 파일(*.*)", except where said otherwise.
FilterEntries SpriteFileFilter();  // "Plyk 파일(*.plk)"
// Sprite files alone, for adding the sprites of one to the motion editor's set.
FilterEntries SpriteFileOnlyFilter();
// FLI animations, PNG and GIF are read too, so the chooser lists them.
FilterEntries PictureFileFilter();
FilterEntries PaletteFileFilter();  // "팔레트 파일(*.pal)"
FilterEntries PcxFileFilter();
FilterEntries PngFileFilter();
FilterEntries GifFileFilter();
FilterEntries JsonFileFilter();
FilterEntries MotionFileFilter();  // "Zorv 파일(*.zrv)"
// "웨이브 파일(*.wav)" alone.
FilterEntries WaveFileFilter();
