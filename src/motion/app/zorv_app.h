#pragma once
// The application object of Zorv2.

#include <memory>
#include <string>

#include "framework/app.h"
#include "motion/app/main_frame.h"

class ZorvApp : public App {
 public:
  ZorvApp();
  int InitInstance() override;
  int CreateMainWindow(HINSTANCE instance, int showCommand) override;
  // Playback runs in idle time on the main frame.
  bool OnIdle() override;

  const std::string& programDirectory() const { return programDirectory_; }

 private:
  std::string programDirectory_;
  std::unique_ptr<ZorvFrame> frame_;
};
