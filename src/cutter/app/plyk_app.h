#pragma once
// The application object of Plyk2: the shared start-up with "PlykII.cfg" (1720
// bytes) and the sprite cutter's file association, the main frame at its remembered
// rectangle, and the sprite file named on the command line.

#include <memory>
#include <string>

#include "cutter/app/main_frame.h"
#include "cutter/editor/cutter_settings.h"
#include "framework/settings_app.h"

class PlykApp : public SettingsApp {
 public:
  PlykApp();
  ~PlykApp() override;

  int InitInstance() override;
  int CreateMainWindow(HINSTANCE instance, int showCommand) override;
  int OpenCommandLine(const std::string& path, const std::string& title) override;

 protected:
  const char* settingsFileName() const override { return "PlykII.cfg"; }
  void takeSettings(const std::vector<uint8_t>& fileBytes) override;
  std::vector<uint8_t> settingsBytes() const override;
  std::vector<AssociationValue> association(const std::string& programDirectory) const override;

 private:
  CutterSettings settings_;
  std::unique_ptr<PlykFrame> frame_;
};
