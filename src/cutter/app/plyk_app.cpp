#include "cutter/app/plyk_app.h"

#include "cutter/resource_ids.h"
#include "framework/draw_window.h"

PlykApp::PlykApp() {
  setAcceleratorId(IDR_PLYK_ACCELERATORS);
}

int PlykApp::InitInstance() {
  programDirectory_ = ProgramDirectory();
  DrawWindow::SetResources({IDR_PLYK_PALETTE, IDR_PLYK_FONT_ASCII, IDR_PLYK_FONT_HANGUL});
  return 0;
}

int PlykApp::CreateMainWindow(HINSTANCE instance, int showCommand) {
  frame_ = std::make_unique<PlykFrame>();
  frame_->Setup(instance, showCommand, "Plyk2", nullptr);
  frame_->SetClass(LTGRAY_BRUSH, IDI_PLYK_APP, -1, IDR_PLYK_MAIN_MENU);
  // The system chooses position and size.
  frame_->CreateWindowed(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_ACCEPTFILES, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
  setMainWindow(frame_.get());
  return 0;
}
