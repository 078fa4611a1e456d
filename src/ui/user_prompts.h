#pragma once
// What an editor asks of the user: questions, error and warning boxes, the file
// choosers and the wait cursor. The programs answer with message boxes (captioned
// with the program's title) and the system's choosers; tests answer with scripted
// replies, so that every outcome of a question can be checked without windows.

#include <exception>
#include <new>
#include <string>

#include "ui/file_filter.h"

enum class Answer { Yes, No, Cancel };

// A file chosen in a chooser: the full path and the bare file name, CP949.
struct ChosenFile {
  std::string path;
  std::string name;
};

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // Yes, No and Cancel with the question icon.
  virtual Answer askYesNoCancel(const std::string& text) = 0;
  // Yes and No with the question icon; true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;
  virtual void showError(const std::string& text) = 0;
  virtual void showWarning(const std::string& text) = 0;
  // The open and save choosers start from `file` (its path names the initial folder
  // and file) and fill it on confirmation; false when cancelled. The save chooser
  // asks before overwriting.
  virtual bool chooseOpenFile(const FilterEntries& filter, ChosenFile& file) = 0;
  virtual bool chooseSaveFile(const FilterEntries& filter, ChosenFile& file) = 0;
  // The wait cursor while a long file operation runs.
  virtual void setBusy(bool busy) = 0;
  // Asks the shell to show a page (the user manual) in the default browser; false
  // when nothing could be started.
  virtual bool openInBrowser(const std::string& path) = 0;
};

// The wait cursor for the length of a scope; it goes also when the scope is left by
// an exception.
class WaitCursor {
 public:
  explicit WaitCursor(UserPrompts& prompts) : prompts_(prompts) { prompts_.setBusy(true); }
  ~WaitCursor() { prompts_.setBusy(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  UserPrompts& prompts_;
};

// The unsaved-work question before new, open and exit; true when the action may go
// on. Yes saves first and goes on only when the save worked; an empty document is
// never written and has nothing to lose, so Yes then goes on as No does.
template <typename Save>
bool AskAboutUnsavedWork(UserPrompts& prompts, const std::string& question, bool empty, Save save) {
  switch (prompts.askYesNoCancel(question)) {
    case Answer::Yes:
      return empty || save();
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

inline constexpr const char* kOutOfMemoryText = "메모리가 모자라 이 일을 하지 못했습니다.";
inline constexpr const char* kActionFailedText = "이 일을 하지 못했습니다.";

// Runs one action of the user. A failure on the way (most likely an allocation) is
// reported instead of being lost in the window procedure; actions allocate before
// they change the document, so it stays as it was. False when it failed.
template <typename Action>
bool RunReportingFailure(UserPrompts& prompts, Action action) {
  try {
    action();
    return true;
  } catch (const std::bad_alloc&) {
    prompts.showError(kOutOfMemoryText);
  } catch (const std::exception&) {
    prompts.showError(kActionFailedText);
  }
  return false;
}
