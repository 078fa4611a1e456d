#include "cutter/editor/cut_size_dialog.h"

#include "cutter/editor/cutter_settings.h"
#include "ui/dialog_text.h"

const char* const kCutSizeRangeWarning = "입력 값의 범위가 틀렸습니다.\n다시 입력하십시오.";

DialogResult CutSizeDialog::ok(const std::string& widthText, const std::string& heightText) {
  const int32_t width = ParseIntOrZero(widthText);
  const int32_t height = ParseIntOrZero(heightText);
  // Beyond the largest side a cut would make no sprite, and the settings file
  // would not keep the value; beyond the largest area no buffer can be had.
  if (width > kMaxCutSize || height > kMaxCutSize || !CutSizeAllowed(width, height))
    return {false, kCutSizeRangeWarning};
  size_ = CutSize{width, height};
  return {true, ""};
}
