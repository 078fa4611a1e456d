// Feeds arbitrary bytes to the "PlykII.cfg" decoder: every decoded field must lie in
// its range, and what was decoded must encode to a block that decodes to itself.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "cutter/editor/cutter_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ScreenArea screen{-1920, 0, 1920, 1080};
  const CutterSettings s = DecodeCutterSettings(std::vector<uint8_t>(data, data + size), screen);
  auto in = [](int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; };
  if (!in(s.zoom, 1, 4) || !in(s.cutWidth, 1, kMaxCutSize) || !in(s.cutHeight, 1, kMaxCutSize)) std::abort();
  for (int32_t index : {s.backgroundIndex, s.systemIndex, s.shadowIndex})
    if (!in(index, 0, 255)) std::abort();
  for (uint32_t colour : {s.systemColour, s.backgroundColour, s.shadowColour})
    if (colour > 0x00FFFFFF) std::abort();
  for (uint32_t colour : s.customColours)
    if (colour > 0x00FFFFFF) std::abort();
  for (const WindowRect& r : {s.spriteWindowRect, s.detailWindowRect})
    if (r.right <= r.left || r.bottom <= r.top) std::abort();
  for (const std::string* text :
       {&s.spriteName, &s.spritePath, &s.paletteName, &s.palettePath, &s.pictureName, &s.picturePath})
    if (text->size() >= kSettingsTextField) std::abort();

  const std::vector<uint8_t> block = EncodeCutterSettings(s);
  if (block.size() != kCutterSettingsSize) std::abort();
  if (EncodeCutterSettings(DecodeCutterSettings(block, screen)) != block) std::abort();
  return 0;
}
