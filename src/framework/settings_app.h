#pragma once
// The start-up and exit steps both programs share: find the program's folder, read
// the settings file beside the program (on the first run, when there is none,
// register the program's file types for the current user), and write the settings
// back at exit. Each program supplies its file name, its block and its association.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/base_window.h"
#include "ui/file_association.h"
#include "ui/settings_block.h"

class SettingsApp : public App {
 public:
  int InitInstance() override;
  void ExitInstance() override;

  const std::string& programDirectory() const { return programDirectory_; }
  std::string settingsPath() const { return programDirectory_ + settingsFileName(); }
  // A program that ends before its loop (an invalid command-line document) leaves
  // its settings file as it was.
  void skipSettingsWrite() { writeSettings_ = false; }

 protected:
  virtual const char* settingsFileName() const = 0;
  // The settings file's bytes (empty on the first run); the program lays them over
  // its defaults and checks every field.
  virtual void takeSettings(const std::vector<uint8_t>& fileBytes) = 0;
  virtual std::vector<uint8_t> settingsBytes() const = 0;
  virtual std::vector<AssociationValue> association(const std::string& programDirectory) const = 0;

 private:
  std::string programDirectory_;
  bool writeSettings_ = true;
};

// The desktop spanning every screen, for checking remembered window rectangles.
ScreenArea DesktopArea();
// The screen rectangle a window is restored to: its own while it is shown normally,
// the remembered one while it is minimised.
WindowRect RestoredRect(HWND window);
// Creates a program's frame (style and drop target as both programs have them) at its
// remembered rectangle, or where the system chooses when there is none.
void CreateFrameAt(BaseWindow& frame, const WindowRect& rect);
// Reads a whole file of at most `limit` bytes; false when it cannot be opened.
bool ReadSmallFile(const std::string& path, size_t limit, std::vector<uint8_t>& bytes);
// Writes the default values of the keys under the current user's Software\Classes.
bool RegisterAssociation(const std::vector<AssociationValue>& values);
