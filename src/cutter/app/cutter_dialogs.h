#pragma once
// The dialog windows of Plyk2 over the rules of the editor layer: "자를 크기 바꾸기"
// (resource 124) and "색 설정하기" (resource 125, owner-drawn swatches that open the
// system colour chooser).

#include "cutter/editor/colour_dialog.h"
#include "cutter/editor/cut_size_dialog.h"
#include "framework/dialog_base.h"

class CutSizeDialogWindow : public DialogBase {
 public:
  explicit CutSizeDialogWindow(CutSizeDialog& rules);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  CutSizeDialog& rules_;
};

class ColourDialogWindow : public DialogBase {
 public:
  explicit ColourDialogWindow(ColourDialog& rules);
  void OnInitDialog() override;
  void OnCommand(WPARAM wParam) override;

 private:
  void showSwatch(int button);

  ColourDialog& rules_;
};
