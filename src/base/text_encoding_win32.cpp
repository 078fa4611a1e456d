#include <windows.h>

#include "base/text_encoding.h"

namespace {

constexpr UINT kKorean = 949;

bool Widen(UINT codePage, std::string_view text, std::wstring& wide) {
  const int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return false;
  wide.assign(static_cast<size_t>(n), L'\0');
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                             wide.data(), n) == n;
}

bool Narrow(UINT codePage, const std::wstring& wide, std::string& out) {
  BOOL lossy = FALSE;
  BOOL* lossyFlag = codePage == CP_UTF8 ? nullptr : &lossy;
  const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, lossyFlag);
  if (n <= 0 || lossy) return false;
  out.assign(static_cast<size_t>(n), '\0');
  return WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                             nullptr, lossyFlag) == n &&
         !lossy;
}

bool Convert(std::string_view text, std::string& out, UINT from, UINT to) {
  out.clear();
  if (text.empty()) return true;
  std::wstring wide;
  return Widen(from, text, wide) && Narrow(to, wide, out);
}

}  // namespace

bool Cp949ToUtf8(std::string_view cp949, std::string& utf8) {
  return Convert(cp949, utf8, kKorean, CP_UTF8);
}

bool Utf8ToCp949(std::string_view utf8, std::string& cp949) {
  return Convert(utf8, cp949, CP_UTF8, kKorean);
}
