#include "framework/file_chooser.h"

#include <vector>

#include "framework/text_codec.h"

FileChooser::FileChooser() : filter_(AllFilesFilter()) {}

void FileChooser::SetOwner(HWND owner, const FilterEntries* filter) {
  owner_ = owner;
  if (filter != nullptr) filter_ = *filter;
}

int FileChooser::ChooseOpen(char* file, char* title, DWORD flags, size_t fileSize, size_t titleSize) {
  return choose(false, file, title, flags, fileSize, titleSize);
}

int FileChooser::ChooseSave(char* file, char* title, DWORD flags, size_t fileSize, size_t titleSize) {
  return choose(true, file, title, flags, fileSize, titleSize);
}

int FileChooser::choose(bool save, char* file, char* title, DWORD flags, size_t fileSize, size_t titleSize) {
  if (file == nullptr || title == nullptr || fileSize == 0 || titleSize == 0) return 0;
  // The packed filter holds zero bytes, so it is converted text by text.
  std::wstring filter;
  for (const auto& [description, pattern] : filter_) {
    filter += Widen(description);
    filter += L'\0';
    filter += Widen(pattern);
    filter += L'\0';
  }
  filter += L'\0';
  std::wstring extension = Widen(DefaultExtensionOf(filter_));

  std::vector<wchar_t> fileBuffer(MAX_PATH + 1, L'\0');
  std::vector<wchar_t> titleBuffer(MAX_PATH + 1, L'\0');
  std::wstring initial = Widen(std::string_view(file, strnlen(file, fileSize)));
  if (initial.size() < MAX_PATH) initial.copy(fileBuffer.data(), initial.size());

  OPENFILENAMEW record{};
  record.lStructSize = sizeof(record);
  record.hwndOwner = owner_;
  record.lpstrFilter = filter.c_str();
  record.nFilterIndex = 0;
  record.lpstrFile = fileBuffer.data();
  record.nMaxFile = MAX_PATH;
  record.lpstrFileTitle = titleBuffer.data();
  record.nMaxFileTitle = MAX_PATH;
  record.Flags = flags | OFN_EXPLORER;
  record.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  BOOL confirmed = save ? GetSaveFileNameW(&record) : GetOpenFileNameW(&record);
  if (!confirmed) return 0;
  if (!NarrowInto(fileBuffer.data(), file, fileSize)) return 0;
  if (!NarrowInto(titleBuffer.data(), title, titleSize)) return 0;
  return 1;
}
