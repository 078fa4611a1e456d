#pragma once
// Saving without losing the previous file: the content goes to a temporary file
// beside the target, which replaces the target only when every byte was written.

#include <filesystem>
#include <functional>
#include <ostream>

// write returns false (or leaves the stream in error) when the content could not be
// produced; then the temporary file is removed and the target is left untouched.
bool SaveFileSafely(const std::filesystem::path& target, const std::function<bool(std::ostream&)>& write);
