#include "sound/wave_file_loader.h"

#include <fstream>

#include "base/byte_reader.h"
#include "base/path_text.h"

WaveFileLoad ReadWaveFile(const std::string& path, std::vector<uint8_t>& out, size_t maxSize) {
  out.clear();
  std::ifstream in(PathFromText(path), std::ios::binary);
  if (!in) return WaveFileLoad::kCannotRead;
  in.seekg(0, std::ios::end);
  const std::streamoff length = in.tellg();
  if (length < 0) return WaveFileLoad::kCannotRead;
  in.seekg(0, std::ios::beg);
  // Some things that open are not files (a folder on POSIX reports a huge length),
  // so a too-long answer is believed only once the bytes past maxSize were read.
  // The stream reader grows the vector with the bytes actually read.
  const size_t want =
      static_cast<unsigned long long>(length) > maxSize ? maxSize + 1 : static_cast<size_t>(length);
  StreamReader reader(in);
  if (!reader.readVector(out, want)) {
    out.clear();
    return WaveFileLoad::kCannotRead;
  }
  if (out.size() > maxSize) {
    out.clear();
    return WaveFileLoad::kTooLarge;
  }
  return WaveFileLoad::kLoaded;
}
