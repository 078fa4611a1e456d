#include "cutter/app/cutter_dialogs.h"

#include "cutter/editor/frame_text.h"
#include "cutter/resource_ids.h"

CutSizeDialogWindow::CutSizeDialogWindow(CutSizeDialog& rules)
    : RuleDialog(IDD_PLYK_CUT_SIZE, kCutterProgramTitle), rules_(rules) {}

void CutSizeDialogWindow::OnInitDialog() {
  setItemText(IDC_PLYK_CUT_WIDTH, rules_.widthText());
  setItemText(IDC_PLYK_CUT_HEIGHT, rules_.heightText());
  selectAllText(IDC_PLYK_CUT_WIDTH);
}

bool CutSizeDialogWindow::OnOK() {
  return accept(rules_.ok(itemText(IDC_PLYK_CUT_WIDTH), itemText(IDC_PLYK_CUT_HEIGHT)));
}
