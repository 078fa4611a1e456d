#pragma once
// Plyk2's own dialog window over the rules of the editor layer: "자를 크기 바꾸기"
// (resource 124). Its colour dialog is the shared ColourDialogWindow.

#include "cutter/editor/cut_size_dialog.h"
#include "framework/rule_dialog.h"

class CutSizeDialogWindow : public RuleDialog {
 public:
  explicit CutSizeDialogWindow(CutSizeDialog& rules);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  CutSizeDialog& rules_;
};
