#include "motion/editor/zorv_colours.h"

#include "motion/resource_ids.h"

InterfaceColours ZorvColours(ZorvSettings& s) {
  InterfaceColours colours{{IDC_ZORV_COLOUR_BACKGROUND, &s.colours.background, &s.indices.background},
                           {IDC_ZORV_COLOUR_SYSTEM, &s.colours.system, &s.indices.system},
                           {IDC_ZORV_COLOUR_SHADOW, &s.colours.shadow, &s.indices.shadow}};
  for (int k = 0; k < kBoxColourCount; ++k)
    colours.push_back({IDC_ZORV_COLOUR_1 + k, &s.colours.boxes[k], &s.indices.boxes[k]});
  return colours;
}
