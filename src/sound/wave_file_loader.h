#pragma once
// Reading a whole wave file for the cache. The player calls it through a
// replaceable function so that the program can open CP949 or wide paths its own
// way and tests can serve files from memory.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class WaveFileLoad { kLoaded, kCannotRead, kTooLarge };

// path holds the bytes the caller gave; a file longer than maxSize is refused
// without being read. out is left empty on failure.
using WaveFileLoader =
    std::function<WaveFileLoad(const std::string& path, std::vector<uint8_t>& out, size_t maxSize)>;

// Opens the path, a CP949 text, through PathFromText: Korean names open on any
// system code page.
WaveFileLoad ReadWaveFile(const std::string& path, std::vector<uint8_t>& out, size_t maxSize);
