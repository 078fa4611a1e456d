// plyktool cut PICTURE OUT.plk [--frame N | --all-frames] [--transparent N]
//                              [--grid WxH] [--palette OUT.pal]
// Cuts every figure of a frame with the outward rule (or every grid cell) and
// writes the sprites, in cutting order and without duplicates, as a sprite file.
#include <cstdio>
#include <cstdlib>

#include "base/save_file.h"
#include "commands.h"
#include "cutter/batch_cut.h"
#include "cutter/picture.h"
#include "picture_load.h"
#include "sprites/palette.h"
#include "sprites/sprite_file.h"

namespace {

const char kUsage[] =
    "usage: plyktool cut PICTURE OUT.plk [--frame N | --all-frames] [--transparent N] [--grid WxH] "
    "[--palette OUT.pal]";

bool ParseInt(const std::string& text, long low, long high, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < low || v > high) return false;
  value = static_cast<int>(v);
  return true;
}

bool ParseGrid(const std::string& text, CutSize& size) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  return ParseInt(text.substr(0, x), 1, 1 << 20, size.width) &&
         ParseInt(text.substr(x + 1), 1, 1 << 20, size.height);
}

}  // namespace

int RunCut(Args args) {
  bool bad = false;
  std::string frameText, transparentText, gridText, palettePath;
  const bool hasFrame = TakeOption(args, "--frame", frameText, bad);
  const bool hasTransparent = TakeOption(args, "--transparent", transparentText, bad);
  const bool hasGrid = TakeOption(args, "--grid", gridText, bad);
  const bool hasPalette = TakeOption(args, "--palette", palettePath, bad);
  const bool allFrames = TakeFlag(args, "--all-frames");
  if (bad || args.size() != 2 || (hasFrame && allFrames)) return Fail(kUsage);
  const std::string &in = args[0], &out = args[1];

  int transparent = -1;
  if (hasTransparent && !ParseInt(transparentText, 0, 255, transparent))
    return Fail("--transparent takes a palette index from 0 to 255");
  CutSize grid;
  if (hasGrid && !ParseGrid(gridText, grid)) return Fail("--grid takes a cell size such as 32x32");

  Picture picture;
  if (int failed = LoadPictureOrFail(picture, in)) return failed;
  if (picture.frameCount() == 0) return Fail(in + ": the picture has no frames");
  int first = 0, last = 0;
  if (allFrames) {
    last = picture.frameCount() - 1;
  } else if (hasFrame) {
    if (!ParseInt(frameText, 0, picture.frameCount() - 1, first))
      return Fail("--frame takes a frame number from 0 to " + std::to_string(picture.frameCount() - 1));
    last = first;
  }

  SpriteSet set;
  DuplicateFreeAppender appender(set);
  size_t cut = 0;
  for (int i = first; i <= last; ++i) {
    const PictureFrame& frame = picture.frames()[static_cast<size_t>(i)];
    CutSource source;
    source.setFrame(&frame);
    // Without --transparent each frame's top-left pixel gives its background.
    source.transparentIndex = transparent >= 0 ? transparent : frame.pixels[0];
    const std::vector<CutRect> rects = hasGrid ? gridCells(source, grid) : findAllFigures(source);
    cut += rects.size();
    appendCutSprites(source, rects, appender);
  }
  if (set.Count() == 0) return Fail(in + ": nothing to cut (every pixel is transparent)");

  if (!SaveFileSafely(out, [&](std::ostream& o) { return WriteSprites(set, o) != 0; }))
    return Fail(out + ": cannot write the file");
  if (hasPalette && !SaveFileSafely(palettePath, [&](std::ostream& o) {
        return WritePaletteFile(picture.palette(), o) != 0;
      }))
    return Fail(palettePath + ": cannot write the file");
  std::printf("%d sprites written to %s (%d cut from %d frame%s, %d duplicates dropped)\n", set.Count(),
              out.c_str(), static_cast<int>(cut), last - first + 1, last == first ? "" : "s",
              static_cast<int>(cut) - set.Count());
  return 0;
}
