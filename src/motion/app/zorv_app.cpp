#include "motion/app/zorv_app.h"

#include "framework/draw_window.h"
#include "motion/resource_ids.h"

ZorvApp::ZorvApp() {
  setAcceleratorId(IDR_ZORV_ACCELERATORS);
}

ZorvApp::~ZorvApp() = default;

int ZorvApp::InitInstance() {
  DrawWindow::SetResources({IDR_ZORV_PALETTE, IDR_ZORV_FONT_ASCII, IDR_ZORV_FONT_HANGUL});
  return SettingsApp::InitInstance();
}

void ZorvApp::takeSettings(const std::vector<uint8_t>& fileBytes) {
  settings_ = DecodeZorvSettings(fileBytes, DesktopArea());
}

std::vector<uint8_t> ZorvApp::settingsBytes() const {
  return EncodeZorvSettings(frame_ != nullptr ? frame_->editor().settings() : settings_);
}

std::vector<AssociationValue> ZorvApp::association(const std::string& programDirectory) const {
  return MotionEditorAssociation(programDirectory);
}

int ZorvApp::CreateMainWindow(HINSTANCE instance, int showCommand) {
  frame_ = std::make_unique<ZorvFrame>(instance, settings_);
  frame_->editor().setProgramDirectory(programDirectory());
  frame_->Setup(instance, settings_.maximised ? SW_SHOWMAXIMIZED : showCommand, "Zorv2", nullptr);
  frame_->SetClass(GRAY_BRUSH, IDI_ZORV_APP, -1, IDR_ZORV_MAIN_MENU);
  CreateFrameAt(*frame_, settings_.mainWindow);
  setMainWindow(frame_.get());
  return 0;
}

int ZorvApp::OpenCommandLine(const std::string& path, const std::string& title) {
  if (path.empty() || title.empty() || frame_ == nullptr) return 0;
  if (frame_->editor().openFile(path, title)) return 0;
  // A document that cannot be opened ends the program before its loop, and the
  // settings file stays as it was.
  skipSettingsWrite();
  return -1;
}

bool ZorvApp::OnIdle() {
  return frame_ != nullptr && frame_->Idle();
}
