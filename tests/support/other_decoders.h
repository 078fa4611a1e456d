#pragma once
// A GIF as ffmpeg and ImageMagick read it: the frames' colours and the delays. The
// tests that use it skip themselves where the programs are missing (or under Wine).
#include <cstdio>
#include <string>

#include "support/reader_support.h"

namespace gifcheck {

using readertest::Bytes;
using readertest::Quoted;
using readertest::ReadAll;
using readertest::Succeeds;
namespace fs = std::filesystem;

inline bool HaveDecoders() {
#ifdef _WIN32
  return false;
#else
  return Succeeds("ffmpeg -version") && Succeeds("identify -version");
#endif
}

inline std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
    pclose(pipe);
  }
  return text;
}

// Every frame as RGBA bytes, one after the other, as the program composes them.
inline Bytes FfmpegFrames(const fs::path& gif, const fs::path& scratch) {
  const fs::path raw = scratch / "ffmpeg.rgba";
  fs::remove(raw);
  if (!Succeeds("ffmpeg -v error -y -i " + Quoted(gif) + " -fps_mode passthrough -f rawvideo -pix_fmt rgba " +
                Quoted(raw)))
    return {};
  return ReadAll(raw);
}

inline Bytes MagickFrames(const fs::path& gif, const fs::path& scratch) {
  const fs::path raw = scratch / "magick.rgba";
  fs::remove(raw);
  if (!Succeeds("/usr/bin/convert " + Quoted(gif) + " -coalesce -depth 8 rgba:" + Quoted(raw))) return {};
  return ReadAll(raw);
}

// "delay,delay,...," in centiseconds as ImageMagick reads them, and "WxH;" per frame.
inline std::string MagickDelays(const fs::path& gif) {
  return Output("identify -format '%T,' " + Quoted(gif));
}
inline std::string MagickSizes(const fs::path& gif) {
  return Output("identify -format '%wx%h;' " + Quoted(gif));
}
// How often the animation repeats as ImageMagick reads it: 0 for ever, empty when
// the file does not say.
inline std::string MagickIterations(const fs::path& gif) {
  const std::string text = Output("identify -verbose " + Quoted(gif));
  const size_t at = text.find("Iterations: ");
  return at == std::string::npos ? "" : text.substr(at + 12, text.find('\n', at) - at - 12);
}

}  // namespace gifcheck
