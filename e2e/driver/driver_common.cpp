#include "driver_common.h"

// These need the declarations of windows.h before them.
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwctype>

namespace {

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// An argument as the scripts meant it; false when a "utf8hex:" one is not well-formed.
bool DecodeArgument(const std::wstring& arg, std::wstring& out) {
  static const std::wstring kMarker = L"utf8hex:";
  if (arg.compare(0, kMarker.size(), kMarker) != 0) {
    out = arg;
    return true;
  }
  const std::wstring hex = arg.substr(kMarker.size());
  if (hex.size() % 2 != 0) return false;
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  out.clear();
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return false;
  out.resize(static_cast<size_t>(length));
  return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, out.data(), length) == length;
}

}  // namespace

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), length, nullptr,
                      nullptr);
  return out;
}

void Print(const std::string& line) {
  std::string out = line + "\n";
  fwrite(out.data(), 1, out.size(), stdout);
  fflush(stdout);
}

int Fail(const std::string& message) {
  Print("FAIL " + message);
  return 3;
}

std::wstring TitleOf(HWND window) {
  wchar_t text[1024] = {};
  const int length = GetWindowTextW(window, text, 1024);
  return std::wstring(text, static_cast<size_t>(std::max(length, 0)));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

HWND FindTopLevel(const std::wstring& className) {
  HWND window = FindWindowW(className.c_str(), nullptr);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND ChildOf(HWND top, const std::wstring& className) {
  if (className == L"-") return top;
  for (HWND child : ChildrenOf(top)) {
    if (ClassOf(child) == className) return child;
  }
  return nullptr;
}

WORD VirtualKeyOf(const std::wstring& name) {
  if (name.size() == 1) {
    wchar_t c = towupper(name[0]);
    if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return static_cast<WORD>(c);
  }
  static const struct {
    const wchar_t* name;
    WORD key;
  } kNames[] = {{L"escape", VK_ESCAPE}, {L"tab", VK_TAB},     {L"delete", VK_DELETE},
                {L"left", VK_LEFT},     {L"right", VK_RIGHT}, {L"up", VK_UP},
                {L"down", VK_DOWN},     {L"add", VK_ADD},     {L"subtract", VK_SUBTRACT},
                {L"return", VK_RETURN}, {L"f1", VK_F1},       {L"f4", VK_F4},
                {L"[", VK_OEM_4},       {L"]", VK_OEM_6}};
  for (const auto& entry : kNames) {
    if (name == entry.name) return entry.key;
  }
  return 0;
}

bool DecodedArguments(std::vector<std::wstring>& args) {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  bool wellFormed = argv != nullptr;
  for (int i = 1; i < count; ++i) {
    std::wstring arg;
    wellFormed = DecodeArgument(argv[i], arg) && wellFormed;
    args.push_back(arg);
  }
  LocalFree(argv);
  return wellFormed;
}

std::string DropFiles(HWND window, const std::vector<std::wstring>& paths) {
  std::vector<uint8_t> block(sizeof(DROPFILES));
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.fWide = TRUE;
  std::memcpy(block.data(), &header, sizeof header);
  for (const std::wstring& path : paths) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(path.c_str());
    block.insert(block.end(), bytes, bytes + (path.size() + 1) * sizeof(wchar_t));
  }
  block.insert(block.end(), sizeof(wchar_t), 0);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) return "cannot open the program's process";
  void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  const bool written =
      remote != nullptr && WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
  CloseHandle(process);
  if (!written) return "cannot write the dropped names";
  return PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) ? "" : "post failed";
}
