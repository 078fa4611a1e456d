#include "motion/editor/motion_dialogs.h"

#include "motion/fixed_name.h"
#include "motion/motion_file.h"
#include "motion/resource_ids.h"
#include "ui/command_line.h"
#include "ui/dialog_text.h"
#include "ui/settings_block.h"

namespace {

const char* const kDuplicateName = "이미 같은 이름의 동작 묶음이 존재합니다.";
const char* const kDelayRange = "동작 지연 시간은 1 ~ 60 사이만 설정 가능합니다.";

}  // namespace

std::string WavePath(const std::string& folder, const std::string& name) {
  return DirectoryOf(folder) + name;
}

DialogResult NewBundleDialog::ok(const std::string& editText) {
  name_ = CutText(editText, kDialogTextLimit);
  if (bundleName().empty()) return {};
  // The bundle gets the cut name, so that is what must be free.
  if (file_.findBundle(bundleName()) >= 0) return {false, kDuplicateName};
  return {true, ""};
}

std::string NewBundleDialog::bundleName() const {
  return CutName(name_);
}

DialogResult DelayDialog::ok(const std::string& currentText, const std::string& defaultText,
                             bool wholeBundleChecked) {
  currentDelay = ParseIntOrZero(currentText);
  defaultDelay = ParseIntOrZero(defaultText);
  wholeBundle = wholeBundleChecked;
  const auto inRange = [](int32_t d) { return d >= kMinMotionDelay && d <= kMaxMotionDelay; };
  if (!inRange(currentDelay) || !inRange(defaultDelay)) return {false, kDelayRange};
  return {true, ""};
}

void SoundDialog::browsed(const ChosenFile& file) {
  folderPath = CutText(file.path, kDialogTextLimit);
  name = CutText(file.name, kDialogTextLimit);
  sound_.playWave(file.path);
}

void SoundDialog::play() {
  sound_.playWave(playPath());
}

DialogResult SoundDialog::ok(const std::string& editText) {
  name = CutText(editText, kDialogTextLimit);
  return {true, ""};
}

std::string BinaryFlagText(int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  std::string text;
  for (int bit = 31; bit >= 0; --bit) {
    const bool one = (bits >> bit) & 1;
    if (one || !text.empty() || bit == 0) text += one ? '1' : '0';
  }
  return text;
}

int32_t ReadBinaryFlagText(const std::string& text) {
  uint32_t value = 0;
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    const size_t power = n - 1 - i;
    if (text[i] != '0' && power < 32) value |= uint32_t(1) << power;
  }
  return static_cast<int32_t>(value);
}

int32_t FlagsDialog::read(const std::string& text) const {
  return binary ? ReadBinaryFlagText(text) : ParseIntOrZero(text);
}

FlagTexts FlagsDialog::texts() const {
  FlagTexts out;
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = binary ? BinaryFlagText(values[i]) : std::to_string(values[i]);
  return out;
}

FlagTexts FlagsDialog::switchMode(const FlagTexts& shown, bool binaryChecked) {
  MotionFlags read{};
  for (size_t i = 0; i < shown.size(); ++i) read[i] = this->read(shown[i]);
  binary = binaryChecked;
  FlagTexts out;
  for (size_t i = 0; i < out.size(); ++i) out[i] = binary ? BinaryFlagText(read[i]) : std::to_string(read[i]);
  return out;
}

DialogResult FlagsDialog::ok(const FlagTexts& shown) {
  for (size_t i = 0; i < shown.size(); ++i) values[i] = read(shown[i]);
  return {true, ""};
}

void EffectsDialog::load(int32_t effects) {
  flipLeftRight = effects & MotionEffect::FlipLeftRight;
  flipUpDown = effects & MotionEffect::FlipUpDown;
  translucent = effects & MotionEffect::Translucent;
}

int32_t EffectsDialog::effects() const {
  return (flipLeftRight ? MotionEffect::FlipLeftRight : 0) | (flipUpDown ? MotionEffect::FlipUpDown : 0) |
         (translucent ? MotionEffect::Translucent : 0);
}

DialogResult EffectsDialog::ok(bool leftRight, bool upDown, bool translucentChecked) {
  flipLeftRight = leftRight;
  flipUpDown = upDown;
  translucent = translucentChecked;
  return {true, ""};
}

DialogResult GifExportDialog::ok(const std::string& text, bool transparentChecked, bool boxesChecked,
                                 bool pointsChecked) {
  const int32_t value = ParseIntOrZero(text);
  if (value < 1 || value > 4) return {false, "배율은 1에서 4 사이의 수여야 합니다."};
  scale = value;
  transparent = transparentChecked;
  boxes = boxesChecked;
  points = pointsChecked;
  return {true, ""};
}
