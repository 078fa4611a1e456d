// plyktool json MOTIONS.zrv OUT.json and plyktool zrv IN.json OUT.zrv: the motion
// file as JSON with a PNG atlas of its sprites, and back, byte for byte.
#include <cstdio>
#include <filesystem>
#include <fstream>

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

}  // namespace

int RunJson(Args args) {
  const char* usage = "usage: plyktool json MOTIONS.zrv OUT.json [--palette P.pal]";
  bool bad = false;
  std::string palettePath;
  TakeOption(args, "--palette", palettePath, bad);
  if (bad || args.size() != 2) return Fail(usage);
  const std::string &in = args[0], &out = args[1];
  PaletteBlock palette;
  std::string error;
  if (!LoadPaletteOption(palettePath, palette, error)) return Fail(error);
  std::vector<uint8_t> bytes;
  if (!ReadFileBytes(in, bytes)) return Fail(in + ": cannot read the file");
  StoredMotionFile file;
  if (!ReadStoredMotionFile(bytes.data(), bytes.size(), file, error)) return Fail(in + ": " + error);

  // The atlas goes beside the JSON, named after it.
  const fs::path pngPath = fs::path(out).replace_extension(".png");
  MotionJsonExport exported;
  if (!ExportMotionJson(file, palette, pngPath.filename().u8string(), exported, error))
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
  const char* usage = "usage: plyktool zrv IN.json OUT.zrv [--palette P.pal]";
  bool bad = false;
  std::string palettePath;
  TakeOption(args, "--palette", palettePath, bad);
  if (bad || args.size() != 2) return Fail(usage);
  const std::string &in = args[0], &out = args[1];
  PaletteBlock palette;
  std::string error;
  if (!LoadPaletteOption(palettePath, palette, error)) return Fail(error);
  std::vector<uint8_t> text;
  if (!ReadFileBytes(in, text)) return Fail(in + ": cannot read the file");
  const fs::path folder = fs::path(in).parent_path();
  const ImageLoader load = [&](const std::string& name, std::vector<uint8_t>& bytes) {
    return ReadFileBytes(folder / fs::u8path(name), bytes);
  };
  std::vector<uint8_t> zrv;
  if (!ImportMotionJson(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), load,
                        palette, zrv, error))
    return Fail(in + ": " + error);
  if (!Save(out, zrv.data(), zrv.size())) return Fail(out + ": cannot write the file");
  std::printf("%s: %zu bytes\n", out.c_str(), zrv.size());
  return 0;
}
