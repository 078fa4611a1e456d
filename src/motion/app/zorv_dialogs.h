#pragma once
// The motion editor's dialogs over their value objects (motion/editor/motion_dialogs.h):
// each moves texts and check states in and out, shows the warning an OK returns and
// closes only when the values were accepted.

#include "framework/dialog_base.h"
#include "motion/editor/motion_dialogs.h"

// A dialog of the motion editor: OK shows the warning the values return.
class ZorvDialog : public DialogBase {
 public:
  using DialogBase::DialogBase;

 protected:
  // True when the dialog may close.
  bool accept(const DialogResult& result);
};

class NewBundleWindow : public ZorvDialog {
 public:
  explicit NewBundleWindow(NewBundleDialog& values);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  NewBundleDialog& values_;
};

class DelayWindow : public ZorvDialog {
 public:
  explicit DelayWindow(DelayDialog& values);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  DelayDialog& values_;
};

class SoundWindow : public ZorvDialog {
 public:
  explicit SoundWindow(SoundDialog& values);
  void OnInitDialog() override;
  void OnCommand(WPARAM wParam) override;
  bool OnOK() override;

 private:
  void browse();

  SoundDialog& values_;
};

class FlagsWindow : public ZorvDialog {
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

class EffectsWindow : public ZorvDialog {
 public:
  explicit EffectsWindow(EffectsDialog& values);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  EffectsDialog& values_;
};

class GifExportWindow : public ZorvDialog {
 public:
  explicit GifExportWindow(GifExportDialog& values);
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  GifExportDialog& values_;
};

class ColoursWindow : public ZorvDialog {
 public:
  explicit ColoursWindow(ColoursDialog& values);
  void OnInitDialog() override;
  void OnCommand(WPARAM wParam) override;

 private:
  ColoursDialog& values_;
};
