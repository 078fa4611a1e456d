#include "cutter/editor/colour_dialog.h"

ColourDialog::ColourDialog(const CutterSettings& settings)
    : background_(settings.backgroundColour),
      system_(settings.systemColour),
      shadow_(settings.shadowColour),
      custom_(settings.customColours) {}

uint32_t* ColourDialog::slot(int button) {
  switch (button) {
    case kColourButtonBackground:
      return &background_;
    case kColourButtonSystem:
      return &system_;
    case kColourButtonShadow:
      return &shadow_;
    default:
      return nullptr;
  }
}

uint32_t ColourDialog::colourOf(int button) const {
  const uint32_t* colour = const_cast<ColourDialog*>(this)->slot(button);
  return colour ? *colour : 0;
}

void ColourDialog::pick(int button, uint32_t colour) {
  if (uint32_t* s = slot(button)) *s = colour & 0x00FFFFFF;
}

void ColourDialog::finish(bool confirmed, CutterSettings& settings) const {
  settings.customColours = custom_;
  if (!confirmed) return;
  settings.backgroundColour = background_;
  settings.systemColour = system_;
  settings.shadowColour = shadow_;
}
