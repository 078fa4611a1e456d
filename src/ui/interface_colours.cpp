#include "ui/interface_colours.h"

void RecomputeColourIndices(const InterfaceColours& colours, const PaletteBlock& palette) {
  for (const InterfaceColour& c : colours) *c.index = NearestColor(palette, *c.colour);
}
