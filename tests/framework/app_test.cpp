// The application object, the shared window procedure and the message loop, run for
// real under the system's window manager.

#include "framework/app.h"

#include <gtest/gtest.h>

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

int CreateHidden(BaseWindow& window, HINSTANCE instance, const char* className,
                 BaseWindow* parent = nullptr) {
  window.Setup(instance, SW_HIDE, className, parent);
  window.SetClass(WHITE_BRUSH, -1, -1, -1);
  return window.CreateWindowed(WS_OVERLAPPEDWINDOW, 0, 0, 0, 200, 100, nullptr);
}

// Runs a test body inside AppMain, after the main window exists.
class ScriptedApp : public App {
 public:
  using Body = void (*)(ScriptedApp&, HINSTANCE);
  explicit ScriptedApp(Body body) : body_(body) {}
  int CreateMainWindow(HINSTANCE instance, int) override {
    body_(*this, instance);
    return 0;
  }
  void ExitInstance() override { exited = true; }
  static inline bool exited = false;

 private:
  Body body_;
};

HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

}  // namespace

TEST(App, RunWithoutMainWindowEndsAtOnceWithOne) {
  App app;
  EXPECT_EQ(app.Run(), 1);
}

TEST(App, QuitCodeSevenComesBackFromAppMainAfterExitInstance) {
  ScriptedApp::exited = false;
  static RecordingWindow main;
  int result = AppMain(std::make_unique<ScriptedApp>([](ScriptedApp& app, HINSTANCE instance) {
                         CreateHidden(main, instance, "시험 주창 7");
                         app.setMainWindow(&main);
                         PostQuitMessage(7);
                       }),
                       Instance(), nullptr, "", SW_HIDE);
  EXPECT_EQ(result, 7);
  EXPECT_TRUE(ScriptedApp::exited);
  EXPECT_EQ(TheApp(), nullptr);
  DestroyWindow(main.hwnd());
}

TEST(App, PreviousInstanceOrMissingAppEndsWithZero) {
  ScriptedApp::exited = false;
  EXPECT_EQ(AppMain(nullptr, Instance(), nullptr, "", SW_HIDE), 0);
  EXPECT_EQ(AppMain(std::make_unique<ScriptedApp>([](ScriptedApp&, HINSTANCE) { PostQuitMessage(3); }),
                    Instance(), Instance(), "", SW_HIDE),
            0);
  EXPECT_FALSE(ScriptedApp::exited);
}

namespace {

class FailingApp : public App {
 public:
  int InitInstance() override { return -1; }
  int CreateMainWindow(HINSTANCE, int) override {
    created = true;
    return 0;
  }
  void ExitInstance() override { exited = true; }
  static inline bool created = false;
  static inline bool exited = false;
};

class OpeningApp : public App {
 public:
  int CreateMainWindow(HINSTANCE, int) override { return 0; }  // no main window: Run gives 1
  int OpenCommandLine(const std::string& path, const std::string& title) override {
    seenPath = path;
    seenTitle = title;
    return 0;
  }
  static inline std::string seenPath;
  static inline std::string seenTitle;
};

}  // namespace

TEST(App, NegativeStepEndsWithOneWithoutLoopOrExitInstance) {
  EXPECT_EQ(AppMain(std::make_unique<FailingApp>(), Instance(), nullptr, "", SW_HIDE), 1);
  EXPECT_FALSE(FailingApp::created);
  EXPECT_FALSE(FailingApp::exited);
}

TEST(App, CommandLineReachesOpenCommandLineWhole) {
  EXPECT_EQ(
      AppMain(std::make_unique<OpeningApp>(), Instance(), nullptr, "C:\\no such\\folder x\\a b.zrv", SW_HIDE),
      1);
  EXPECT_EQ(OpeningApp::seenPath, "C:\\no such\\folder x\\a b.zrv");
  EXPECT_EQ(OpeningApp::seenTitle, "a b.zrv");

  // A folder gives two empty texts.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder(temp);
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  std::string narrow(folder.begin(), folder.end());  // the temporary folder's name is ASCII here
  AppMain(std::make_unique<OpeningApp>(), Instance(), nullptr, narrow, SW_HIDE);
  EXPECT_EQ(OpeningApp::seenPath, "");
  EXPECT_EQ(OpeningApp::seenTitle, "");
}

TEST(BaseWindow, TwoClassesEachGetTheirOwnCreationAndCommands) {
  static RecordingWindow first, second;
  static HWND unknown = nullptr;
  int result = AppMain(std::make_unique<ScriptedApp>([](ScriptedApp& app, HINSTANCE instance) {
                         EXPECT_EQ(CreateHidden(first, instance, "시험 첫째"), 1);
                         EXPECT_EQ(CreateHidden(second, instance, "시험 둘째"), 1);
                         app.setMainWindow(&first);
                         EXPECT_EQ(app.windowCount(), 2);
                         SendMessageW(second.hwnd(), WM_COMMAND, 40001, 0);
                         SendMessageW(first.hwnd(), WM_COMMAND, 40002, 0);
                         // A window of a system class is no window of ours.
                         unknown = CreateWindowExW(0, L"STATIC", L"x", 0, 0, 0, 1, 1, nullptr, nullptr,
                                                   instance, nullptr);
                         PostQuitMessage(0);
                       }),
                       Instance(), nullptr, "", SW_HIDE);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(first.creates, 1);
  EXPECT_EQ(second.creates, 1);
  EXPECT_NE(first.hwnd(), second.hwnd());
  EXPECT_EQ(first.commands, std::vector<int>{40002});
  EXPECT_EQ(second.commands, std::vector<int>{40001});
  EXPECT_EQ(first.title(), "시험 첫째");  // the class name is the initial caption
  EXPECT_EQ(first.lastMessage(), static_cast<UINT>(WM_COMMAND));
  DestroyWindow(unknown);
}

TEST(BaseWindow, SecondWindowOfTheSameClassIsNotCreated) {
  static RecordingWindow a, b;
  AppMain(std::make_unique<ScriptedApp>([](ScriptedApp& app, HINSTANCE instance) {
            EXPECT_EQ(CreateHidden(a, instance, "시험 같은 이름"), 1);
            EXPECT_EQ(CreateHidden(b, instance, "시험 같은 이름"), 0);
            app.setMainWindow(&a);
            PostQuitMessage(0);
          }),
          Instance(), nullptr, "", SW_HIDE);
  EXPECT_NE(a.hwnd(), nullptr);
  EXPECT_EQ(b.hwnd(), nullptr);
  EXPECT_EQ(a.creates, 1);
  EXPECT_EQ(b.creates, 0);
}

TEST(BaseWindow, MessagesForAnUnknownHandleGoToTheDefaultProcedure) {
  static RecordingWindow known;
  static HWND stranger = nullptr;
  static std::wstring strangerTitle;
  int result = AppMain(std::make_unique<ScriptedApp>([](ScriptedApp& app, HINSTANCE instance) {
                         CreateHidden(known, instance, "시험 낯선 창");
                         app.setMainWindow(&known);
                         // A second window of the registered class: no object is waiting for it,
                         // so the shared procedure leaves all of its messages to the system.
                         stranger =
                             CreateWindowExW(0, L"\xC2DC\xD5D8 \xB0AF\xC120 \xCC3D", L"", WS_OVERLAPPEDWINDOW,
                                             0, 0, 50, 50, nullptr, nullptr, instance, nullptr);
                         SendMessageW(stranger, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"default"));
                         SendMessageW(stranger, WM_COMMAND, 40009, 0);
                         wchar_t text[32] = {};
                         GetWindowTextW(stranger, text, 32);
                         strangerTitle = text;
                         DestroyWindow(stranger);  // reaches no object: no quit message from it
                         PostQuitMessage(4);
                       }),
                       Instance(), nullptr, "", SW_HIDE);
  EXPECT_EQ(result, 4);
  EXPECT_NE(stranger, nullptr);
  EXPECT_EQ(strangerTitle, L"default");
  EXPECT_EQ(known.creates, 1);
  EXPECT_TRUE(known.commands.empty());
  EXPECT_EQ(known.destroys, 0);
  DestroyWindow(known.hwnd());
}

TEST(BaseWindow, DestroyingAWindowPostsQuitWithZero) {
  static RecordingWindow main;
  int result = AppMain(std::make_unique<ScriptedApp>([](ScriptedApp& app, HINSTANCE instance) {
                         CreateHidden(main, instance, "시험 닫기");
                         app.setMainWindow(&main);
                         PostMessageW(main.hwnd(), WM_CLOSE, 0, 0);
                       }),
                       Instance(), nullptr, "", SW_HIDE);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(main.destroys, 1);
  EXPECT_EQ(main.hwnd(), nullptr);
}

namespace {

// Counts idle calls; `busy` tells the loop whether more idle work is pending.
class IdleApp : public App {
 public:
  IdleApp(bool busy, int quitAfter) : busy_(busy), quitAfter_(quitAfter) {}
  int CreateMainWindow(HINSTANCE instance, int) override {
    CreateHidden(window_, instance, busy_ ? "시험 바쁨" : "시험 한가함");
    setMainWindow(&window_);
    if (!busy_) SetTimer(window_.hwnd(), 1, 50, nullptr);
    return 0;
  }
  bool OnIdle() override {
    ++idleCalls;
    if (busy_ && idleCalls == quitAfter_) PostQuitMessage(5);
    if (!busy_) {
      // Quit after a few timer ticks have woken the loop.
      MSG peeked;
      if (PeekMessageW(&peeked, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE)) ++ticksSeen;
      if (GetTickCount() - start_ > 400) PostQuitMessage(6);
    }
    return busy_;
  }
  static inline int idleCalls = 0;
  static inline int ticksSeen = 0;

 private:
  RecordingWindow window_;
  bool busy_;
  int quitAfter_;
  DWORD start_ = GetTickCount();
};

}  // namespace

TEST(MessageLoop, IdleWorkRunsAgainAndAgainWhileItIsPending) {
  IdleApp::idleCalls = 0;
  EXPECT_EQ(AppMain(std::make_unique<IdleApp>(true, 1000), Instance(), nullptr, "", SW_HIDE), 5);
  EXPECT_EQ(IdleApp::idleCalls, 1000);
}

TEST(MessageLoop, WithoutIdleWorkTheLoopSleepsUntilTheNextMessage) {
  // For 400 ms the only messages are timer ticks every 50 ms. A loop that spun would
  // call OnIdle many thousands of times; one that waits calls it about once per tick.
  IdleApp::idleCalls = 0;
  EXPECT_EQ(AppMain(std::make_unique<IdleApp>(false, 0), Instance(), nullptr, "", SW_HIDE), 6);
  EXPECT_GE(IdleApp::idleCalls, 2);
  EXPECT_LT(IdleApp::idleCalls, 200);
}

TEST(App, InvalidateAllAsksEveryWindowToRepaint) {
  static RecordingWindow a, b;
  static bool aDirty = false, bDirty = false;
  AppMain(std::make_unique<ScriptedApp>([](ScriptedApp& app, HINSTANCE instance) {
            a.Setup(instance, SW_SHOWNOACTIVATE, "시험 다시 그림 1", nullptr);
            a.CreateWindowed(WS_OVERLAPPEDWINDOW, 0, 0, 0, 100, 100, nullptr);
            b.Setup(instance, SW_SHOWNOACTIVATE, "시험 다시 그림 2", nullptr);
            b.CreateWindowed(WS_OVERLAPPEDWINDOW, 0, 0, 0, 100, 100, nullptr);
            app.setMainWindow(&a);
            ValidateRect(a.hwnd(), nullptr);
            ValidateRect(b.hwnd(), nullptr);
            app.InvalidateAll();
            RECT rect;
            aDirty = GetUpdateRect(a.hwnd(), &rect, FALSE) != 0;
            bDirty = GetUpdateRect(b.hwnd(), &rect, FALSE) != 0;
            PostQuitMessage(0);
          }),
          Instance(), nullptr, "", SW_HIDE);
  EXPECT_TRUE(aDirty);
  EXPECT_TRUE(bDirty);
  DestroyWindow(a.hwnd());
  DestroyWindow(b.hwnd());
}
