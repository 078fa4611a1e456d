#include "framework/rule_dialog.h"

bool RuleDialog::accept(const DialogResult& result) {
  if (!result.warning.empty()) messageBox(result.warning, caption_, MB_OK | MB_ICONWARNING);
  return result.accepted;
}
