#pragma once
// The rules of "자를 크기 바꾸기": the two edit fields start with the current cut size;
// OK reads them as signed numbers (a letter reads as 0) and refuses, with a warning,
// a side below 1 or above the largest cut size; the dialog then stays open.

#include <string>

#include "cutter/cut_tools.h"
#include "ui/dialog_result.h"

extern const char* const kCutSizeRangeWarning;

class CutSizeDialog {
 public:
  explicit CutSizeDialog(const CutSize& current) : size_(current) {}

  // Texts of the width (1000) and height (1001) fields when the dialog opens.
  std::string widthText() const { return std::to_string(size_.width); }
  std::string heightText() const { return std::to_string(size_.height); }

  // OK with the fields' texts: accepted when the values are taken, else the range
  // warning and the dialog keeps its texts.
  DialogResult ok(const std::string& widthText, const std::string& heightText);
  // The size taken by the last accepted OK (the current size before that).
  const CutSize& size() const { return size_; }

 private:
  CutSize size_;
};
