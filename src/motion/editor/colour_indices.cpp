#include "motion/editor/colour_indices.h"

ColourIndices ConvertColours(const EditorColours& colours, const PaletteBlock& palette) {
  ColourIndices indices;
  indices.system = NearestColor(palette, colours.system);
  indices.background = NearestColor(palette, colours.background);
  indices.shadow = NearestColor(palette, colours.shadow);
  for (size_t k = 0; k < colours.boxes.size(); ++k)
    indices.boxes[k] = NearestColor(palette, colours.boxes[k]);
  return indices;
}
