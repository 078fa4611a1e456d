#include "cutter/app/main_frame.h"

#include "cutter/editor/frame_text.h"
#include "cutter/resource_ids.h"
#include "framework/app.h"
#include "ui/status_text.h"

namespace {

constexpr int kToolBarId = 1;
constexpr int kStatusBarId = 2;
constexpr int kFrameScrollBarId = 3;

}  // namespace

PlykFrame::PlykFrame() : aboutDialog_(IDD_PLYK_ABOUT) {
  commands().add(ID_PLYK_ABOUT, [this] { ShowDialog(this, &aboutDialog_); });
  commands().add(ID_PLYK_EXIT, [this] { SendMessageW(hwnd(), WM_CLOSE, 0, 0); });
}

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
  // The frame scroll bar lives on the tool bar; its scroll messages belong to the frame.
  toolBar_.forwardChildMessages();
  frameScrollBar_ = CreateWindowExW(
      0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 3, 200, 20, toolBar_.hwnd(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFrameScrollBarId)), instance(), nullptr);
  // No picture yet: nothing to scroll through.
  if (frameScrollBar_ != nullptr) EnableWindow(frameScrollBar_, FALSE);
}

void PlykFrame::OnCreate() {
  statusBar_.create(hwnd(), instance(), kStatusBarId);
  createToolBar();

  canvas_.Setup(instance(), SW_HIDE, "주작업윈도우", this);
  canvas_.SetClass(-1, -1, IDCUR_PLYK_TRANSPARENT, -1);
  canvas_.CreateWindowed(WS_CHILD | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 0, 28, 100, 100, nullptr);

  const OwnedWindowStyle scrolled{WS_VSCROLL, 0};
  spriteWindow_.createOwned(this, "스프라이트 창", IDI_PLYK_SPRITE_WINDOW, &spriteWindowRect_, true, scrolled);
  detailWindow_.createOwned(this, "자세히 보기 창", IDI_PLYK_SPRITE_WINDOW, &detailWindowRect_, true, scrolled);
}

void PlykFrame::OnSize(int width, int height, UINT) {
  layout(width, height);
}

bool PlykFrame::OnNotify(const NMHDR& header, LRESULT&) {
  return AnswerToolTip(instance(), reinterpret_cast<LPARAM>(&header));
}

void PlykFrame::layout(int width, int height) {
  statusBar_.resize();
  statusBar_.setParts(StatusPartEdges(width));
  toolBar_.moveToTop(width);
  (void)height;  // the canvas is placed once a picture frame exists
}

void PlykFrame::refreshTitleAndStatus() {
  CutterTitleState state;
  setTitle(CutterTitle(state));
  statusBar_.setText(0, " 준비");
  statusBar_.setText(1, ZoomText(zoom_));
  statusBar_.setText(2, "");  // the canvas is hidden
}

void PlykFrame::OnPaint(HDC, PAINTSTRUCT*) {
  refreshTitleAndStatus();
}
