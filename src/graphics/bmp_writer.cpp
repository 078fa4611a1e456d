#include "graphics/bmp_writer.h"

#include "base/save_file.h"
#include "graphics/surface.h"

std::vector<uint8_t> SurfaceBmpBytes(const Surface& surface) {
  if (!surface.initialized()) return {};
  return EncodeIndexedBmp(surface.pixels(), surface.width(), surface.height(), surface.pitch(),
                          surface.colourTable());
}

bool WriteSurfaceBmp(const Surface& surface, const std::filesystem::path& path) {
  const std::vector<uint8_t> bytes = SurfaceBmpBytes(surface);
  if (bytes.empty()) return false;
  return SaveFileSafely(path, [&](std::ostream& out) {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  });
}
