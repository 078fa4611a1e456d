#include "motion/app/zorv_app.h"

#include "framework/draw_window.h"
#include "motion/resource_ids.h"

ZorvApp::ZorvApp() {
  setAcceleratorId(IDR_ZORV_ACCELERATORS);
}

int ZorvApp::InitInstance() {
  programDirectory_ = ProgramDirectory();
  DrawWindow::SetResources({IDR_ZORV_PALETTE, IDR_ZORV_FONT_ASCII, IDR_ZORV_FONT_HANGUL});
  return 0;
}

int ZorvApp::CreateMainWindow(HINSTANCE instance, int showCommand) {
  frame_ = std::make_unique<ZorvFrame>();
  frame_->Setup(instance, showCommand, "Zorv2", nullptr);
  frame_->SetClass(GRAY_BRUSH, IDI_ZORV_APP, -1, IDR_ZORV_MAIN_MENU);
  // The system chooses position and size.
  frame_->CreateWindowed(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_ACCEPTFILES, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
  setMainWindow(frame_.get());
  return 0;
}

bool ZorvApp::OnIdle() {
  return frame_ != nullptr && frame_->Idle();
}
