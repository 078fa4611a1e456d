#include "cutter/app/plyk_app.h"

#include "cutter/resource_ids.h"
#include "framework/draw_window.h"
#include "framework/resource_data.h"

PlykApp::PlykApp() {
  setAcceleratorId(IDR_PLYK_ACCELERATORS);
}

PlykApp::~PlykApp() = default;

int PlykApp::InitInstance() {
  DrawWindow::SetResources({IDR_PLYK_PALETTE, IDR_PLYK_FONT_ASCII, IDR_PLYK_FONT_HANGUL});
  return SettingsApp::InitInstance();
}

void PlykApp::takeSettings(const std::vector<uint8_t>& fileBytes) {
  settings_ = DecodeCutterSettings(fileBytes, DesktopArea());
}

std::vector<uint8_t> PlykApp::settingsBytes() const {
  return EncodeCutterSettings(frame_ != nullptr ? frame_->editor().settings() : settings_);
}

std::vector<AssociationValue> PlykApp::association(const std::string& programDirectory) const {
  return SpriteCutterAssociation(programDirectory);
}

int PlykApp::CreateMainWindow(HINSTANCE instance, int showCommand) {
  frame_ = std::make_unique<PlykFrame>(settings_,
                                       LoadPaletteResource(instance, IDR_PLYK_PALETTE, PLYK_RT_PALETTE));
  frame_->editor().setProgramDirectory(programDirectory());
  frame_->Setup(instance, settings_.maximised ? SW_SHOWMAXIMIZED : showCommand, "Plyk2", nullptr);
  frame_->SetClass(LTGRAY_BRUSH, IDI_PLYK_APP, -1, IDR_PLYK_MAIN_MENU);
  CreateFrameAt(*frame_, settings_.frameRect);
  setMainWindow(frame_.get());
  return 0;
}

int PlykApp::OpenCommandLine(const std::string& path, const std::string& title) {
  if (frame_ == nullptr) return 0;
  if (frame_->editor().openCommandLine(path, title) != CommandLineOutcome::EndProgram) return 0;
  // The program ends before its loop, and its settings file stays as it was.
  skipSettingsWrite();
  return -1;
}
