#pragma once
// A window that shows graphics: it owns a Surface as large as the screen and a
// DrawContext over it, and paints by clearing the surface, letting the subclass draw
// its whole content, and presenting the surface at the window's zoom. Its view
// converts client points to document points at zoom 1 to 4 with scroll offsets, and
// keeps the window's scroll bars in step with it. A canvas that draws its own cursor
// turns the system pointer off over its client area.

#include <functional>
#include <memory>

#include "framework/base_window.h"
#include "framework/dib_presenter.h"
#include "graphics/bitmap_font.h"
#include "graphics/draw_context.h"
#include "graphics/surface.h"
#include "ui/zoom_view.h"

// The program's custom resources every drawing window starts with.
struct DrawResources {
  int palette = 0;     // "PALETTE"
  int asciiFont = 0;   // "FONTS"
  int hangulFont = 0;  // "FONTS"
};

class DrawWindow : public BaseWindow {
 public:
  DrawWindow();
  ~DrawWindow() override;

  // Set once by each program before its first drawing window is created.
  static void SetResources(const DrawResources& resources);

  int HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  Surface* surface() { return surface_.get(); }
  DrawContext* context() { return context_.get(); }
  // The presenting zoom; setZoom also sets the view's zoom (1 to 4).
  float zoom() const { return zoom_; }
  void setZoom(float zoom);

  // The zoomed, scrolled view; the window keeps its client size current.
  ZoomView& view() { return view_; }
  const ZoomView& view() const { return view_; }
  // Writes the view's ranges and positions to the window's scroll bars; a bar with
  // nothing to scroll is disabled.
  void syncScrollBars();
  // One scroll bar set directly (range 0 ... max, disabled when max is 0).
  void setScrollBar(ScrollAxis axis, int max, int position);
  // Hides the system pointer over the client area: the window draws its own.
  void setOwnCursor(bool own) { ownCursor_ = own; }

  // Gives the surface a palette block (palette and mixing table).
  void setPalette(const uint8_t* paletteBlock);
  // Draws outside a paint (playback): clears the surface, lets `draw` draw, and
  // presents at once.
  void drawNow(const std::function<void(DrawContext&)>& draw);
  // Shows what was drawn into the context outside a paint, at the window's zoom.
  void presentNow();

 private:
  void createSurface();
  void paint();

  std::unique_ptr<Surface> surface_;
  std::unique_ptr<DrawContext> context_;
  DibPresenter presenter_;
  BitmapFont asciiFont_;
  BitmapFont hangulFont_;
  float zoom_ = 1.0f;
  ZoomView view_;
  bool ownCursor_ = false;
};
