// plyktool json MOTIONS.zrv OUT.json and plyktool zrv IN.json OUT.zrv: the motion
// file as JSON with a PNG atlas of its sprites, and back, byte for byte.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

#include "base/byte_reader.h"
#include "base/save_file.h"
#include "commands.h"
#include "motion/motion_json.h"

namespace {

namespace fs = std::filesystem;

bool Save(const std::string& path, const void* data, size_t size) {
  return SaveFileSafely(path, [&](std::ostream& o) {
    o.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return o.good();
  });
}

// What both commands start from: IN OUT [--palette P.pal], the palette and IN's bytes.
struct Conversion {
  std::string in, out;
  PaletteBlock palette;
  std::vector<uint8_t> bytes;
};

// Reads the arguments, the palette and the input file: 0, or the exit status of the
// failure, whose message is printed.
int StartConversion(Args args, const char* usage, Conversion& c) {
  bool bad = false;
  std::string palettePath, error;
  TakeOption(args, "--palette", palettePath, bad);
  if (bad || args.size() != 2) return Fail(usage);
  c.in = args[0];
  c.out = args[1];
  if (!LoadPaletteOption(palettePath, c.palette, error)) return Fail(error);
  if (!ReadFileBytes(c.in, c.bytes)) return Fail(c.in + ": cannot read the file");
  return 0;
}

}  // namespace

int RunJson(Args args) {
  Conversion c;
  if (int status =
          StartConversion(std::move(args), "usage: plyktool json MOTIONS.zrv OUT.json [--palette P.pal]", c))
    return status;
  const std::string &in = c.in, &out = c.out;
  std::string error;
  StoredMotionFile file;
  if (!ReadStoredMotionFile(c.bytes.data(), c.bytes.size(), file, error)) return Fail(in + ": " + error);

  // The atlas goes beside the JSON, named after it.
  const fs::path pngPath = fs::path(out).replace_extension(".png");
  MotionJsonExport exported;
  if (!ExportMotionJson(file, c.palette, pngPath.filename().u8string(), exported, error))
    return Fail(in + ": " + error);
  if (!Save(pngPath.string(), exported.png.data(), exported.png.size()))
    return Fail(pngPath.string() + ": cannot write the file");
  if (!Save(out, exported.json.data(), exported.json.size())) return Fail(out + ": cannot write the file");
  size_t motions = 0;
  for (const StoredBundle& b : file.bundles) motions += b.motions.size();
  std::printf("%s: %zu bundles, %zu motions; %s: %d sprites\n", out.c_str(), file.bundles.size(), motions,
              pngPath.string().c_str(), file.sprites.Count());
  return 0;
}

int RunZrv(Args args) {
  Conversion c;
  if (int status =
          StartConversion(std::move(args), "usage: plyktool zrv IN.json OUT.zrv [--palette P.pal]", c))
    return status;
  const std::string &in = c.in, &out = c.out;
  std::string error;
  const fs::path folder = fs::path(in).parent_path();
  const ImageLoader load = [&](const std::string& name, std::vector<uint8_t>& bytes) {
    return ReadFileBytes(folder / fs::u8path(name), bytes);
  };
  std::vector<uint8_t> zrv;
  if (!ImportMotionJson(std::string_view(reinterpret_cast<const char*>(c.bytes.data()), c.bytes.size()), load,
                        c.palette, zrv, error))
    return Fail(in + ": " + error);
  if (!Save(out, zrv.data(), zrv.size())) return Fail(out + ": cannot write the file");
  std::printf("%s: %zu bytes\n", out.c_str(), zrv.size());
  return 0;
}
