#include <windows.h>

#include "base/path_text.h"

std::filesystem::path PathFromText(const std::string& cp949) {
  if (cp949.empty()) return {};
  const int length = MultiByteToWideChar(949, 0, cp949.data(), static_cast<int>(cp949.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0)
    MultiByteToWideChar(949, 0, cp949.data(), static_cast<int>(cp949.size()), wide.data(), length);
  return std::filesystem::path(wide);
}

std::string TextFromPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int length =
      WideCharToMultiByte(949, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) {
    WideCharToMultiByte(949, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr,
                        nullptr);
  }
  return text;
}
