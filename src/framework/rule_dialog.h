#pragma once
// The dialog window of both programs over rules that answer OK with a DialogResult:
// the window moves texts and check states in and out of the rules, shows the warning
// an OK returns (over the dialog, with the program's caption and the warning icon)
// and closes only when the values were accepted.

#include <string>
#include <utility>

#include "framework/dialog_base.h"
#include "ui/dialog_result.h"

class RuleDialog : public DialogBase {
 public:
  RuleDialog(int resourceId, std::string caption) : DialogBase(resourceId), caption_(std::move(caption)) {}

 protected:
  // True when the dialog may close.
  bool accept(const DialogResult& result);

 private:
  std::string caption_;
};
