#pragma once
// The motion editor's own dialogs over their value objects
// (motion/editor/motion_dialogs.h): each moves texts and check states in and out;
// RuleDialog shows the warning an OK returns. Its colour dialog is the shared
// ColourDialogWindow.

#include "framework/rule_dialog.h"
#include "motion/editor/motion_dialogs.h"

class NewBundleWindow : public RuleDialog {
 public:
  explicit NewBundleWindow(NewBundleDialog& values);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  NewBundleDialog& values_;
};

class DelayWindow : public RuleDialog {
 public:
  explicit DelayWindow(DelayDialog& values);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  DelayDialog& values_;
};

class SoundWindow : public RuleDialog {
 public:
  explicit SoundWindow(SoundDialog& values);
  void OnInitDialog() override;
  void OnCommand(WPARAM wParam) override;
  bool OnOK() override;

 private:
  void browse();

  SoundDialog& values_;
};

class FlagsWindow : public RuleDialog {
 public:
  explicit FlagsWindow(FlagsDialog& values);
  void OnInitDialog() override;
  void OnCommand(WPARAM wParam) override;
  bool OnOK() override;

 private:
  FlagTexts shownTexts() const;
  void show(const FlagTexts& texts);

  FlagsDialog& values_;
};

class EffectsWindow : public RuleDialog {
 public:
  explicit EffectsWindow(EffectsDialog& values);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  EffectsDialog& values_;
};

class GifExportWindow : public RuleDialog {
 public:
  explicit GifExportWindow(GifExportDialog& values);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  GifExportDialog& values_;
};
