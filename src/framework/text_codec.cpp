#include "framework/text_codec.h"

#include "framework/win32.h"

namespace {
constexpr UINT kKoreanCodePage = 949;
}

std::wstring Widen(std::string_view cp949) {
  if (cp949.empty()) return {};
  int length =
      MultiByteToWideChar(kKoreanCodePage, 0, cp949.data(), static_cast<int>(cp949.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kKoreanCodePage, 0, cp949.data(), static_cast<int>(cp949.size()), wide.data(), length);
  return wide;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  int length = WideCharToMultiByte(kKoreanCodePage, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr,
                                   0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(kKoreanCodePage, 0, utf16.data(), static_cast<int>(utf16.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

bool NarrowInto(std::wstring_view utf16, char* buffer, size_t size) {
  if (buffer == nullptr || size == 0) return false;
  std::string narrow = Narrow(utf16);
  if (narrow.size() + 1 > size) {
    buffer[0] = '\0';
    return false;
  }
  narrow.copy(buffer, narrow.size());
  buffer[narrow.size()] = '\0';
  return true;
}
