#include "motion/app/main_frame.h"

#include "framework/app.h"
#include "ui/status_text.h"
#include "motion/editor/frame_text.h"
#include "motion/resource_ids.h"

namespace {

constexpr int kToolBarId = 1;
constexpr int kStatusBarId = 2;

}  // namespace

ZorvFrame::ZorvFrame() : aboutDialog_(IDD_ZORV_ABOUT) {
  commands().add(ID_ZORV_ABOUT, [this] { ShowDialog(this, &aboutDialog_); });
  commands().add(ID_ZORV_EXIT, [this] { SendMessageW(hwnd(), WM_CLOSE, 0, 0); });
}

void ZorvFrame::createToolBar() {
  std::vector<ToolButton> buttons(26, Separator());  // room for the bundle selector
  buttons.push_back({ZORV_TBI_NEW_BUNDLE, ID_ZORV_NEW_BUNDLE});
  buttons.push_back({ZORV_TBI_DELETE_BUNDLE, ID_ZORV_DELETE_BUNDLE});
  buttons.push_back(Separator());
  buttons.push_back({ZORV_TBI_STAMP, ID_ZORV_TOOL_STAMP});
  buttons.push_back({ZORV_TBI_DRAG, ID_ZORV_TOOL_DRAG});
  buttons.push_back({ZORV_TBI_BOX, ID_ZORV_TOOL_BOX});
  buttons.push_back({ZORV_TBI_POINT, ID_ZORV_TOOL_POINT});
  buttons.push_back({ZORV_TBI_BASE_LINE, ID_ZORV_TOOL_BASE_LINE});
  buttons.push_back({ZORV_TBI_INFO, ID_ZORV_TOOL_INFO});
  buttons.push_back(Separator());
  buttons.push_back({ZORV_TBI_FLAGS, ID_ZORV_FLAGS});
  buttons.push_back({ZORV_TBI_SOUND, ID_ZORV_SOUND});
  buttons.push_back({ZORV_TBI_DELAY, ID_ZORV_DELAY});
  buttons.push_back(Separator());
  buttons.push_back({ZORV_TBI_PLAY, ID_ZORV_PLAY});
  buttons.push_back(Separator());
  buttons.push_back({ZORV_TBI_ABOUT, ID_ZORV_ABOUT});
  toolBar_.create(hwnd(), instance(), kToolBarId, IDB_ZORV_TOOLBAR, ZORV_TOOLBAR_IMAGE_COUNT, buttons);
  // The bundle selector lives on the tool bar; its notifications belong to the frame.
  toolBar_.forwardChildMessages();
  bundleSelector_ = CreateWindowExW(
      0, L"COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 3, 200, 250,
      toolBar_.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ZORV_BUNDLE_SELECTOR)), instance(),
      nullptr);
  if (bundleSelector_ != nullptr && uiFont_ != nullptr) {
    SendMessageW(bundleSelector_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_), TRUE);
  }
}

void ZorvFrame::OnCreate() {
  uiFont_ = CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGUL_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"굴림");
  statusBar_.create(hwnd(), instance(), kStatusBarId);
  createToolBar();

  canvas_.Setup(instance(), SW_HIDE, "주작업윈도우", this);
  canvas_.SetClass(-1, -1, IDCUR_ZORV_TRANSPARENT, -1);
  canvas_.CreateWindowed(WS_CHILD, WS_EX_CLIENTEDGE, 0, 28, 100, 100, nullptr);

  const OwnedWindowStyle toolStyle{0, WS_EX_TOOLWINDOW};
  spriteWindow_.createOwned(this, "스프라이트 창", IDI_ZORV_SPRITE_WINDOW, &spriteWindowRect_, true, toolStyle);
  motionWindow_.createOwned(this, "동작 창", IDI_ZORV_MOTION_WINDOW, &motionWindowRect_, true, toolStyle);
}

void ZorvFrame::OnDestroy() {
  if (uiFont_ != nullptr) DeleteObject(uiFont_);
  uiFont_ = nullptr;
}

void ZorvFrame::OnSize(int width, int height, UINT) {
  layout(width, height);
}

bool ZorvFrame::OnNotify(const NMHDR& header, LRESULT&) {
  return AnswerToolTip(instance(), reinterpret_cast<LPARAM>(&header));
}

void ZorvFrame::layout(int width, int height) {
  statusBar_.resize();
  statusBar_.setParts(StatusPartEdges(width));
  toolBar_.moveToTop(width);
  CanvasArea area = PlaceMotionCanvas(width, height);
  if (canvas_.hwnd() != nullptr) MoveWindow(canvas_.hwnd(), area.x, area.y, area.width, area.height, TRUE);
}

void ZorvFrame::refreshTitleAndStatus() {
  MotionTitleState state;
  setTitle(MotionTitle(state));
  statusBar_.setText(0, MotionToolText("준비", 0, false, false));
  statusBar_.setText(1, ZoomText(zoom_));
  statusBar_.setText(2, "");  // the canvas is hidden
}

void ZorvFrame::OnPaint(HDC, PAINTSTRUCT*) {
  refreshTitleAndStatus();
}

bool ZorvFrame::Idle() {
  return false;
}
