#include "framework/settings_app.h"

#include <fstream>
#include <iterator>

#include "base/path_text.h"
#include "base/save_file.h"
#include "framework/text_codec.h"
#include "framework/win32.h"

namespace {
// A settings file is a few kilobytes; anything longer is read only this far.
constexpr size_t kSettingsReadLimit = 64 * 1024;
}  // namespace

int SettingsApp::InitInstance() {
  programDirectory_ = ProgramDirectory();
  std::vector<uint8_t> bytes;
  const bool found = ReadSmallFile(settingsPath(), kSettingsReadLimit, bytes);
  takeSettings(found ? bytes : std::vector<uint8_t>());
  if (!found) RegisterAssociation(association(programDirectory_));
  return 0;
}

void SettingsApp::ExitInstance() {
  if (!writeSettings_) return;
  const std::vector<uint8_t> bytes = settingsBytes();
  SaveFileSafely(PathFromText(settingsPath()), [&](std::ostream& out) {
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  });
}

ScreenArea DesktopArea() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return ScreenArea{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool ReadSmallFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
  std::ifstream in(PathFromText(path), std::ios::binary);
  if (!in) return false;
  bytes.assign(limit, 0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return true;
}

bool RegisterAssociation(const std::vector<AssociationValue>& values) {
  bool all = true;
  for (const AssociationValue& entry : values) {
    const std::wstring key = L"Software\\Classes\\" + Widen(entry.key);
    const std::wstring value = Widen(entry.value);
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS) {
      all = false;
      continue;
    }
    const auto size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), size) !=
        ERROR_SUCCESS) {
      all = false;
    }
    RegCloseKey(handle);
  }
  return all;
}

WindowRect RestoredRect(HWND window) {
  RECT r{};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (IsIconic(window) && GetWindowPlacement(window, &placement))
    r = placement.rcNormalPosition;
  else
    GetWindowRect(window, &r);
  return WindowRect{r.left, r.top, r.right, r.bottom};
}

void CreateFrameAt(BaseWindow& frame, const WindowRect& rect) {
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  const WindowPlacement at = PlacementOf(rect);
  if (at.systemChosen)
    frame.CreateWindowed(style, WS_EX_ACCEPTFILES, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         nullptr);
  else
    frame.CreateWindowed(style, WS_EX_ACCEPTFILES, at.x, at.y, at.width, at.height, nullptr);
}
