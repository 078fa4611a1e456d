#include "cutter/editor/interface_colours.h"

#include <algorithm>

void RecomputeColourIndices(CutterSettings& settings, const PaletteBlock& palette) {
  settings.backgroundIndex = NearestColor(palette, settings.backgroundColour);
  settings.systemIndex = NearestColor(palette, settings.systemColour);
  settings.shadowIndex = NearestColor(palette, settings.shadowColour);
}

PaletteBlock BuiltinPaletteBlock() {
  PaletteBlock block;
  std::copy(kDefaultPaletteColours.begin(), kDefaultPaletteColours.end(), block.palette());
  BuildMixTable(block);
  return block;
}
