#include "motion/app/zorv_dialogs.h"

#include <cstring>

#include "framework/file_chooser.h"
#include "motion/editor/frame_text.h"
#include "motion/resource_ids.h"

// ---- New bundle ---------------------------------------------------------------------

NewBundleWindow::NewBundleWindow(NewBundleDialog& values)
    : RuleDialog(IDD_ZORV_NEW_BUNDLE, kMotionProgramTitle), values_(values) {}

void NewBundleWindow::OnInitDialog() {
  setItemText(IDC_ZORV_BUNDLE_NAME, values_.name());
  selectAllText(IDC_ZORV_BUNDLE_NAME);
}

bool NewBundleWindow::OnOK() {
  return accept(values_.ok(itemText(IDC_ZORV_BUNDLE_NAME)));
}

// ---- Delay --------------------------------------------------------------------------

DelayWindow::DelayWindow(DelayDialog& values)
    : RuleDialog(IDD_ZORV_DELAY, kMotionProgramTitle), values_(values) {}

void DelayWindow::OnInitDialog() {
  setItemText(IDC_ZORV_DELAY_CURRENT, values_.currentText());
  setItemText(IDC_ZORV_DELAY_DEFAULT, values_.defaultText());
  checkButton(IDC_ZORV_DELAY_WHOLE_BUNDLE, values_.wholeBundle);
  selectAllText(IDC_ZORV_DELAY_CURRENT);
}

bool DelayWindow::OnOK() {
  return accept(values_.ok(itemText(IDC_ZORV_DELAY_CURRENT), itemText(IDC_ZORV_DELAY_DEFAULT),
                           isButtonChecked(IDC_ZORV_DELAY_WHOLE_BUNDLE)));
}

// ---- Sound --------------------------------------------------------------------------

SoundWindow::SoundWindow(SoundDialog& values)
    : RuleDialog(IDD_ZORV_SOUND, kMotionProgramTitle), values_(values) {}

void SoundWindow::OnInitDialog() {
  setItemText(IDC_ZORV_SOUND_NAME, values_.name);
  selectAllText(IDC_ZORV_SOUND_NAME);
}

void SoundWindow::OnCommand(WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case IDC_ZORV_SOUND_BROWSE:
      browse();
      break;
    case IDC_ZORV_SOUND_PLAY:
      values_.play();
      break;
    default:
      DialogBase::OnCommand(wParam);
      break;
  }
}

void SoundWindow::browse() {
  FileChooser chooser;
  const FilterEntries filter = WaveFileFilter();
  chooser.SetOwner(hwnd(), &filter);
  char path[kPathBufferSize] = {};
  char name[kPathBufferSize] = {};
  std::strncpy(path, values_.folderPath.c_str(), sizeof(path) - 1);
  if (!chooser.ChooseOpen(path, name, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY)) return;
  values_.browsed(ChosenFile{path, name});
  setItemText(IDC_ZORV_SOUND_NAME, values_.name);
  selectAllText(IDC_ZORV_SOUND_NAME);
}

bool SoundWindow::OnOK() {
  return accept(values_.ok(itemText(IDC_ZORV_SOUND_NAME)));
}

// ---- Flags --------------------------------------------------------------------------

FlagsWindow::FlagsWindow(FlagsDialog& values)
    : RuleDialog(IDD_ZORV_FLAGS, kMotionProgramTitle), values_(values) {}

FlagTexts FlagsWindow::shownTexts() const {
  FlagTexts texts;
  for (int i = 0; i < kMotionFlagCount; ++i) texts[i] = itemText(IDC_ZORV_FLAG_0 + i);
  return texts;
}

void FlagsWindow::show(const FlagTexts& texts) {
  for (int i = 0; i < kMotionFlagCount; ++i) setItemText(IDC_ZORV_FLAG_0 + i, texts[i]);
}

void FlagsWindow::OnInitDialog() {
  show(values_.texts());
  checkButton(IDC_ZORV_FLAGS_BINARY, values_.binary);
  selectAllText(IDC_ZORV_FLAG_0);
}

void FlagsWindow::OnCommand(WPARAM wParam) {
  if (LOWORD(wParam) == IDC_ZORV_FLAGS_BINARY && HIWORD(wParam) == BN_CLICKED) {
    show(values_.switchMode(shownTexts(), isButtonChecked(IDC_ZORV_FLAGS_BINARY)));
    return;
  }
  DialogBase::OnCommand(wParam);
}

bool FlagsWindow::OnOK() {
  return accept(values_.ok(shownTexts()));
}

// ---- Effects ------------------------------------------------------------------------

EffectsWindow::EffectsWindow(EffectsDialog& values)
    : RuleDialog(IDD_ZORV_EFFECTS, kMotionProgramTitle), values_(values) {}

void EffectsWindow::OnInitDialog() {
  checkButton(IDC_ZORV_EFFECT_FLIP_X, values_.flipLeftRight);
  checkButton(IDC_ZORV_EFFECT_FLIP_Y, values_.flipUpDown);
  checkButton(IDC_ZORV_EFFECT_TRANSLUCENT, values_.translucent);
}

bool EffectsWindow::OnOK() {
  return accept(values_.ok(isButtonChecked(IDC_ZORV_EFFECT_FLIP_X), isButtonChecked(IDC_ZORV_EFFECT_FLIP_Y),
                           isButtonChecked(IDC_ZORV_EFFECT_TRANSLUCENT)));
}

// ---- Animated GIF -------------------------------------------------------------------

GifExportWindow::GifExportWindow(GifExportDialog& values)
    : RuleDialog(IDD_ZORV_GIF_EXPORT, kMotionProgramTitle), values_(values) {}

void GifExportWindow::OnInitDialog() {
  setItemText(IDC_ZORV_GIF_SCALE, values_.scaleText());
  checkButton(IDC_ZORV_GIF_TRANSPARENT, values_.transparent);
  checkButton(IDC_ZORV_GIF_BOXES, values_.boxes);
  checkButton(IDC_ZORV_GIF_POINTS, values_.points);
  selectAllText(IDC_ZORV_GIF_SCALE);
}

bool GifExportWindow::OnOK() {
  return accept(values_.ok(itemText(IDC_ZORV_GIF_SCALE), isButtonChecked(IDC_ZORV_GIF_TRANSPARENT),
                           isButtonChecked(IDC_ZORV_GIF_BOXES), isButtonChecked(IDC_ZORV_GIF_POINTS)));
}
