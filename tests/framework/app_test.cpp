// The application object, the shared window procedure and the message loop, run for
// real under the system's window manager.

#include "framework/app.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/base_window.h"

namespace {

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

int Create(BaseWindow& window, const char* className, int show = SW_HIDE) {
  window.Setup(GetModuleHandleW(nullptr), show, className, nullptr);
  window.SetClass(WHITE_BRUSH, -1, -1, -1);
  return window.CreateWindowed(WS_OVERLAPPEDWINDOW, 0, 0, 0, 200, 100, nullptr);
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

}  // namespace

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
