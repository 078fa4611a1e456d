#pragma once
// The rules of "자를 크기 바꾸기": the two edit fields start with the current cut size;
// OK reads them as signed numbers (a letter reads as 0) and refuses, with a warning,
// a side below 1 or above the largest cut size, keeping the dialog open.

#include <string>

#include "cutter/cut_tools.h"
#include "ui/user_prompts.h"

extern const char* const kCutSizeRangeWarning;

class CutSizeDialog {
 public:
  CutSizeDialog(UserPrompts& prompts, const CutSize& current) : prompts_(prompts), size_(current) {}

  // Texts of the width (1000) and height (1001) fields when the dialog opens.
  std::string widthText() const { return std::to_string(size_.width); }
  std::string heightText() const { return std::to_string(size_.height); }

  // OK with the fields' texts: true when the values are taken and the dialog may
  // close; false after the warning, and the dialog stays open with its texts.
  bool accept(const std::string& widthText, const std::string& heightText);
  // The size taken by the last accepted OK (the current size before that).
  const CutSize& size() const { return size_; }

 private:
  UserPrompts& prompts_;
  CutSize size_;
};
