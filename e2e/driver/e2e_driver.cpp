// The end-to-end test driver: a console program run in the same Wine session as the
// program under test. Each invocation carries out one step and reports through its
// exit code (0 done, 1 failed or timed out, 2 bad usage) and its output (UTF-8).
//
//   wait-window CLASS MS            wait until a visible top-level window of CLASS exists
//   wait-title CLASS TITLE MS       wait until that window's title is TITLE
//   title CLASS                     print the title
//   command CLASS ID                post the command ID to the window
//   close CLASS                     post the close message to the window
//   open-menu CLASS LETTER          open the menu with that mnemonic letter
//   wait-dialog TITLE MS            wait for a visible dialog with that title; print its texts
//   dialog-texts TITLE              print the dialog's title and control texts, one a line
//   click TITLE BUTTON              click the dialog's button with that text
//   wait-no-dialog TITLE MS         wait until no dialog with that title is shown
//   wait-gone CLASS MS              wait until no window of CLASS exists
//   child-text CLASS CHILDCLASS     print the text of the window's first child of that
//                                   class (a status bar answers with its first part)
//   mouse CLASS CHILDCLASS X Y B    post a click of button B (left or right) at client
//                                   point X, Y of that child window
//   hover CLASS X Y                 put the mouse pointer at client point X, Y of the window
//   wait-tooltip TEXT MS            wait until a tool tip shows TEXT
//   rect CLASS                      print the window rectangle: left top right bottom
//   move CLASS X Y WIDTH HEIGHT     move and size the window
//   key CLASS KEY                   bring the window to the front and type KEY as the
//                                   keyboard would: a letter, digit or name (escape,
//                                   tab, delete, left, right, up, down, add, subtract),
//                                   with "ctrl+", "shift+" or "alt+" in front
//
// Any argument may be given as "utf8hex:" and the hex digits of its UTF-8 bytes. The
// scripts pass every text that is not a plain ASCII word so: Wine turns a command line
// into UTF-16 through the Unix locale's character set, which can mangle Hangul.

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
// Needs the declarations of windows.h before it.
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <string>
#include <vector>

namespace {

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

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  // Across processes WM_GETTEXT is answered by the owner, which is what a user sees.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                           &length)) {
    return {};
  }
  return std::wstring(text, static_cast<size_t>(length));
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

struct DialogSearch {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK FindDialogProc(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<DialogSearch*>(data);
  if (ClassOf(window) == L"#32770" && IsWindowVisible(window) && TextOf(window) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindDialog(const std::wstring& title) {
  DialogSearch search{title};
  EnumWindows(FindDialogProc, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <typename Test>
bool WaitFor(int milliseconds, Test test) {
  DWORD start = GetTickCount();
  for (;;) {
    if (test()) return true;
    if (static_cast<int>(GetTickCount() - start) > milliseconds) return false;
    Sleep(100);
  }
}

struct ChildList {
  std::vector<HWND> children;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM data) {
  reinterpret_cast<ChildList*>(data)->children.push_back(window);
  return TRUE;
}

std::vector<HWND> ChildrenOf(HWND window) {
  ChildList list;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&list));
  return list.children;
}

void PrintDialog(HWND dialog) {
  Print("title\t" + Utf8(TextOf(dialog)));
  for (HWND child : ChildrenOf(dialog)) {
    if (!IsWindowVisible(child)) continue;
    Print(Utf8(ClassOf(child)) + "\t" + std::to_string(GetDlgCtrlID(child)) + "\t" + Utf8(TextOf(child)));
  }
}

// The virtual key of a key name, 0 when unknown.
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
                {L"return", VK_RETURN}, {L"f4", VK_F4}};
  for (const auto& entry : kNames) {
    if (name == entry.name) return entry.key;
  }
  return 0;
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Types a key combination such as "ctrl+x" into the foreground window.
bool TypeKey(std::wstring combination) {
  std::vector<WORD> modifiers;
  for (;;) {
    size_t plus = combination.find(L'+');
    if (plus == std::wstring::npos || plus + 1 == combination.size()) break;
    std::wstring modifier = combination.substr(0, plus);
    if (modifier == L"ctrl")
      modifiers.push_back(VK_CONTROL);
    else if (modifier == L"shift")
      modifiers.push_back(VK_SHIFT);
    else if (modifier == L"alt")
      modifiers.push_back(VK_MENU);
    else
      return false;
    combination = combination.substr(plus + 1);
  }
  WORD key = VirtualKeyOf(combination);
  if (key == 0) return false;
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

HWND FindChild(HWND window, const std::wstring& className) {
  for (HWND child : ChildrenOf(window)) {
    if (ClassOf(child) == className) return child;
  }
  return nullptr;
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

int Fail(const std::string& message) {
  Print("FAIL " + message);
  return 1;
}

int Run(const std::vector<std::wstring>& args) {
  if (args.size() < 2) return 2;
  const std::wstring& verb = args[0];
  const std::wstring& target = args[1];
  auto number = [&](size_t index) { return index < args.size() ? _wtoi(args[index].c_str()) : 0; };

  if (verb == L"wait-window" && args.size() == 3) {
    HWND window = nullptr;
    if (!WaitFor(number(2), [&] { return (window = FindTopLevel(target)) != nullptr; })) {
      return Fail("no window of class " + Utf8(target));
    }
    Print(Utf8(TextOf(window)));
    return 0;
  }
  if (verb == L"wait-title" && args.size() == 4) {
    std::wstring seen;
    bool ok = WaitFor(number(3), [&] {
      HWND window = FindTopLevel(target);
      if (window == nullptr) return false;
      seen = TextOf(window);
      return seen == args[2];
    });
    if (!ok) return Fail("title is \"" + Utf8(seen) + "\", expected \"" + Utf8(args[2]) + "\"");
    Print(Utf8(seen));
    return 0;
  }
  if (verb == L"wait-dialog" && args.size() == 3) {
    HWND dialog = nullptr;
    if (!WaitFor(number(2), [&] { return (dialog = FindDialog(target)) != nullptr; })) {
      return Fail("no dialog titled " + Utf8(target));
    }
    PrintDialog(dialog);
    return 0;
  }
  if (verb == L"wait-tooltip" && args.size() == 3) {
    std::wstring seen;
    bool ok = WaitFor(number(2), [&] {
      for (HWND tip = FindWindowW(L"tooltips_class32", nullptr); tip != nullptr;
           tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr)) {
        if (!IsWindowVisible(tip)) continue;
        seen = TextOf(tip);
        if (seen == target) return true;
      }
      return false;
    });
    if (!ok) return Fail("no tool tip \"" + Utf8(target) + "\" (last seen \"" + Utf8(seen) + "\")");
    Print(Utf8(seen));
    return 0;
  }
  if (verb == L"wait-no-dialog" && args.size() == 3) {
    if (!WaitFor(number(2), [&] { return FindDialog(target) == nullptr; })) {
      return Fail("dialog still shown: " + Utf8(target));
    }
    return 0;
  }
  if (verb == L"wait-gone" && args.size() == 3) {
    if (!WaitFor(number(2), [&] { return FindWindowW(target.c_str(), nullptr) == nullptr; })) {
      return Fail("window still exists: " + Utf8(target));
    }
    return 0;
  }
  if (verb == L"dialog-texts" && args.size() == 2) {
    HWND dialog = FindDialog(target);
    if (dialog == nullptr) return Fail("no dialog titled " + Utf8(target));
    PrintDialog(dialog);
    return 0;
  }
  if (verb == L"click" && args.size() == 3) {
    HWND dialog = FindDialog(target);
    if (dialog == nullptr) return Fail("no dialog titled " + Utf8(target));
    for (HWND child : ChildrenOf(dialog)) {
      if (ClassOf(child) == L"Button" && TextOf(child) == args[2]) {
        PostMessageW(child, BM_CLICK, 0, 0);
        return 0;
      }
    }
    return Fail("no button \"" + Utf8(args[2]) + "\"");
  }

  HWND window = FindTopLevel(target);
  if (window == nullptr) return Fail("no window of class " + Utf8(target));
  if (verb == L"title" && args.size() == 2) {
    Print(Utf8(TextOf(window)));
    return 0;
  }
  if (verb == L"command" && args.size() == 3) {
    // Posted, not sent: a command may open a modal dialog.
    return PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(number(2)), 0) ? 0 : Fail("post failed");
  }
  if (verb == L"close" && args.size() == 2) {
    return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : Fail("post failed");
  }
  if (verb == L"open-menu" && args.size() == 3 && !args[2].empty()) {
    return PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(args[2][0]))
               ? 0
               : Fail("post failed");
  }
  if (verb == L"move" && args.size() == 6) {
    return SetWindowPos(window, nullptr, number(2), number(3), number(4), number(5),
                        SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : Fail("move failed");
  }
  if (verb == L"key" && args.size() == 3) {
    SetForegroundWindow(window);
    if (!WaitFor(5000, [&] { return GetForegroundWindow() == window; })) return Fail("window not in front");
    Sleep(200);
    return TypeKey(args[2]) ? 0 : Fail("cannot type " + Utf8(args[2]));
  }
  if (verb == L"child-text" && args.size() == 3) {
    HWND child = FindChild(window, args[2]);
    if (child == nullptr) return Fail("no child of class " + Utf8(args[2]));
    Print(Utf8(TextOf(child)));
    return 0;
  }
  if (verb == L"mouse" && args.size() == 6) {
    HWND child = FindChild(window, args[2]);
    if (child == nullptr) return Fail("no child of class " + Utf8(args[2]));
    const LPARAM point = MAKELPARAM(number(3), number(4));
    const bool right = args[5] == L"right";
    PostMessageW(child, WM_MOUSEMOVE, 0, point);
    PostMessageW(child, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, point);
    PostMessageW(child, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, point);
    return 0;
  }
  if (verb == L"hover" && args.size() == 4) {
    POINT point{number(2), number(3)};
    ClientToScreen(window, &point);
    SetCursorPos(point.x - 3, point.y - 3);
    Sleep(100);
    return SetCursorPos(point.x, point.y) ? 0 : Fail("cannot move the pointer");
  }
  if (verb == L"rect" && args.size() == 2) {
    RECT rect;
    GetWindowRect(window, &rect);
    Print(std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) +
          " " + std::to_string(rect.bottom));
    return 0;
  }
  return 2;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  bool wellFormed = true;
  for (int i = 1; i < count; ++i) {
    std::wstring arg;
    wellFormed = DecodeArgument(argv[i], arg) && wellFormed;
    args.push_back(arg);
  }
  LocalFree(argv);
  int result = wellFormed ? Run(args) : 2;
  if (result == 2) Print("usage: e2e_driver VERB ARGS (see the source)");
  return result;
}
