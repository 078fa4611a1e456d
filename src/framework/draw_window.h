#pragma once
// A window that shows graphics: it owns a Surface as large as the screen and a
// DrawContext over it, and paints by clearing the surface, letting the subclass draw
// its whole content, and presenting the surface at the window's zoom.

#include <memory>

#include "framework/base_window.h"
#include "framework/dib_presenter.h"
#include "graphics/bitmap_font.h"
#include "graphics/draw_context.h"
#include "graphics/surface.h"
#include "ui/scroll_code.h"

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
  // Asks for a paint; the surface is presented where it changed.
  void invalidate(bool erase = true) override;

  Surface* surface() { return surface_.get(); }
  DrawContext* context() { return context_.get(); }
  // The presenting zoom.
  float zoom() const { return zoom_; }
  void setZoom(float zoom) { zoom_ = zoom; }

  // One scroll bar set directly (range 0 ... max, disabled when max is 0).
  void setScrollBar(ScrollAxis axis, int max, int position);

  // Gives the surface a palette block (palette and mixing table).
  void setPalette(const uint8_t* paletteBlock);
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
};
