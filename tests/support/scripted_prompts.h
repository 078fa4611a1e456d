#pragma once
// The user prompts of a scripted host, shared by both programs' editor tests: a test
// queues the answers and the chosen files it expects to be asked for, and a question
// or a chooser it did not queue fails it. Everything asked is recorded.
//   class FakeHost : public ScriptedPrompts<ZorvHost> { ... the rest of the host ... };

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/user_prompts.h"

template <typename Host>
class ScriptedPrompts : public Host {
 public:
  // Scripted replies, taken in order. A yes/no question takes an answer too (Yes is
  // yes); a chooser takes a file, nullopt cancels it.
  std::deque<Answer> answers;
  std::deque<std::optional<ChosenFile>> files;
  bool browserWorks = true;

  // What the editors asked for.
  std::vector<std::string> questions, errors, warnings, browsed;
  std::vector<FilterEntries> filters;
  std::vector<ChosenFile> offered;  // where each chooser started
  int saveChoosers = 0;
  std::vector<bool> busy;  // every change of the wait cursor

  Answer askYesNoCancel(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  bool askYesNo(const std::string& text) override { return askYesNoCancel(text) == Answer::Yes; }
  void showError(const std::string& text) override { errors.push_back(text); }
  void showWarning(const std::string& text) override { warnings.push_back(text); }
  bool chooseOpenFile(const FilterEntries& filter, ChosenFile& file) override { return choose(filter, file); }
  bool chooseSaveFile(const FilterEntries& filter, ChosenFile& file) override {
    ++saveChoosers;
    return choose(filter, file);
  }
  void setBusy(bool on) override { busy.push_back(on); }
  bool openInBrowser(const std::string& path) override {
    browsed.push_back(path);
    return browserWorks;
  }

 private:
  bool choose(const FilterEntries& filter, ChosenFile& file) {
    filters.push_back(filter);
    offered.push_back(file);
    if (files.empty()) {
      ADD_FAILURE() << "unexpected file chooser";
      return false;
    }
    const std::optional<ChosenFile> f = files.front();
    files.pop_front();
    if (f) file = *f;
    return f.has_value();
  }
};
