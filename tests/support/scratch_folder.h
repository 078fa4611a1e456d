#pragma once
// A fresh folder of a test's own for the files it writes, removed afterwards. Its
// name is unique, so copies of a test binary running at once never share one.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/byte_reader.h"
#include "base/path_text.h"

// The bytes of any file; empty when it cannot be read.
inline std::vector<uint8_t> FileBytes(const std::filesystem::path& p) {
  std::vector<uint8_t> bytes;
  ReadFileBytes(p, bytes);
  return bytes;
}

struct ScratchFolder {
  std::filesystem::path dir;

  // name: CP949, as the programs hold paths.
  explicit ScratchFolder(const std::string& name) {
    static std::atomic<unsigned> made{0};
    dir = std::filesystem::temp_directory_path() /
          PathFromText(name + "_" + std::to_string(std::random_device{}()) + "_" + std::to_string(made++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The CP949 text of a file in the folder, as the programs hold paths.
  std::string path(const std::string& name) const { return TextFromPath(dir) + "/" + name; }
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream(PathFromText(path(name)), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path(name);
  }
  std::vector<uint8_t> read(const std::string& name) const { return FileBytes(PathFromText(path(name))); }
};
