#include "framework/draw_window.h"

#include "framework/dialog_base.h"
#include "framework/resource_data.h"
#include "sprites/palette.h"

namespace {
DrawResources g_resources;
}

void DrawWindow::SetResources(const DrawResources& resources) {
  g_resources = resources;
}

DrawWindow::DrawWindow() = default;
DrawWindow::~DrawWindow() = default;

void DrawWindow::createSurface() {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  presenter_.setWindow(hwnd());
  surface_ = std::make_unique<Surface>();
  SurfaceParams params;
  params.presenter = &presenter_;
  params.width = screenWidth;
  params.height = screenHeight;
  params.windowed = 1;
  params.rate = 60;
  surface_->Create(params);
  if (surface_->GetMessage() != nullptr)
    ShowMessage(hwnd(), surface_->GetMessage(), "DIB error!", MB_OK | MB_ICONERROR);

  ResourceBytes palette = LoadResourceBytes(instance(), g_resources.palette, "PALETTE");
  if (palette.data != nullptr && palette.size >= kPaletteBlockSize) setPalette(palette.data);

  context_ = std::make_unique<DrawContext>(surface_.get(), DrawRectangle{0, 0, screenWidth, screenHeight});
  ResourceBytes ascii = LoadResourceBytes(instance(), g_resources.asciiFont, "FONTS");
  ResourceBytes hangul = LoadResourceBytes(instance(), g_resources.hangulFont, "FONTS");
  bool asciiReady = ascii.data != nullptr && ParseBitmapFont(ascii.data, ascii.size, asciiFont_);
  bool hangulReady = hangul.data != nullptr && ParseBitmapFont(hangul.data, hangul.size, hangulFont_);
  context_->SetFonts(asciiReady ? &asciiFont_ : nullptr, hangulReady ? &hangulFont_ : nullptr);
  context_->setBackground(255);
  context_->setTextColour(0);
}

void DrawWindow::setPalette(const uint8_t* paletteBlock) {
  if (surface_ != nullptr && paletteBlock != nullptr) surface_->SetPalette(0, 256, paletteBlock, 1);
}

void DrawWindow::paint() {
  PAINTSTRUCT paintRecord;
  HDC dc = BeginPaint(hwnd(), &paintRecord);
  if (context_ != nullptr) {
    context_->Begin();
    context_->Lock();
    OnPaint(dc, &paintRecord);
    context_->Unlock();
  } else {
    OnPaint(dc, &paintRecord);
  }
  EndPaint(hwnd(), &paintRecord);
  // Presented through a device context of its own: the paint's context is clipped to
  // the update rectangle, and what changed may lie outside it.
  if (context_ != nullptr) {
    presenter_.exposed(paintRecord.rcPaint);
    surface_->Present(zoom_);
  }
}

void DrawWindow::invalidate(bool) {
  // One pixel brings a paint, which redraws the surface and shows what changed. The
  // update rectangle then holds only that pixel and what the screen lost (another
  // window was over it), which is shown again whether it changed or not.
  const RECT pixel{0, 0, 1, 1};
  if (hwnd() != nullptr) InvalidateRect(hwnd(), &pixel, FALSE);
}

void DrawWindow::presentNow() {
  if (surface_ != nullptr && hwnd() != nullptr) surface_->Present(zoom_);
}

void DrawWindow::setScrollBar(ScrollAxis axis, int max, int position) {
  if (hwnd() == nullptr) return;
  const int bar = axis == ScrollAxis::Horizontal ? SB_HORZ : SB_VERT;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = max > 0 ? max : 0;
  info.nPage = 0;
  info.nPos = position;
  SetScrollInfo(hwnd(), bar, &info, TRUE);
  EnableScrollBar(hwnd(), bar, max > 0 ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

int DrawWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      createSurface();
      OnCreate();
      return 1;
    case WM_DESTROY:
      OnDestroy();
      context_.reset();
      surface_.reset();
      if (quitsOnDestroy()) PostQuitMessage(0);
      return 1;
    case WM_PAINT:
      paint();
      return 1;
    case WM_ERASEBKGND:
      // The whole client area is painted from the surface.
      setResult(1);
      return 1;
    default:
      return BaseWindow::HandleMessage(message, wParam, lParam);
  }
}
