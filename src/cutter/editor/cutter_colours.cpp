#include "cutter/editor/cutter_colours.h"

#include "cutter/resource_ids.h"

InterfaceColours CutterColours(CutterSettings& s) {
  return {{IDC_PLYK_COLOUR_BACKGROUND, &s.backgroundColour, &s.backgroundIndex},
          {IDC_PLYK_COLOUR_SYSTEM, &s.systemColour, &s.systemIndex},
          {IDC_PLYK_COLOUR_SHADOW, &s.shadowColour, &s.shadowIndex}};
}
