#include "motion/app/main_frame.h"

#include "framework/app.h"
#include "framework/resource_data.h"
#include "framework/settings_app.h"
#include "motion/editor/frame_text.h"
#include "motion/resource_ids.h"
#include "sprites/sprite_file.h"

namespace {

constexpr int kToolBarId = 1;
constexpr int kStatusBarId = 2;
// Room the tool bar leaves for the bundle selector, and the selector itself.
constexpr int kSelectorSeparators = 26;
constexpr int kSelectorX = 0, kSelectorY = 3, kSelectorWidth = 200, kSelectorHeight = 250;
}  // namespace

ZorvFrame::ZorvFrame(HINSTANCE instance, const ZorvSettings& settings)
    : host_(
          *this, [this](unsigned windows) { refresh(windows); }, canvas_, spriteWindow_, motionWindow_,
          bundleSelector_) {
  editor_ = std::make_unique<MotionFrameEditor>(
      host_, settings, LoadPaletteResource(instance, IDR_ZORV_PALETTE, ZORV_RT_PALETTE));
  // Menu, keys and tool bar all run through the editor's commands.
  bindCommands(editor_->commands());
  canvas_.attach(&editor_->canvas());
  spriteWindow_.attach(&editor_->spriteWindow(), IDR_ZORV_SPRITE_POPUP);
  motionWindow_.attach(&editor_->motionWindow(), IDR_ZORV_MOTION_POPUP);
}

ZorvFrame::~ZorvFrame() = default;

void ZorvFrame::OnCreate() {
  uiFont_ = CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGUL_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"굴림");
  statusBar_.create(hwnd(), instance(), kStatusBarId);
  createToolBar();
  createChildWindows();
  editor_->start();
  refreshFrame();
}

void ZorvFrame::createToolBar() {
  std::vector<ToolButton> buttons(kSelectorSeparators, Separator());
  const ToolButton tools[] = {{ZORV_TBI_NEW_BUNDLE, ID_ZORV_NEW_BUNDLE},
                              {ZORV_TBI_DELETE_BUNDLE, ID_ZORV_DELETE_BUNDLE},
                              Separator(),
                              {ZORV_TBI_STAMP, ID_ZORV_TOOL_STAMP},
                              {ZORV_TBI_DRAG, ID_ZORV_TOOL_DRAG},
                              {ZORV_TBI_BOX, ID_ZORV_TOOL_BOX},
                              {ZORV_TBI_POINT, ID_ZORV_TOOL_POINT},
                              {ZORV_TBI_BASE_LINE, ID_ZORV_TOOL_BASE_LINE},
                              {ZORV_TBI_INFO, ID_ZORV_TOOL_INFO},
                              Separator(),
                              {ZORV_TBI_FLAGS, ID_ZORV_FLAGS},
                              {ZORV_TBI_SOUND, ID_ZORV_SOUND},
                              {ZORV_TBI_DELAY, ID_ZORV_DELAY},
                              Separator(),
                              {ZORV_TBI_PLAY, ID_ZORV_PLAY},
                              Separator(),
                              {ZORV_TBI_ABOUT, ID_ZORV_ABOUT}};
  buttons.insert(buttons.end(), std::begin(tools), std::end(tools));
  toolBar_.create(hwnd(), instance(), kToolBarId, IDB_ZORV_TOOLBAR, ZORV_TOOLBAR_IMAGE_COUNT, buttons);
  // The bundle selector lives on the tool bar; its notifications belong to the frame.
  toolBar_.forwardChildMessages();
  bundleSelector_.create(toolBar_.hwnd(), instance(), IDC_ZORV_BUNDLE_SELECTOR, kSelectorX, kSelectorY,
                         kSelectorWidth, kSelectorHeight, uiFont_);
}

void ZorvFrame::createChildWindows() {
  canvas_.Setup(instance(), SW_HIDE, "주작업윈도우", this);
  canvas_.SetClass(-1, -1, IDCUR_ZORV_TRANSPARENT, -1);
  const CanvasPlacement area = PlaceMotionCanvas(clientWidth(), clientHeight());
  canvas_.CreateWindowed(WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE, area.x, area.y, area.width,
                         area.height, nullptr);
  const ResourceBytes glyphs = LoadResourceBytes(instance(), IDR_ZORV_POINTER_SPRITES, ZORV_RT_SPRITE);
  if (glyphs.data != nullptr && LoadSpritesFromMemory(glyphs_, glyphs.data, glyphs.size))
    editor_->canvas().setGlyphs(&glyphs_);

  ZorvSettings& settings = editor_->settings();
  const OwnedWindowStyle listStyle{WS_VSCROLL, 0};
  spriteWindow_.createOwned(this, "스프라이트 창", IDI_ZORV_SPRITE_WINDOW, &settings.spriteWindow,
                            settings.spriteWindowShown, listStyle);
  motionWindow_.createOwned(this, "동작 창", IDI_ZORV_MOTION_WINDOW, &settings.motionWindow, false,
                            listStyle);
}

void ZorvFrame::OnDestroy() {
  editor_->frameClosing(RestoredRect(hwnd()));
  if (uiFont_ != nullptr) DeleteObject(uiFont_);
  uiFont_ = nullptr;
}

void ZorvFrame::OnPaint(HDC, PAINTSTRUCT*) {
  refreshFrame();
}

void ZorvFrame::OnCommand(WPARAM wParam) {
  // The selector reports focus, opening and closing too; only a new choice counts.
  if (LOWORD(wParam) == IDC_ZORV_BUNDLE_SELECTOR && HIWORD(wParam) != CBN_SELCHANGE) return;
  BaseWindow::OnCommand(wParam);
}

void ZorvFrame::OnSize(int width, int height, UINT kind) {
  statusBar_.resize();
  toolBar_.moveToTop(width);
  if (kind <= SIZE_MAXIMIZED) editor_->resize(static_cast<SizeKind>(kind), width, height);
  statusBar_.setParts(editor_->statusPartEdges());
}

bool ZorvFrame::OnNotify(const NMHDR& header, LRESULT&) {
  return AnswerToolTip(instance(), reinterpret_cast<LPARAM>(&header));
}

bool ZorvFrame::OnClose() {
  editor_->close();
  return true;
}

void ZorvFrame::OnDropFiles(const std::vector<DroppedFile>& files) {
  editor_->dropFiles(PathsOf(files));
}

bool ZorvFrame::Idle() {
  // The sound device opens once the frame is shown and painted: under Wine opening
  // it takes a tenth of the start-up, which the user need not wait for.
  if (!soundStarted_) startSound();
  return editor_->idle();
}

void ZorvFrame::startSound() {
  soundStarted_ = true;
  if (!host_.player().init(hwnd())) editor_->soundUnavailable(host_.player().message());
}

void ZorvFrame::refreshFrame() {
  if (hwnd() == nullptr) return;
  setTitle(editor_->title());
  refreshStatus();
  toolBar_.applyState(commands());
}

void ZorvFrame::refreshStatus() {
  const std::array<std::string, 3> status = editor_->statusTexts();
  for (int part = 0; part < 3; ++part) statusBar_.setText(part, status[part]);
}

void ZorvFrame::refresh(unsigned windows) {
  if (windows & kRepaintFrame) refreshFrame();
  if ((windows & (kRepaintFrame | kRepaintStatus)) == kRepaintStatus) refreshStatus();
  if (windows & kRepaintBundleSelector)
    bundleSelector_.setItems(editor_->bundleNames(), editor_->currentBundleIndex());
}
