#pragma once
// The user prompts of an editor, answered the Windows way: message boxes owned by a
// window and captioned with the program's title, the window's file choosers, and the
// wait cursor.

#include <string>

#include "framework/base_window.h"
#include "ui/user_prompts.h"

class WindowPrompts : public UserPrompts {
 public:
  WindowPrompts(BaseWindow& owner, std::string caption) : owner_(owner), caption_(std::move(caption)) {}

  Answer askYesNoCancel(const std::string& text) override;
  bool askYesNo(const std::string& text) override;
  void showError(const std::string& text) override;
  void showWarning(const std::string& text) override;
  bool chooseOpenFile(const FilterEntries& filter, ChosenFile& file) override;
  bool chooseSaveFile(const FilterEntries& filter, ChosenFile& file) override;
  void setBusy(bool busy) override;
  bool openInBrowser(const std::string& path) override;

  const std::string& caption() const { return caption_; }

 private:
  bool choose(bool save, const FilterEntries& filter, ChosenFile& file);

  BaseWindow& owner_;
  std::string caption_;
};
