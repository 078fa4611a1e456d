// Fuzz target: the stored motion file reader and the JSON reader. A motion file that
// is accepted writes back to exactly its own bytes and survives the trip through
// JSON and the atlas unchanged; any text given as JSON is refused or read, never
// more.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "motion/motion_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  MotionJsonImport parsed;
  ParseMotionJson(std::string_view(reinterpret_cast<const char*>(data), size), parsed, error);

  StoredMotionFile file;
  if (!ReadStoredMotionFile(data, size, file, error)) return 0;
  const std::vector<uint8_t> input(data, data + size);
  if (StoredMotionFileBytes(file) != input) std::abort();
  // Atlases of huge sprite sets take long; the layout checks above still ran.
  if (file.computedSpriteTotalLength() > (1 << 20)) return 0;
  PaletteBlock palette;
  MotionJsonExport out;
  if (!ExportMotionJson(file, palette, "a.png", out, error)) std::abort();
  const ImageLoader load = [&](const std::string&, std::vector<uint8_t>& png) {
    png = out.png;
    return true;
  };
  std::vector<uint8_t> back;
  if (!ImportMotionJson(out.json, load, palette, back, error) || back != input) std::abort();
  return 0;
}
