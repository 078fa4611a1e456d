// The typed handlers of a window, mouse capture during a drag, command tables in
// menus and accelerators, the zoom view of a drawing window and the shared owned
// window, run for real under the system's window manager.

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/draw_window.h"
#include "framework/owned_window.h"
#include "framework/text_codec.h"
#include "test_resources.h"

namespace {

// Records every typed handler call as a line of text.
class TypedWindow : public DrawWindow {
 public:
  void OnSize(int w, int h, UINT) override { log("size " + std::to_string(w) + "x" + std::to_string(h)); }
  void OnMouseMove(int x, int y) override {
    const ViewPoint p = view().clientToDocument(x, y);
    log("move " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  void OnLeftDown(int x, int y) override { log("down " + std::to_string(x) + "," + std::to_string(y)); }
  void OnLeftUp(int x, int y) override {
    upX = x;
    upY = y;
    log("up");
  }
  void OnRightDown(int x, int y) override { log("right " + std::to_string(x) + "," + std::to_string(y)); }
  bool OnKeyDown(UINT key) override {
    log("key " + std::to_string(key));
    return true;
  }
  void OnScroll(ScrollAxis axis, int code, int position, HWND) override {
    log((axis == ScrollAxis::Horizontal ? "hscroll " : "vscroll ") + std::to_string(code) + " " +
        std::to_string(position));
  }
  void OnTimer(UINT_PTR id) override { log("timer " + std::to_string(id)); }
  bool OnClose() override {
    log("close");
    return keepOnClose;
  }
  bool OnNotify(const NMHDR& header, LRESULT& result) override {
    log("notify " + std::to_string(header.code));
    result = 77;
    return true;
  }
  void OnDropFiles(const std::vector<DroppedFile>& files) override {
    for (const DroppedFile& f : files) log("drop " + f.path + (f.directory ? " (folder)" : ""));
  }
  void log(const std::string& line) { lines.push_back(line); }
  bool has(const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  std::vector<std::string> lines;
  bool keepOnClose = true;
  int upX = 0, upY = 0;
};

// Runs a test body while an application object is current, so its windows are routed.
class BodyApp : public App {
 public:
  explicit BodyApp(std::function<void()> body) : body_(std::move(body)) {}
  int CreateMainWindow(HINSTANCE, int) override {
    body_();
    return 0;  // no main window: the loop ends at once
  }

 private:
  std::function<void()> body_;
};

void InApp(std::function<void()> body) {
  AppMain(std::make_unique<BodyApp>(std::move(body)), GetModuleHandleW(nullptr), nullptr, "", SW_HIDE);
}

bool Create(BaseWindow& window, const char* className, DWORD style, int width, int height) {
  window.Setup(GetModuleHandleW(nullptr), SW_SHOWNORMAL, className, nullptr);
  window.SetClass(WHITE_BRUSH, -1, -1, -1);
  return window.CreateWindowed(style, 0, 100, 100, width, height, nullptr) != 0;
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
HGLOBAL DropRecord(const std::vector<std::wstring>& paths) {
  size_t chars = 1;
  for (const auto& p : paths) chars += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  auto* text = reinterpret_cast<wchar_t*>(drop + 1);
  for (const auto& p : paths) {
    std::memcpy(text, p.c_str(), p.size() * sizeof(wchar_t));
    text += p.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

TEST(BaseWindow, TypedHandlersReceiveTheirMessagesAndAnOwnedToolWindowStoresItsRectangle) {
  InApp([] {
    TypedWindow window;
    ASSERT_TRUE(Create(window, "시험 처리기", WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL, 300, 200));
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
    SendMessageW(w, WM_DROPFILES, reinterpret_cast<WPARAM>(DropRecord({L"C:\\\xC2DC\xD5D8\\a.plk", temp})),
                 0);
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

TEST(DrawWindow, ZoomViewAndADragThatLeavesTheWindowStillEndsThere) {
  InApp([] {
    // Client points at zoom three with scroll offsets.
    TypedWindow zoomed;
    zoomed.setQuitOnDestroy(false);
    ASSERT_TRUE(Create(zoomed, "시험 확대", WS_POPUP | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 400, 300));
    zoomed.view().setDocumentSize(1000, 800);
    zoomed.setZoom(3);
    zoomed.view().scroll(ScrollAxis::Horizontal, kScrollPageDown, 0);  // 60 document pixels
    zoomed.view().scroll(ScrollAxis::Vertical, kScrollLineDown, 0);    // 30
    zoomed.syncScrollBars();
    SendMessageW(zoomed.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(301, 299));
    EXPECT_TRUE(zoomed.has("move 160,129"));
    EXPECT_EQ(GetScrollPos(zoomed.hwnd(), SB_HORZ), 180);
    EXPECT_EQ(GetScrollPos(zoomed.hwnd(), SB_VERT), 90);
    // A document smaller than the client area: nothing to scroll, the bars are disabled.
    zoomed.view().setDocumentSize(10, 10);
    zoomed.syncScrollBars();
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    GetScrollBarInfo(zoomed.hwnd(), OBJID_HSCROLL, &bar);
    EXPECT_TRUE(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    DestroyWindow(zoomed.hwnd());

    // A drag that leaves the window still ends there.
    TypedWindow window;
    window.setQuitOnDestroy(false);
    ASSERT_TRUE(Create(window, "시험 끌기", WS_POPUP | WS_VISIBLE, 200, 150));
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
      commands().add(
          ID_TEST_GREYED, [this] { ++greyedRuns; }, [] { return false; });
      commands().add(
          ID_TEST_ALLOWED, [this] { ++allowedRuns; }, {}, [] { return true; });
    }
    int greyedRuns = 0, allowedRuns = 0;
  };
  static Frame* frame = nullptr;
  class KeyApp : public App {
   public:
    int CreateMainWindow(HINSTANCE, int) override {
      Create(*frame, "시험 명령표", WS_OVERLAPPEDWINDOW, 200, 100);
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
