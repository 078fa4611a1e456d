// plyktool gif MOTIONS.zrv OUT.gif: one bundle as an animated GIF.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "base/save_file.h"
#include "commands.h"
#include "display_text.h"
#include "motion/motion_file_io.h"
#include "motion/motion_gif.h"
#include "sprites/palette.h"

namespace {

bool Number(const std::string& text, long low, long high, long& value) {
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  return !text.empty() && !*end && value >= low && value <= high;
}

// A bundle by position or by name (as stored, or as the terminal shows it).
int32_t FindBundle(const MotionFile& file, const std::string& key) {
  long index = 0;
  if (Number(key, 0, file.count() - 1, index)) return static_cast<int32_t>(index);
  for (int32_t b = 0; b < file.count(); ++b) {
    const std::string name = file.get(b)->name.str();
    if (name == key || DisplayText(name) == key) return b;
  }
  return -1;
}

}  // namespace

bool LoadPaletteOption(const std::string& path, PaletteBlock& palette, std::string& error) {
  if (path.empty()) {
    std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), palette.palette());
    BuildMixTable(palette);
    return true;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file)
    error = path + ": cannot read the file";
  else if (!ReadPaletteFile(palette, file))
    error = path + ": not a palette file";
  return error.empty();
}

int RunGif(Args args) {
  const char* usage =
      "usage: plyktool gif MOTIONS.zrv OUT.gif [--bundle N|NAME] [--scale 1-4] [--boxes] [--points] "
      "[--background transparent|INDEX|#RRGGBB] [--palette P.pal] [--once]";
  bool bad = false;
  std::string bundleKey, scaleText, background, palettePath;
  const bool hasBundle = TakeOption(args, "--bundle", bundleKey, bad);
  const bool hasScale = TakeOption(args, "--scale", scaleText, bad);
  const bool hasBackground = TakeOption(args, "--background", background, bad);
  TakeOption(args, "--palette", palettePath, bad);
  MotionGifOptions options;
  options.boxes = TakeFlag(args, "--boxes");
  options.points = TakeFlag(args, "--points");
  options.loop = !TakeFlag(args, "--once");
  if (bad || args.size() != 2) return Fail(usage);
  const std::string &in = args[0], &out = args[1];

  long value = 0;
  if (hasScale) {
    if (!Number(scaleText, 1, 4, value)) return Fail("--scale takes a number from 1 to 4");
    options.scale = static_cast<int>(value);
  }
  PaletteBlock palette;
  std::string error;
  if (!LoadPaletteOption(palettePath, palette, error)) return Fail(error);
  if (hasBackground) {
    unsigned rgb = 0;
    char tail = 0;
    if (background == "transparent") {
      options.transparent = true;
    } else if (Number(background, 0, 255, value)) {
      options.background = static_cast<int>(value);
    } else if (background.size() == 7 && std::sscanf(background.c_str(), "#%6x%c", &rgb, &tail) == 1) {
      // #RRGGBB as the nearest palette colour; NearestColor takes 0x00BBGGRR.
      options.background =
          NearestColor(palette, ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
    } else {
      return Fail("--background takes transparent, a palette index 0 to 255 or #RRGGBB");
    }
  }
  for (int k = 0; k < kMotionBoxCount; ++k)
    options.markColours[size_t(k)] = NearestColor(palette, kDefaultMarkColours[size_t(k)]);

  MotionFile file;
  std::ifstream stream(in, std::ios::binary);
  if (!stream) return Fail(in + ": cannot read the file");
  if (!ReadMotionFile(file, stream)) return Fail(in + ": not a motion file, or damaged");
  if (file.count() == 0) return Fail(in + ": the file holds no bundles");
  const int32_t b = hasBundle ? FindBundle(file, bundleKey) : 0;
  if (b < 0) return Fail(in + ": no bundle '" + bundleKey + "'");
  const MotionBundle& bundle = *file.get(b);

  GifOut movie;
  if (!MakeMotionGif(bundle, palette, options, movie, error))
    return Fail(in + ": bundle '" + DisplayText(bundle.name.str()) + "': " + error);
  const std::vector<uint8_t> bytes = EncodeGif(movie);
  if (bytes.empty()) return Fail(out + ": the GIF cannot be made");
  if (!SaveFileSafely(out, [&](std::ostream& o) {
        o.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return o.good();
      }))
    return Fail(out + ": cannot write the file");
  std::printf("%s: bundle '%s', %zu frames, %d x %d pixels\n", out.c_str(),
              DisplayText(bundle.name.str()).c_str(), movie.frames.size(), movie.width, movie.height);
  return 0;
}
