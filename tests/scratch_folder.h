#pragma once
// A scratch folder of a test's own, removed with the object. Files in it are named
// by the CP949 path text the programs hold.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/path_text.h"

struct ScratchFolder {
  std::filesystem::path dir;
  explicit ScratchFolder(const std::string& name)
      : dir(std::filesystem::temp_directory_path() / (name + "_" + std::to_string(std::random_device{}()))) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string path(const std::string& name) const { return TextFromPath(dir) + "/" + name; }
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream(PathFromText(path(name)), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path(name);
  }
};
