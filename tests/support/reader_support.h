#pragma once
// Running ImageMagick and ffmpeg from the reader tests, and the files they leave.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "images/image.h"
#include "support/scratch_folder.h"

namespace readertest {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

inline bool Succeeds(const std::string& command) {
  return std::system((command + " > /dev/null 2>&1").c_str()) == 0;
}

inline std::string Quoted(const fs::path& p) {
  return "'" + p.string() + "'";
}

inline Bytes ReadAll(const fs::path& p) {
  return FileBytes(p);
}

// Raw RGBA bytes as pixels (red lowest).
inline std::vector<Rgba> AsRgba(const Bytes& raw) {
  std::vector<Rgba> out(raw.size() / 4);
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = MakeRgba(raw[4 * i], raw[4 * i + 1], raw[4 * i + 2], raw[4 * i + 3]);
  return out;
}

// Equal pixel for pixel; two fully transparent pixels are equal whatever their colour.
inline void ExpectSamePixels(const std::vector<Rgba>& ours, const std::vector<Rgba>& theirs,
                             const std::string& what) {
  ASSERT_EQ(ours.size(), theirs.size()) << what;
  for (size_t i = 0; i < ours.size(); ++i) {
    if (AlphaOf(ours[i]) == 0 && AlphaOf(theirs[i]) == 0) continue;
    ASSERT_EQ(ours[i], theirs[i]) << what << " at pixel " << i;
  }
}

}  // namespace readertest
