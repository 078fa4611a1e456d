#include "cutter/app/cutter_dialogs.h"

#include "cutter/resource_ids.h"
#include "framework/color_chooser.h"

CutSizeDialogWindow::CutSizeDialogWindow(CutSizeDialog& rules)
    : DialogBase(IDD_PLYK_CUT_SIZE), rules_(rules) {}

void CutSizeDialogWindow::OnInitDialog() {
  setItemText(IDC_PLYK_CUT_WIDTH, rules_.widthText());
  setItemText(IDC_PLYK_CUT_HEIGHT, rules_.heightText());
  selectAllText(IDC_PLYK_CUT_WIDTH);
}

bool CutSizeDialogWindow::OnOK() {
  return rules_.accept(itemText(IDC_PLYK_CUT_WIDTH), itemText(IDC_PLYK_CUT_HEIGHT));
}

ColourDialogWindow::ColourDialogWindow(ColourDialog& rules) : DialogBase(IDD_PLYK_COLOURS), rules_(rules) {}

void ColourDialogWindow::showSwatch(int button) {
  setSwatch(button, rules_.colourOf(button));
}

void ColourDialogWindow::OnInitDialog() {
  for (int button : {IDC_PLYK_COLOUR_BACKGROUND, IDC_PLYK_COLOUR_SYSTEM, IDC_PLYK_COLOUR_SHADOW})
    showSwatch(button);
}

void ColourDialogWindow::OnCommand(WPARAM wParam) {
  const int id = LOWORD(wParam);
  if ((id == IDC_PLYK_COLOUR_BACKGROUND || id == IDC_PLYK_COLOUR_SYSTEM || id == IDC_PLYK_COLOUR_SHADOW) &&
      HIWORD(wParam) == BN_CLICKED) {
    uint32_t colour = 0;
    if (ChooseColor(hwnd(), &colour, rules_.customColours().data()) != 0) {
      rules_.pick(id, colour);
      showSwatch(id);
    }
    return;
  }
  DialogBase::OnCommand(wParam);
}
