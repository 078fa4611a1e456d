// The end-to-end test driver: a console program run in the same Wine session as the
// program under test. Each invocation carries out one step and reports through its
// exit code (0 done, 3 failed or timed out, 2 bad usage; any other code comes from
// Wine or a crash, never from the step) and its output (UTF-8).
//
//   wait-window CLASS MS            wait until a visible top-level window of CLASS exists
//   wait-title CLASS TITLE MS       wait until that window's title is TITLE
//   command CLASS ID                post the command ID to the window
//   close CLASS                     post the close message to the window
//   open-menu CLASS LETTER          open the menu with that mnemonic letter
//   wait-dialog TITLE MS            wait for a visible dialog with that title; print its texts
//   click TITLE BUTTON              click the dialog's button with that text
//   wait-no-dialog TITLE MS         wait until no dialog with that title is shown
//   child-text CLASS CHILDCLASS     print the text of the window's first child of that
//                                   class (a status bar answers with its first part)
//   hover CLASS X Y                 put the mouse pointer at client point X, Y of the window
//   wait-tooltip TEXT MS            wait until a tool tip shows TEXT
//   rect CLASS                      print the window rectangle: left top right bottom
//   drop CLASS PATH...              drop the files on the window as the shell would
//   move CLASS X Y WIDTH HEIGHT     move and size the window
//   key CLASS KEY                   bring the window to the front and type KEY as the
//                                   keyboard would: a letter, digit or name (escape,
//                                   tab, delete, left, right, up, down, add, subtract, f1,
//                                   [, ]), with "ctrl+", "shift+" or "alt+" in front
//
// Real mouse input (the pointer moves, as a user's would; a window that checks where
// the pointer is sees it there). CHILD is the class of a child window of CLASS, or "-"
// for the window itself; X, Y are client coordinates of that window:
//   pointer CLASS CHILD X Y                   move the pointer there
//   press CLASS CHILD X Y left|right          move there and press the button
//   release CLASS CHILD X Y left|right        move there and let the button go
//   click-at CLASS CHILD X Y left|right       press and release there
//   drag CLASS CHILD X1 Y1 X2 Y2              left button from one point to the other,
//                                             through a few points on the way
//
// Dialogs (found by title) and their controls (by id):
//   set-text TITLE ID TEXT          set a control's text
//   item-text TITLE ID              print a control's text
//   click-id TITLE ID               click the control (a button or check box)
//   wait-chooser MS                 wait for a file chooser; print its title
//   answer-chooser PATH [CLASS TEXT MS]
//                                   type PATH into the shown file chooser and confirm it;
//                                   with CLASS TEXT MS, then wait until the title of
//                                   that window contains TEXT and print the milliseconds
//                                   from the confirmation
//   status-text CLASS PART          print the text of a part of the window's status bar
// (Timings of mouse moves, keys and the like belong to the GUI benchmark, bench/gui.)
//
// Any argument may be given as "utf8hex:" and the hex digits of its UTF-8 bytes. The
// scripts pass every text that is not a plain ASCII word so: Wine turns a command line
// into UTF-16 through the Unix locale's character set, which can mangle Hangul.

#include "driver_common.h"
// These need the declarations of windows.h before them.
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

namespace {

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

struct DialogSearch {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK FindDialogProc(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<DialogSearch*>(data);
  if (ClassOf(window) == L"#32770" && IsWindowVisible(window) && TitleOf(window) == search->title) {
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

void PrintDialog(HWND dialog) {
  Print("title\t" + Utf8(TitleOf(dialog)));
  for (HWND child : ChildrenOf(dialog)) {
    if (!IsWindowVisible(child)) continue;
    Print(Utf8(ClassOf(child)) + "\t" + std::to_string(GetDlgCtrlID(child)) + "\t" + Utf8(TextOf(child)));
  }
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

// Moves the pointer to a client point of `window` and optionally presses or releases
// a button there, through the system's input queue.
bool MouseAt(HWND window, int x, int y, DWORD buttonFlags) {
  POINT point{x, y};
  if (!ClientToScreen(window, &point)) return false;
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1, height = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((point.x * 65535 + width / 2) / width);
  input.mi.dy = static_cast<LONG>((point.y * 65535 + height / 2) / height);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttonFlags;
  SetCursorPos(point.x, point.y);
  const bool sent = SendInput(1, &input, sizeof(INPUT)) == 1;
  Sleep(60);
  return sent;
}

DWORD ButtonFlag(const std::wstring& button, bool down) {
  if (button == L"right") return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
  return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
}

bool BringToFront(HWND window) {
  HWND top = GetAncestor(window, GA_ROOT);
  SetForegroundWindow(top);
  return WaitFor(3000, [&] { return GetForegroundWindow() == top; });
}

BOOL CALLBACK FindChooserProc(HWND window, LPARAM data) {
  if (ClassOf(window) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  if (GetDlgItem(window, 0x480) == nullptr && GetDlgItem(window, 0x47c) == nullptr) return TRUE;
  // A chooser shows before it has opened its folder; an answer given then is lost.
  // Its "look in" list (cmb2) fills once the folder is open.
  HWND lookIn = GetDlgItem(window, 0x471);
  if (lookIn != nullptr && SendMessageW(lookIn, CB_GETCOUNT, 0, 0) <= 0) return TRUE;
  *reinterpret_cast<HWND*>(data) = window;
  return FALSE;
}

// The open or save chooser on screen: a dialog with a file name field (edt1 or cmb13).
HWND FindChooser() {
  HWND found = nullptr;
  EnumWindows(FindChooserProc, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The text of a status bar part. The programs draw their parts themselves, so the bar
// answers a part's data instead: the address of its text in the program's memory.
bool StatusPartText(HWND bar, int part, std::wstring& text) {
  DWORD_PTR address = 0;
  if (!SendMessageTimeoutW(bar, SB_GETTEXTW, static_cast<WPARAM>(part), 0, SMTO_ABORTIFHUNG, 2000,
                           &address) ||
      address == 0) {
    return false;
  }
  DWORD processId = 0;
  GetWindowThreadProcessId(bar, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_READ, FALSE, processId);
  if (process == nullptr) return false;
  std::vector<wchar_t> buffer(512, L'\0');  // a part's whole buffer in the program
  SIZE_T read = 0;
  const bool ok = ReadProcessMemory(process, reinterpret_cast<const void*>(address), buffer.data(),
                                    buffer.size() * sizeof(wchar_t), &read) != 0;
  CloseHandle(process);
  buffer.back() = L'\0';
  text = buffer.data();
  return ok;
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
    Print(Utf8(TitleOf(window)));
    return 0;
  }
  if (verb == L"wait-title" && args.size() == 4) {
    std::wstring seen;
    bool ok = WaitFor(number(3), [&] {
      HWND window = FindTopLevel(target);
      if (window == nullptr) return false;
      seen = TitleOf(window);
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

  if ((verb == L"set-text" && args.size() == 4) || (verb == L"item-text" && args.size() == 3) ||
      (verb == L"click-id" && args.size() == 3)) {
    HWND dialog = FindDialog(target);
    if (dialog == nullptr) return Fail("no dialog titled " + Utf8(target));
    HWND item = GetDlgItem(dialog, number(2));
    if (item == nullptr) return Fail("no control " + Utf8(args[2]));
    if (verb == L"set-text") {
      return SendMessageW(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[3].c_str()))
                 ? 0
                 : Fail("set failed");
    }
    if (verb == L"item-text") {
      Print(Utf8(TextOf(item)));
      return 0;
    }
    return PostMessageW(item, BM_CLICK, 0, 0) ? 0 : Fail("post failed");
  }
  if (verb == L"wait-chooser" && args.size() == 2) {
    HWND chooser = nullptr;
    if (!WaitFor(number(1), [&] { return (chooser = FindChooser()) != nullptr; })) return Fail("no chooser");
    Print(Utf8(TitleOf(chooser)));
    return 0;
  }
  if (verb == L"answer-chooser" && (args.size() == 2 || args.size() == 5)) {
    HWND chooser = nullptr;
    if (!WaitFor(10000, [&] { return (chooser = FindChooser()) != nullptr; })) return Fail("no chooser");
    HWND name = GetDlgItem(chooser, 0x480);                  // edt1
    if (name == nullptr) name = GetDlgItem(chooser, 0x47c);  // cmb13
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(target.c_str()));
    if (!PostMessageW(chooser, WM_COMMAND, IDOK, 0)) return Fail("post failed");
    if (args.size() == 2) return 0;
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    std::wstring seen;
    const bool ok = WaitFor(number(4), [&] {
      for (int i = 0; i < 200; ++i) {
        HWND window = FindTopLevel(args[2]);
        seen = window != nullptr ? TitleOf(window) : L"";
        if (seen.find(args[3]) != std::wstring::npos) return true;
        Sleep(1);
      }
      return false;
    });
    QueryPerformanceCounter(&now);
    if (!ok) return Fail("title is \"" + Utf8(seen) + "\", expected it to contain \"" + Utf8(args[3]) + "\"");
    char line[64];
    snprintf(line, sizeof line, "%.1f",
             1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart));
    Print(line);
    return 0;
  }

  HWND window = FindTopLevel(target);
  if (window == nullptr) return Fail("no window of class " + Utf8(target));
  if ((verb == L"pointer" && args.size() == 5) || (verb == L"press" && args.size() == 6) ||
      (verb == L"release" && args.size() == 6) || (verb == L"click-at" && args.size() == 6)) {
    HWND aim = ChildOf(window, args[2]);
    if (aim == nullptr) return Fail("no child of class " + Utf8(args[2]));
    if (!BringToFront(aim)) return Fail("window not in front");
    const int x = number(3), y = number(4);
    const std::wstring button = args.size() > 5 ? args[5] : L"left";
    bool ok = MouseAt(aim, x, y, 0);
    if (verb == L"press" || verb == L"click-at") ok = ok && MouseAt(aim, x, y, ButtonFlag(button, true));
    if (verb == L"release" || verb == L"click-at") ok = ok && MouseAt(aim, x, y, ButtonFlag(button, false));
    return ok ? 0 : Fail("mouse input failed");
  }
  if (verb == L"drag" && args.size() == 7) {
    HWND aim = ChildOf(window, args[2]);
    if (aim == nullptr) return Fail("no child of class " + Utf8(args[2]));
    if (!BringToFront(aim)) return Fail("window not in front");
    const int x1 = number(3), y1 = number(4), x2 = number(5), y2 = number(6);
    bool ok = MouseAt(aim, x1, y1, 0) && MouseAt(aim, x1, y1, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 4; ++step) {
      ok = ok && MouseAt(aim, x1 + (x2 - x1) * step / 4, y1 + (y2 - y1) * step / 4, 0);
    }
    ok = ok && MouseAt(aim, x2, y2, MOUSEEVENTF_LEFTUP);
    return ok ? 0 : Fail("mouse input failed");
  }
  if (verb == L"status-text" && args.size() == 3) {
    HWND bar = ChildOf(window, L"msctls_statusbar32");
    if (bar == nullptr) return Fail("no status bar");
    std::wstring text;
    if (!StatusPartText(bar, number(2), text)) return Fail("cannot read the status bar");
    Print(Utf8(text));
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
    HWND child = ChildOf(window, args[2]);
    if (child == nullptr) return Fail("no child of class " + Utf8(args[2]));
    Print(Utf8(TextOf(child)));
    return 0;
  }
  if (verb == L"hover" && args.size() == 4) {
    POINT point{number(2), number(3)};
    ClientToScreen(window, &point);
    SetCursorPos(point.x - 3, point.y - 3);
    Sleep(100);
    return SetCursorPos(point.x, point.y) ? 0 : Fail("cannot move the pointer");
  }
  if (verb == L"drop" && args.size() >= 3) {
    const std::string failure = DropFiles(window, std::vector<std::wstring>(args.begin() + 2, args.end()));
    return failure.empty() ? 0 : Fail(failure);
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
  std::vector<std::wstring> args;
  const int result = DecodedArguments(args) ? Run(args) : 2;
  if (result == 2) Print("usage: e2e_driver VERB ARGS (see the source)");
  return result;
}
