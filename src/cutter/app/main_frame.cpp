#include "cutter/app/main_frame.h"

#include "cutter/resource_ids.h"
#include "framework/resource_data.h"
#include "framework/settings_app.h"

namespace {

constexpr int kToolBarId = 1;
constexpr int kStatusBarId = 2;
constexpr int kFrameScrollBarId = 3;

}  // namespace

PlykFrame::PlykFrame(const CutterSettings& settings, const PaletteBlock& builtinPalette)
    : host_(
          *this, [this] { refreshFrameBar(); }, [this] { refreshStatus(); }, canvas_, spriteWindow_,
          detailWindow_),
      editor_(host_, settings, builtinPalette),
      spriteRect_(settings.spriteWindowRect),
      detailRect_(settings.detailWindowRect) {
  canvas_.attach(&editor_);
  spriteWindow_.attach(&editor_.spriteWindow());
  detailWindow_.attach(&editor_.detailWindow());
  bindCommands(editor_.commands());
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
  frameBar_.create(toolBar_.hwnd(), instance(), kFrameScrollBarId, 0, 3, 200, 20);
}

void PlykFrame::OnCreate() {
  statusBar_.create(hwnd(), instance(), kStatusBarId);
  createToolBar();
  canvas_.create(this);
  spriteWindow_.create(this, &spriteRect_);
  detailWindow_.create(this, &detailRect_, editor_.settings().detailShown);
  const ResourceBytes pointers = LoadResourceBytes(instance(), IDR_PLYK_POINTER_SPRITES, PLYK_RT_SPRITE);
  if (pointers.data != nullptr) editor_.canvas().loadPointerSprites(pointers.data, pointers.size);
  refreshFrameBar();
  editor_.create();
}

void PlykFrame::OnDestroy() {
  // Owned windows may already be gone; each has left its rectangle behind.
  if (spriteWindow_.hwnd() != nullptr) spriteRect_ = RestoredRect(spriteWindow_.hwnd());
  if (detailWindow_.hwnd() != nullptr) detailRect_ = RestoredRect(detailWindow_.hwnd());
  editor_.storeWindowRects(RestoredRect(hwnd()), spriteRect_, detailRect_);
}

void PlykFrame::refreshFrameBar() {
  const ScrollBarState bar = editor_.frameBar();
  if (bar == frameBarShown_) return;
  frameBarShown_ = bar;
  frameBar_.set(bar.max, bar.position, bar.enabled);
}

void PlykFrame::OnPaint(HDC, PAINTSTRUCT*) {
  setTitle(editor_.title());
  refreshStatus();
  toolBar_.applyState(commands());
}

void PlykFrame::refreshStatus() {
  const std::array<std::string, 3> texts = editor_.statusTexts();
  for (int part = 0; part < 3; ++part) statusBar_.setText(part, texts[part]);
}

void PlykFrame::OnSize(int width, int height, UINT kind) {
  statusBar_.resize();
  toolBar_.moveToTop(width);
  if (kind <= SIZE_MAXIMIZED) editor_.resize(static_cast<SizeKind>(kind), width, height);
  statusBar_.setParts(editor_.statusPartEdges());
}

void PlykFrame::OnScroll(ScrollAxis axis, int code, int position, HWND control) {
  if (axis == ScrollAxis::Horizontal && control != nullptr && control == frameBar_.hwnd())
    editor_.frameScroll(code, position);
}

bool PlykFrame::OnNotify(const NMHDR& header, LRESULT&) {
  return AnswerToolTip(instance(), reinterpret_cast<LPARAM>(&header));
}

bool PlykFrame::OnClose() {
  editor_.close();
  return true;
}

void PlykFrame::OnDropFiles(const std::vector<DroppedFile>& files) {
  editor_.dropFiles(PathsOf(files));
}
