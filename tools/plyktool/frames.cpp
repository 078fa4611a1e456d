// plyktool frames PICTURE OUTDIR: writes every decoded frame of a picture as an
// 8-bit BMP with the picture's palette (frame_000.bmp, ...) and the palette with its
// mixing table as OUTDIR/palette.pal.
#include <cstdio>
#include <filesystem>

#include "base/save_file.h"
#include "commands.h"
#include "cutter/picture.h"
#include "picture_load.h"
#include "sprites/indexed_bmp.h"
#include "sprites/palette.h"

int RunFrames(Args args) {
  if (args.size() != 2) return Fail("usage: plyktool frames PICTURE OUTDIR");
  const std::string &in = args[0], &outDir = args[1];
  Picture picture;
  if (int failed = LoadPictureOrFail(picture, in)) return failed;
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (!std::filesystem::is_directory(outDir)) return Fail(outDir + ": cannot make the folder");

  const auto colours = BmpColourTable(picture.palette().palette());
  for (int32_t i = 0; i < picture.frameCount(); ++i) {
    const PictureFrame& frame = picture.frames()[static_cast<size_t>(i)];
    char name[32];
    std::snprintf(name, sizeof name, "frame_%03d.bmp", i);
    const std::filesystem::path path = std::filesystem::path(outDir) / name;
    const auto bytes =
        EncodeIndexedBmp(frame.pixels.data(), frame.width, frame.height, frame.width, colours.data());
    if (!SaveFileSafely(path, [&](std::ostream& out) {
          out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
          return bool(out);
        }))
      return Fail(path.string() + ": cannot write the file");
  }
  const std::filesystem::path palettePath = std::filesystem::path(outDir) / "palette.pal";
  if (!SaveFileSafely(palettePath,
                      [&](std::ostream& out) { return WritePaletteFile(picture.palette(), out) != 0; }))
    return Fail(palettePath.string() + ": cannot write the file");
  std::printf("%d frame%s of %d x %d written to %s\n", picture.frameCount(),
              picture.frameCount() == 1 ? "" : "s", picture.frameCount() ? picture.frames()[0].width : 0,
              picture.frameCount() ? picture.frames()[0].height : 0, outDir.c_str());
  return 0;
}
