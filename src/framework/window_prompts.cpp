#include "framework/window_prompts.h"

#include <cstring>

#include "framework/dialog_base.h"
#include "framework/text_codec.h"

Answer WindowPrompts::askYesNoCancel(const std::string& text) {
  switch (ShowMessage(owner_.hwnd(), text, caption_, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

bool WindowPrompts::askYesNo(const std::string& text) {
  return ShowMessage(owner_.hwnd(), text, caption_, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void WindowPrompts::showError(const std::string& text) {
  ShowMessage(owner_.hwnd(), text, caption_, MB_OK | MB_ICONERROR);
}

void WindowPrompts::showWarning(const std::string& text) {
  ShowMessage(owner_.hwnd(), text, caption_, MB_OK | MB_ICONWARNING);
}

bool WindowPrompts::chooseOpenFile(const FilterEntries& filter, ChosenFile& file) {
  return choose(false, filter, file);
}

bool WindowPrompts::chooseSaveFile(const FilterEntries& filter, ChosenFile& file) {
  return choose(true, filter, file);
}

bool WindowPrompts::choose(bool save, const FilterEntries& filter, ChosenFile& file) {
  FileChooser& chooser = owner_.fileChooser();
  chooser.SetOwner(owner_.hwnd(), &filter);
  char path[kPathBufferSize] = {};
  char name[kPathBufferSize] = {};
  std::strncpy(path, file.path.c_str(), sizeof(path) - 1);
  const DWORD flags = save ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  const int confirmed = save ? chooser.ChooseSave(path, name, flags) : chooser.ChooseOpen(path, name, flags);
  if (confirmed == 0) return false;
  file.path = path;
  file.name = name;
  return true;
}

void WindowPrompts::setBusy(bool busy) {
  SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool WindowPrompts::openInBrowser(const std::string& path) {
  // ShellExecute reports success with a value above 32.
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner_.hwnd(), L"open", Widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}
