#include "ui/colour_dialog.h"

ColourDialog::ColourDialog(const InterfaceColours& colours, CustomColours& customColours)
    : targets_(colours), custom_(customColours) {
  for (const InterfaceColour& c : targets_) copies_.push_back(*c.colour);
}

int ColourDialog::find(int button) const {
  for (size_t i = 0; i < targets_.size(); ++i)
    if (targets_[i].button == button) return static_cast<int>(i);
  return -1;
}

std::vector<int> ColourDialog::buttons() const {
  std::vector<int> ids;
  for (const InterfaceColour& c : targets_) ids.push_back(c.button);
  return ids;
}

uint32_t ColourDialog::colourOf(int button) const {
  const int i = find(button);
  return i >= 0 ? copies_[i] : 0;
}

void ColourDialog::pick(int button, uint32_t colour) {
  const int i = find(button);
  if (i >= 0) copies_[i] = colour & 0x00FFFFFF;
}

DialogResult ColourDialog::ok() {
  for (size_t i = 0; i < targets_.size(); ++i) *targets_[i].colour = copies_[i];
  return {true, ""};
}
