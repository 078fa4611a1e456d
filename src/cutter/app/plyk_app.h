#pragma once
// The application object of Plyk2.

#include <memory>
#include <string>

#include "cutter/app/main_frame.h"
#include "framework/app.h"

class PlykApp : public App {
 public:
  PlykApp();
  int InitInstance() override;
  int CreateMainWindow(HINSTANCE instance, int showCommand) override;

  const std::string& programDirectory() const { return programDirectory_; }

 private:
  std::string programDirectory_;
  std::unique_ptr<PlykFrame> frame_;
};
