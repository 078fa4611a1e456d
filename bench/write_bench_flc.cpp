// Writes the benchmarks' 500-frame FLC to a file, for bench/picture_vs_ffmpeg.sh.
#include <cstdio>

#include "flc500.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUT.flc\n", argv[0]);
    return 2;
  }
  const testpic::Bytes file = Flc500Frames();
  std::FILE* out = std::fopen(argv[1], "wb");
  const bool written = out && std::fwrite(file.data(), 1, file.size(), out) == file.size();
  if (out && std::fclose(out) != 0) return 1;
  return written ? 0 : 1;
}
