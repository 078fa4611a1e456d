#include "framework/colour_dialog_window.h"

#include "framework/colour_chooser.h"

void ColourDialogWindow::OnInitDialog() {
  for (int button : rules_.buttons()) setSwatch(button, rules_.colourOf(button));
}

void ColourDialogWindow::OnCommand(WPARAM wParam) {
  const int id = LOWORD(wParam);
  if (!rules_.isSwatch(id)) {
    DialogBase::OnCommand(wParam);
    return;
  }
  if (HIWORD(wParam) != BN_CLICKED) return;
  uint32_t colour = 0;
  if (ChooseColor(hwnd(), &colour, rules_.customColours().data()) == 0) return;
  rules_.pick(id, colour);
  setSwatch(id, rules_.colourOf(id));
}

bool ColourDialogWindow::OnOK() {
  return accept(rules_.ok());
}
