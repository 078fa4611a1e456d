#include "cutter/app/main_frame.h"

#include "cutter/editor/frame_text.h"
#include "cutter/resource_ids.h"
#include "framework/app.h"
#include "ui/status_text.h"

namespace {

constexpr int kToolBarId = 1;
constexpr int kStatusBarId = 2;
constexpr int kFrameScrollBarId = 3;

WNDPROC g_toolBarProc = nullptr;

// The frame scroll bar lives on the tool bar, so its scroll messages arrive there;
// they go on to the frame, then the tool bar handles the message as usual.
LRESULT CALLBACK ToolBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HSCROLL) SendMessageW(GetParent(hwnd), WM_HSCROLL, wParam, lParam);
  return CallWindowProcW(g_toolBarProc, hwnd, message, wParam, lParam);
}

// Screen rectangles the owned windows start with.
constexpr RECT kSpriteWindowRect = {0, 0, 250, 150};
constexpr RECT kDetailWindowRect = {300, 0, 400, 125};

}  // namespace

PlykFrame::PlykFrame() : aboutDialog_(IDD_PLYK_ABOUT) {}

void PlykFrame::createToolBar() {
  std::vector<ToolButton> buttons(26, Separator());  // room for the frame scroll bar
  buttons.push_back({PLYK_TBI_OPEN_PICTURE, ID_PLYK_IMPORT_PICTURE});
  buttons.push_back(Separator());
  buttons.push_back({PLYK_TBI_OUTWARD_CUT, ID_PLYK_TOOL_OUTWARD_CUT});
  buttons.push_back({PLYK_TBI_INWARD_CUT, ID_PLYK_TOOL_INWARD_CUT});
  buttons.push_back({PLYK_TBI_FREE_CUT, ID_PLYK_TOOL_FREE_CUT});
  buttons.push_back({PLYK_TBI_FIXED_CUT, ID_PLYK_TOOL_FIXED_CUT});
  buttons.push_back({PLYK_TBI_GRID_CUT, ID_PLYK_TOOL_GRID_CUT});
  buttons.push_back({PLYK_TBI_PICK_TRANSPARENT, ID_PLYK_TOOL_PICK});
  buttons.push_back({PLYK_TBI_CUT_SIZE, ID_PLYK_CUT_SIZE});
  buttons.push_back(Separator());
  buttons.push_back({PLYK_TBI_ABOUT, ID_PLYK_ABOUT});
  toolBar_.create(hwnd(), instance(), kToolBarId, IDB_PLYK_TOOLBAR, PLYK_TOOLBAR_IMAGE_COUNT, buttons);
  if (toolBar_.hwnd() != nullptr) {
    g_toolBarProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(toolBar_.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToolBarProc)));
  }
  frameScrollBar_ = CreateWindowExW(
      0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 3, 200, 20, toolBar_.hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFrameScrollBarId)), instance(), nullptr);
  // No picture yet: nothing to scroll through.
  if (frameScrollBar_ != nullptr) EnableWindow(frameScrollBar_, FALSE);
}

void PlykFrame::OnCreate() {
  cachedTitle_.clear();
  statusBar_.create(hwnd(), instance(), kStatusBarId);
  createToolBar();

  canvas_.Setup(instance(), SW_HIDE, "주작업윈도우", this);
  canvas_.SetClass(-1, -1, IDCUR_PLYK_TRANSPARENT, -1);
  canvas_.CreateWindowed(WS_CHILD | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 0, 28, 100, 100, nullptr);

  const DWORD ownedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VSCROLL;
  spriteWindow_.Setup(instance(), SW_SHOWNOACTIVATE, "스프라이트 창", this);
  spriteWindow_.SetClass(-1, IDI_PLYK_SPRITE_WINDOW, -1, -1);
  spriteWindow_.CreateWindowed(ownedStyle, WS_EX_CLIENTEDGE, kSpriteWindowRect.left, kSpriteWindowRect.top,
                               kSpriteWindowRect.right - kSpriteWindowRect.left,
                               kSpriteWindowRect.bottom - kSpriteWindowRect.top, nullptr);
  detailWindow_.Setup(instance(), SW_SHOWNOACTIVATE, "자세히 보기 창", this);
  detailWindow_.SetClass(-1, IDI_PLYK_SPRITE_WINDOW, -1, -1);
  detailWindow_.CreateWindowed(ownedStyle, WS_EX_CLIENTEDGE, kDetailWindowRect.left, kDetailWindowRect.top,
                               kDetailWindowRect.right - kDetailWindowRect.left,
                               kDetailWindowRect.bottom - kDetailWindowRect.top, nullptr);
}

void PlykFrame::OnDestroy() {}

void PlykFrame::layout(int width, int height) {
  statusBar_.resize();
  statusBar_.setParts(StatusPartEdges(width));
  toolBar_.moveToTop(width);
  (void)height;  // the canvas is placed once a picture frame exists
}

void PlykFrame::refreshTitleAndStatus() {
  CutterTitleState state;
  std::string title = CutterTitle(state);
  if (title != cachedTitle_) {
    cachedTitle_ = title;
    setTitle(title);
  }
  statusBar_.setText(0, " 준비");
  statusBar_.setText(1, ZoomText(zoom_));
  statusBar_.setText(2, "");  // the canvas is hidden
}

void PlykFrame::OnPaint(HDC, PAINTSTRUCT*) {
  refreshTitleAndStatus();
}

void PlykFrame::OnCommand(WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case ID_PLYK_ABOUT:
      ShowDialog(this, &aboutDialog_);
      break;
    case ID_PLYK_EXIT:
      SendMessageW(hwnd(), WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
}

int PlykFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (BaseWindow::HandleMessage(message, wParam, lParam) != 0) return 1;
  switch (message) {
    case WM_SIZE:
      layout(LOWORD(lParam), HIWORD(lParam));
      return 1;
    case WM_CLOSE:
      DestroyWindow(hwnd());
      return 1;
    case WM_NOTIFY:
      return AnswerToolTip(instance(), lParam) ? 1 : 0;
    case WM_DROPFILES:
      DragFinish(reinterpret_cast<HDROP>(wParam));
      return 1;
    default:
      return 0;
  }
}
