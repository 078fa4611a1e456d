#include "images/image.h"

#include <unordered_map>

std::vector<uint8_t> MapToPalette(const RgbaImage& image, const PaletteBlock& palette) {
  std::vector<uint8_t> out(image.pixels.size());
  std::unordered_map<Rgba, uint8_t> seen;
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const Rgba c = image.pixels[i];
    if (AlphaOf(c) == 0) continue;  // out[i] is already 0
    const Rgba colour = c & 0xFFFFFFu;
    auto [it, added] = seen.try_emplace(colour, 0);
    if (added) it->second = NearestColor(palette, colour);
    out[i] = it->second;
  }
  return out;
}
