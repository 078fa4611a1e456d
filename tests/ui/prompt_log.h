#pragma once
// Prompts that record the errors and the wait cursor and answer the unsaved-work
// question from a script; any other question or a chooser would be a failure of the
// tests that use it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/user_prompts.h"

class ErrorLog : public UserPrompts {
 public:
  std::vector<std::string> errors;
  std::vector<bool> busy;  // every change of the wait cursor
  std::vector<Answer> answers;
  Answer askYesNoCancel(const std::string&) override {
    if (answers.empty()) return ADD_FAILURE(), Answer::Cancel;
    const Answer answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  bool askYesNo(const std::string&) override { return ADD_FAILURE(), false; }
  void showError(const std::string& text) override { errors.push_back(text); }
  void showWarning(const std::string&) override { ADD_FAILURE(); }
  bool chooseOpenFile(const FilterEntries&, ChosenFile&) override { return ADD_FAILURE(), false; }
  bool chooseSaveFile(const FilterEntries&, ChosenFile&) override { return ADD_FAILURE(), false; }
  void setBusy(bool on) override { busy.push_back(on); }
  bool openInBrowser(const std::string&) override { return ADD_FAILURE(), false; }
};
