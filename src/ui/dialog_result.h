#pragma once
// What the rules of a dialog answer to OK, in both programs: the dialog closes with
// OK only when the values were accepted, and a warning, when there is one, is shown
// over the dialog (which stays open). The rules never show anything themselves, so
// tests read the answer and the window shows it.

#include <string>

struct DialogResult {
  bool accepted = false;
  std::string warning;
};
