#include "cutter/editor/interface_colours.h"

void RecomputeColourIndices(CutterSettings& settings, const PaletteBlock& palette) {
  settings.backgroundIndex = NearestColor(palette, settings.backgroundColour);
  settings.systemIndex = NearestColor(palette, settings.systemColour);
  settings.shadowIndex = NearestColor(palette, settings.shadowColour);
}
