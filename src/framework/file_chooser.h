#pragma once
// The open and save file choosers. Every window has one. Paths and names are CP949
// in fixed buffers (the settings keep them in 260-byte fields).

#include <string>

#include "ui/file_filter.h"
#include "framework/win32.h"

constexpr size_t kPathBufferSize = 260;

class FileChooser {
 public:
  FileChooser();

  // Sets the owner window and, when given, the filter; resets the chooser.
  void SetOwner(HWND owner, const FilterEntries* filter = nullptr);
  // Run the system chooser. The file buffer's text is the initial choice. Non-zero
  // when the user confirmed: the full path is then in `file` and the bare file name
  // in `title`. A confirmed name that does not fit the buffers counts as cancelled.
  int ChooseOpen(char* file, char* title, DWORD flags, size_t fileSize = kPathBufferSize,
                 size_t titleSize = kPathBufferSize);
  int ChooseSave(char* file, char* title, DWORD flags, size_t fileSize = kPathBufferSize,
                 size_t titleSize = kPathBufferSize);

  HWND owner() const { return owner_; }
  const FilterEntries& filter() const { return filter_; }

 private:
  int choose(bool save, char* file, char* title, DWORD flags, size_t fileSize, size_t titleSize);

  HWND owner_ = nullptr;
  FilterEntries filter_;
};
