#pragma once
// Paths are CP949 texts inside the programs (that is what the settings, the choosers'
// buffers and the titles hold). Files are opened through a std::filesystem::path made
// here: on Windows from the UTF-16 form of the text, so Korean folder and file names
// open on any system locale; elsewhere from its UTF-8 form.

#include <filesystem>
#include <string>

std::filesystem::path PathFromText(const std::string& cp949);
// The inverse; characters CP949 lacks come out as '?'.
std::string TextFromPath(const std::filesystem::path& path);
