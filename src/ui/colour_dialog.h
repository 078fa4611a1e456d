#pragma once
// The rules of "색 설정하기" in both programs: the dialog works on copies of the
// program's interface colours, one owner-drawn swatch button each; a click opens the
// colour chooser, whose pick replaces that button's copy. OK hands the copies back to
// the settings; the chooser's sixteen custom colours are the settings' own, so they
// are kept whatever the outcome.

#include <cstdint>
#include <vector>

#include "ui/dialog_result.h"
#include "ui/interface_colours.h"

class ColourDialog {
 public:
  ColourDialog(const InterfaceColours& colours, CustomColours& customColours);

  // The swatch buttons in dialog order.
  std::vector<int> buttons() const;
  bool isSwatch(int button) const { return find(button) >= 0; }
  // The colour a swatch shows (0 for an unknown button).
  uint32_t colourOf(int button) const;
  // The chooser's pick for a swatch (the top byte dropped); unknown buttons are ignored.
  void pick(int button, uint32_t colour);
  // Given to the chooser, which may change them.
  CustomColours& customColours() { return custom_; }

  // OK: the copies go back into the settings.
  DialogResult ok();

 private:
  int find(int button) const;

  InterfaceColours targets_;
  std::vector<uint32_t> copies_;
  CustomColours& custom_;
};

// What both programs' hosts offer for it: the modal dialog; true when confirmed.
class ColourDialogHost {
 public:
  virtual ~ColourDialogHost() = default;
  virtual bool runColourDialog(ColourDialog& dialog) = 0;
};
