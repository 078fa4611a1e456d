#pragma once
// What an editor asks of the user: questions, error and warning boxes, the file
// choosers and the wait cursor. The programs answer with message boxes (captioned
// with the program's title) and the system's choosers; tests answer with scripted
// replies, so that every outcome of a question can be checked without windows.

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
