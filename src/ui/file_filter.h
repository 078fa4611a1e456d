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
