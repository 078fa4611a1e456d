// The application object, the shared window procedure and the message loop, the typed
// handlers of a window, mouse capture during a drag, command tables in menus and
// accelerators, the zoom view of a drawing window and the shared owned window, run
// for real under the system's window manager.

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/base_window.h"
#include "framework/common_controls.h"
#include "framework/draw_window.h"
#include "framework/owned_window.h"
#include "framework/text_codec.h"
#include "test_resources.h"

namespace {

// Records every typed handler call as a line of text.
class TypedWindow : public DrawWindow {
 public:
  void OnSize(int w, int h, UINT) override { log("size " + std::to_string(w) + "x" + std::to_string(h)); }
  void OnMouseMove(int x, int y) override { log("move " + std::to_string(x) + "," + std::to_string(y)); }
  void OnLeftDown(int x, int y) override { log("down " + std::to_string(x) + "," + std::to_string(y)); }
  void OnLeftUp(int x, int y) override {
    upX = x;
    upY = y;
    log("up");
  }
  void OnRightDown(int x, int y) override { log("right " + std::to_string(x) + "," + std::to_string(y)); }
  bool OnKeyDown(UINT key) override { return log("key " + std::to_string(key)); }
  void OnScroll(ScrollAxis axis, int code, int position, HWND) override {
    log((axis == ScrollAxis::Horizontal ? "hscroll " : "vscroll ") + std::to_string(code) + " " +
        std::to_string(position));
  }
  void OnTimer(UINT_PTR id) override { log("timer " + std::to_string(id)); }
  bool OnClose() override { return log("close") && keepOnClose; }
  bool OnNotify(const NMHDR& header, LRESULT& result) override {
    result = 77;
    return log("notify " + std::to_string(header.code));
  }
  void OnDropFiles(const std::vector<DroppedFile>& files) override {
    for (const DroppedFile& f : files) log("drop " + f.path + (f.directory ? " (folder)" : ""));
  }
  bool log(const std::string& line) {  // true: handled
    lines.push_back(line);
    return true;
  }
  bool has(const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  std::vector<std::string> lines;
  bool keepOnClose = true;
  int upX = 0, upY = 0;
};

// Records what reached it; its class name is given at set-up.
class RecordingWindow : public BaseWindow {
 public:
  void OnCreate() override { ++creates; }
  void OnDestroy() override { ++destroys; }
  void OnCommand(WPARAM wParam) override { commands.push_back(LOWORD(wParam)); }
  int creates = 0;
  int destroys = 0;
  std::vector<int> commands;
};

// Shown as asked; hidden unless a test needs to see it.
int Create(BaseWindow& window, const char* className, int show = SW_HIDE, DWORD style = WS_OVERLAPPEDWINDOW,
           int width = 200, int height = 100) {
  window.Setup(GetModuleHandleW(nullptr), show, className, nullptr);
  window.SetClass(WHITE_BRUSH, -1, -1, -1);
  return window.CreateWindowed(style, 0, 100, 100, width, height, nullptr);
}

// Runs a test body as its main-window step; the other steps can be made to fail.
class ScriptedApp : public App {
 public:
  explicit ScriptedApp(std::function<void(ScriptedApp&)> body, int initResult = 0)
      : body_(std::move(body)), initResult_(initResult) {}
  int InitInstance() override { return initResult_; }
  int CreateMainWindow(HINSTANCE, int) override {
    ++created;
    body_(*this);
    return 0;
  }
  int OpenCommandLine(const std::string& path, const std::string& title) override {
    seenPath = path;
    seenTitle = title;
    return 0;
  }
  void ExitInstance() override { ++exited; }
  bool OnIdle() override { return idle ? idle() : false; }
  static inline int created = 0, exited = 0;
  static inline std::function<bool()> idle;
  static inline std::string seenPath, seenTitle;

 private:
  std::function<void(ScriptedApp&)> body_;
  int initResult_;
};

int RunApp(std::function<void(ScriptedApp&)> body, const std::string& arguments = "", int initResult = 0,
           HINSTANCE previous = nullptr) {
  ScriptedApp::created = ScriptedApp::exited = 0;
  int result = AppMain(std::make_unique<ScriptedApp>(std::move(body), initResult), GetModuleHandleW(nullptr),
                       previous, arguments, SW_HIDE);
  ScriptedApp::idle = nullptr;
  return result;
}

// Runs a test body while an application object is current, so its windows are routed;
// there is no main window, so the loop ends at once.
void InApp(const std::function<void()>& body) {
  RunApp([&](ScriptedApp&) { body(); });
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A drop record as the shell makes it, with wide paths.
// Paths are separated by zeros; the list ends with two.
HGLOBAL DropRecord(const std::wstring& paths) {
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (paths.size() + 2) * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(drop + 1, paths.data(), paths.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

TEST(BaseWindow, TypedHandlersReceiveTheirMessagesAndAnOwnedToolWindowStoresItsRectangle) {
  InApp([] {
    TypedWindow window;
    ASSERT_TRUE(Create(window, "시험 처리기", SW_SHOWNORMAL, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL,
                       300, 200));
    HWND w = window.hwnd();
    SendMessageW(w, WM_SIZE, 0, MAKELPARAM(120, 80));
    SendMessageW(w, WM_RBUTTONDOWN, 0, MAKELPARAM(5, 6));
    SendMessageW(w, WM_KEYDOWN, VK_TAB, 0);
    SendMessageW(w, WM_TIMER, 1, 0);
    window.setScrollBar(ScrollAxis::Vertical, 100000, 0);
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 70000, 0};
    SetScrollInfo(w, SB_VERT, &info, FALSE);
    SendMessageW(w, WM_VSCROLL, MAKEWPARAM(kScrollThumbPosition, 4464), 0);  // 70000 in 16 bits
    SendMessageW(w, WM_HSCROLL, MAKEWPARAM(kScrollPageDown, 0), 0);
    NMHDR header{w, 9, 1234};
    EXPECT_EQ(SendMessageW(w, WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&header)), 77);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::wstring temp(folder);
    if (!temp.empty() && temp.back() == L'\\') temp.pop_back();
    SendMessageW(
        w, WM_DROPFILES,
        reinterpret_cast<WPARAM>(DropRecord(L"C:\\\xC2DC\xD5D8\\a.plk" + std::wstring(1, L'\0') + temp)), 0);
    EXPECT_EQ(SendMessageW(w, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(w)) << "OnClose kept the window";

    for (const char* line : {"size 120x80", "right 5,6", "key 9", "timer 1", "vscroll 4 70000", "hscroll 3 0",
                             "notify 1234", "drop C:\\시험\\a.plk", "close"}) {
      EXPECT_TRUE(window.has(line)) << line;
    }
    EXPECT_TRUE(window.has("drop " + Narrow(temp) + " (folder)"));

    // A tool window it owns stores its rectangle and, closed, leaves the program running.
    class Tool : public OwnedToolWindow {};
    Tool tool;
    WindowRect rect{20, 30, 220, 130};
    ASSERT_TRUE(tool.createOwned(&window, "시험 도구 창", -1, &rect, true));
    EXPECT_EQ(GetWindow(tool.hwnd(), GW_OWNER), w);
    MoveWindow(tool.hwnd(), 40, 50, 150, 90, TRUE);
    DestroyWindow(tool.hwnd());
    EXPECT_EQ(rect, (WindowRect{40, 50, 190, 140}));
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "no quit message";

    window.keepOnClose = false;
    window.setQuitOnDestroy(false);
    SendMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w)) << "the system destroyed it";
    EXPECT_EQ(window.hwnd(), nullptr);
  });
}

// Pixels of the text colour inside a status bar part, read from the screen.
int TextPixels(const StatusBar& bar, int part) {
  RECT box{};
  SendMessageW(bar.hwnd(), SB_GETRECT, part, reinterpret_cast<LPARAM>(&box));
  HDC dc = GetDC(bar.hwnd());
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x) count += GetPixel(dc, x, y) == GetSysColor(COLOR_BTNTEXT);
  ReleaseDC(bar.hwnd(), dc);
  return count;
}

TEST(StatusBar, ATextShowsInItsPartAtOnceStaysThroughARepaintAndIsAnsweredAsThePartsData) {
  InApp([] {
    TypedWindow window;
    window.setQuitOnDestroy(false);
    ASSERT_TRUE(Create(window, "시험 상태 표시줄", SW_SHOWNORMAL, WS_POPUP | WS_VISIBLE, 400, 120));
    StatusBar bar;
    bar.create(window.hwnd(), GetModuleHandleW(nullptr), 7);
    bar.resize();
    bar.setParts({120, 240, -1});
    Pump();
    bar.setText(1, "마우스 : 15 , 12");
    EXPECT_GT(TextPixels(bar, 1), 20) << "drawn without waiting for a paint";
    EXPECT_EQ(TextPixels(bar, 0), 0);
    const auto text = reinterpret_cast<const wchar_t*>(SendMessageW(bar.hwnd(), SB_GETTEXTW, 1, 0));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(Narrow(text), "마우스 : 15 , 12");
    const int shown = TextPixels(bar, 1);
    RedrawWindow(bar.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(TextPixels(bar, 1), shown) << "the bar's own repaint draws the same text";
    bar.setText(1, "");
    EXPECT_EQ(TextPixels(bar, 1), 0) << "the old text is gone";
    DestroyWindow(window.hwnd());
  });
}

TEST(DrawWindow, ScrollBarsAndADragThatLeavesTheWindowStillEndsThere) {
  InApp([] {
    // The window's scroll bars as set; a mouse move arrives in client pixels.
    TypedWindow zoomed;
    zoomed.setQuitOnDestroy(false);
    ASSERT_TRUE(Create(zoomed, "시험 확대", SW_SHOWNORMAL, WS_POPUP | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                       400, 300));
    zoomed.setScrollBar(ScrollAxis::Horizontal, 2600, 180);
    zoomed.setScrollBar(ScrollAxis::Vertical, 2100, 90);
    SendMessageW(zoomed.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(301, 299));
    EXPECT_TRUE(zoomed.has("move 301,299"));
    EXPECT_EQ(GetScrollPos(zoomed.hwnd(), SB_HORZ), 180);
    EXPECT_EQ(GetScrollPos(zoomed.hwnd(), SB_VERT), 90);
    // Nothing to scroll: the bar is disabled.
    zoomed.setScrollBar(ScrollAxis::Horizontal, 0, 0);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    GetScrollBarInfo(zoomed.hwnd(), OBJID_HSCROLL, &bar);
    EXPECT_TRUE(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    DestroyWindow(zoomed.hwnd());

    // A drag that leaves the window still ends there.
    TypedWindow window;
    window.setQuitOnDestroy(false);
    ASSERT_TRUE(Create(window, "시험 끌기", SW_SHOWNORMAL, WS_POPUP | WS_VISIBLE, 200, 150));
    SetForegroundWindow(window.hwnd());
    Pump();
    POINT inside{50, 40};
    ClientToScreen(window.hwnd(), &inside);
    // Down inside, then moved left of and below the window and up there.
    const int sw = GetSystemMetrics(SM_CXSCREEN) - 1, sh = GetSystemMetrics(SM_CYSCREEN) - 1;
    const POINT outside{inside.x - 90, inside.y + 300};
    const POINT at[4] = {inside, inside, outside, outside};
    const DWORD button[4] = {0, MOUSEEVENTF_LEFTDOWN, 0, MOUSEEVENTF_LEFTUP};
    for (int k = 0; k < 4; ++k) {
      INPUT input{};
      input.type = INPUT_MOUSE;
      input.mi.dx = at[k].x * 65535 / sw;
      input.mi.dy = at[k].y * 65535 / sh;
      input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | button[k];
      SendInput(1, &input, sizeof(INPUT));
      for (int n = 0; n < 5; ++n) {
        Sleep(20);
        Pump();
      }
    }
    EXPECT_TRUE(window.has("down 50,40"));
    ASSERT_TRUE(window.has("up")) << "the button came up outside, and the window still heard it";
    EXPECT_LT(window.upX, 0);
    EXPECT_GT(window.upY, 150);
    EXPECT_EQ(GetCapture(), nullptr);
    DestroyWindow(window.hwnd());
  });
}

TEST(CommandTable, GreysTheMenuEntryAndRefusesItsKey) {
  class Frame : public BaseWindow {
   public:
    Frame() {
      table.add(
          ID_TEST_GREYED, [this] { ++greyedRuns; }, [] { return false; });
      table.add(
          ID_TEST_ALLOWED, [this] { ++allowedRuns; }, {}, [] { return true; });
      bindCommands(table);
    }
    CommandTable table;
    int greyedRuns = 0, allowedRuns = 0;
  };
  static Frame* frame = nullptr;
  class KeyApp : public App {
   public:
    int CreateMainWindow(HINSTANCE, int) override {
      Create(*frame, "시험 명령표", SW_SHOWNORMAL);
      setMainWindow(frame);
      setAcceleratorId(IDR_TEST_ACCELERATORS);
      PostMessageW(frame->hwnd(), WM_KEYDOWN, 'K', 0);
      PostMessageW(frame->hwnd(), WM_KEYDOWN, 'L', 0);
      PostMessageW(frame->hwnd(), WM_CLOSE, 0, 0);
      return 0;
    }
  };
  Frame window;
  frame = &window;
  EXPECT_EQ(AppMain(std::make_unique<KeyApp>(), GetModuleHandleW(nullptr), nullptr, "", SW_HIDE), 0);
  EXPECT_EQ(window.greyedRuns, 0) << "the greyed command's key did nothing";
  EXPECT_EQ(window.allowedRuns, 1);

  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, ID_TEST_GREYED, L"greyed");
  AppendMenuW(menu, MF_STRING, ID_TEST_ALLOWED, L"allowed");
  AppendMenuW(menu, MF_STRING, 999, L"unknown");
  window.applyMenuState(menu);
  EXPECT_TRUE(GetMenuState(menu, ID_TEST_GREYED, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, ID_TEST_ALLOWED, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(menu, ID_TEST_ALLOWED, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(GetMenuState(menu, 999, MF_BYCOMMAND), 0u) << "entries the table does not know stay";
  DestroyMenu(menu);
}

TEST(App, ExitCodes) {
  App app;
  EXPECT_EQ(app.Run(), 1) << "no main window";
  static RecordingWindow main, closed;
  auto quitWith7 = [](ScriptedApp& app) {
    Create(main, "시험 주창 7");
    app.setMainWindow(&main);
    PostQuitMessage(7);
  };
  EXPECT_EQ(RunApp(quitWith7), 7);
  EXPECT_EQ(ScriptedApp::exited, 1);
  EXPECT_EQ(TheApp(), nullptr);
  DestroyWindow(main.hwnd());
  // Closing the main window destroys it and quits with 0.
  EXPECT_EQ(RunApp([](ScriptedApp& app) {
              Create(closed, "시험 닫기");
              app.setMainWindow(&closed);
              PostMessageW(closed.hwnd(), WM_CLOSE, 0, 0);
            }),
            0);
  EXPECT_EQ(closed.destroys, 1);
  EXPECT_EQ(closed.hwnd(), nullptr);
  EXPECT_EQ(RunApp([](ScriptedApp&) {}), 1) << "no main window after set-up";
  EXPECT_EQ(ScriptedApp::exited, 1);
  EXPECT_EQ(AppMain(nullptr, GetModuleHandleW(nullptr), nullptr, "", SW_HIDE), 0);
  EXPECT_EQ(RunApp([](ScriptedApp&) { PostQuitMessage(3); }, "", 0, GetModuleHandleW(nullptr)), 0);
  EXPECT_EQ(ScriptedApp::created, 0) << "a previous instance";
  EXPECT_EQ(RunApp([](ScriptedApp&) {}, "", -1), 1);
  EXPECT_EQ(ScriptedApp::created + ScriptedApp::exited, 0) << "failed InitInstance: no window, no loop";
}

TEST(App, CommandLineReachesOpenCommandLineWhole) {
  RunApp([](ScriptedApp&) {}, "C:\\no such\\folder x\\a b.zrv");
  EXPECT_EQ(ScriptedApp::seenPath, "C:\\no such\\folder x\\a b.zrv");
  EXPECT_EQ(ScriptedApp::seenTitle, "a b.zrv");
  // A folder gives two empty texts.
  wchar_t temp[MAX_PATH];
  std::wstring folder(temp, GetTempPathW(MAX_PATH, temp));
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  RunApp([](ScriptedApp&) {}, std::string(folder.begin(), folder.end()));  // an ASCII name here
  EXPECT_EQ(ScriptedApp::seenPath, "");
  EXPECT_EQ(ScriptedApp::seenTitle, "");
}

TEST(BaseWindow, EachClassGetsItsOwnCreationAndCommandsRepaintsAndStrangersGoToTheSystem) {
  static RecordingWindow first, second, sameClass;
  static HWND unknown = nullptr, stranger = nullptr;
  static std::wstring strangerTitle;
  static bool dirty[2] = {};
  int result = RunApp([](ScriptedApp& app) {
    EXPECT_EQ(Create(first, "시험 첫째", SW_SHOWNOACTIVATE), 1);
    EXPECT_EQ(Create(second, "시험 둘째", SW_SHOWNOACTIVATE), 1);
    EXPECT_EQ(app.windowCount(), 2);
    EXPECT_EQ(Create(sameClass, "시험 둘째"), 0) << "a second window of one class is not created";
    app.setMainWindow(&first);
    SendMessageW(second.hwnd(), WM_COMMAND, 40001, 0);
    SendMessageW(first.hwnd(), WM_COMMAND, 40002, 0);
    // InvalidateAll asks every window to repaint.
    ValidateRect(first.hwnd(), nullptr);
    ValidateRect(second.hwnd(), nullptr);
    app.InvalidateAll();
    RECT rect;
    dirty[0] = GetUpdateRect(first.hwnd(), &rect, FALSE) != 0;
    dirty[1] = GetUpdateRect(second.hwnd(), &rect, FALSE) != 0;
    // A window of a system class is no window of ours.
    unknown = CreateWindowExW(0, L"STATIC", L"x", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    // Another window of a registered class: no object waits for it, so the shared
    // procedure leaves all of its messages to the system.
    stranger = CreateWindowExW(0, L"\xC2DC\xD5D8 \xCCAB\xC9F8", L"", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);  // "시험 첫째"
    SendMessageW(stranger, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"default"));
    SendMessageW(stranger, WM_COMMAND, 40009, 0);
    wchar_t text[32] = {};
    GetWindowTextW(stranger, text, 32);
    strangerTitle = text;
    DestroyWindow(stranger);  // reaches no object: no quit message from it
    PostQuitMessage(4);
  });
  EXPECT_EQ(result, 4);
  EXPECT_EQ(std::make_pair(first.creates, second.creates), std::make_pair(1, 1));
  EXPECT_EQ(sameClass.creates, 0);
  EXPECT_EQ(sameClass.hwnd(), nullptr);
  EXPECT_NE(first.hwnd(), second.hwnd());
  EXPECT_EQ(first.commands, std::vector<int>{40002});
  EXPECT_EQ(second.commands, std::vector<int>{40001});
  EXPECT_TRUE(dirty[0] && dirty[1]);
  EXPECT_EQ(first.destroys, 0);
  EXPECT_EQ(first.title(), "시험 첫째");  // the class name is the initial caption
  EXPECT_NE(stranger, nullptr);
  EXPECT_EQ(strangerTitle, L"default");
  DestroyWindow(unknown);
  DestroyWindow(first.hwnd());
  DestroyWindow(second.hwnd());
}

TEST(MessageLoop, IdleWorkRunsWhilePendingAndTheLoopSleepsWithoutIt) {
  // Pending idle work is called again and again until it quits.
  static RecordingWindow busy, quiet;
  static int idleCalls = 0;
  ScriptedApp::idle = [] {
    if (++idleCalls == 1000) PostQuitMessage(5);
    return true;
  };
  EXPECT_EQ(RunApp([](ScriptedApp& app) {
              Create(busy, "시험 바쁨");
              app.setMainWindow(&busy);
            }),
            5);
  EXPECT_EQ(idleCalls, 1000);
  // For 400 ms the only messages are timer ticks every 50 ms. A loop that spun would
  // call OnIdle many thousands of times; one that waits calls it about once per tick.
  idleCalls = 0;
  static const DWORD start = GetTickCount();
  ScriptedApp::idle = [] {
    ++idleCalls;
    if (GetTickCount() - start > 400) PostQuitMessage(6);
    return false;
  };
  EXPECT_EQ(RunApp([](ScriptedApp& app) {
              Create(quiet, "시험 한가함");
              app.setMainWindow(&quiet);
              SetTimer(quiet.hwnd(), 1, 50, nullptr);
            }),
            6);
  EXPECT_GE(idleCalls, 2);
  EXPECT_LT(idleCalls, 200);
}
