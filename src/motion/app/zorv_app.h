#pragma once
// The application object of Zorv2: its settings file "ZorvII.cfg" beside the program,
// the ".zrv" association on the first run, the main frame, the motion file named on
// the command line, and playback in idle time.

#include <memory>
#include <string>

#include "framework/settings_app.h"
#include "motion/app/main_frame.h"
#include "motion/editor/zorv_settings.h"

class ZorvApp : public SettingsApp {
 public:
  ZorvApp();
  ~ZorvApp() override;

  int InitInstance() override;
  int CreateMainWindow(HINSTANCE instance, int showCommand) override;
  int OpenCommandLine(const std::string& path, const std::string& title) override;
  bool OnIdle() override;

 protected:
  const char* settingsFileName() const override { return "ZorvII.cfg"; }
  void takeSettings(const std::vector<uint8_t>& fileBytes) override;
  std::vector<uint8_t> settingsBytes() const override;
  std::vector<AssociationValue> association(const std::string& programDirectory) const override;

 private:
  ZorvSettings settings_;  // as read, until the frame's editor holds them
  std::unique_ptr<ZorvFrame> frame_;
};
