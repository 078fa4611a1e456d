#pragma once
// "색 설정하기" of both programs over the rules of ui/colour_dialog.h: one owner-drawn
// swatch per interface colour, a click opens the system colour chooser. Each program
// has its own dialog template (resource id), with the swatch ids its rules name.

#include "framework/rule_dialog.h"
#include "ui/colour_dialog.h"

class ColourDialogWindow : public RuleDialog {
 public:
  ColourDialogWindow(int resourceId, std::string caption, ColourDialog& rules)
      : RuleDialog(resourceId, std::move(caption)), rules_(rules) {}
  void OnInitDialog() override;
  void OnCommand(WPARAM wParam) override;
  bool OnOK() override;

 private:
  ColourDialog& rules_;
};
