// Fuzz target: the motion file reader. Any input must either be refused or give a
// document that writes back to bytes which read back to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "motion/motion_file_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MotionFile file;
  if (!ReadMotionFileFromMemory(file, data, size)) {
    // A refused file leaves the document empty.
    if (file.count() != 0 || file.sprites.Count() != 0) std::abort();
    return 0;
  }
  std::vector<uint8_t> first = MotionFileBytes(file);
  MotionFile again;
  if (first.empty() || !ReadMotionFileFromMemory(again, first.data(), first.size())) std::abort();
  if (MotionFileBytes(again) != first) std::abort();
  return 0;
}
