#pragma once
// The application object: the list of every window of the program, the main window
// whose accelerators the loop translates, and the message loop itself.

#include <memory>
#include <string>
#include <vector>

#include "framework/win32.h"
#include "framework/window_list.h"

class BaseWindow;

class App {
 public:
  App();
  virtual ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Before any window exists; a negative result ends the program with exit code 1.
  virtual int InitInstance() { return 0; }
  // After the message loop.
  virtual void ExitInstance() {}
  // Sets up and creates the main window; a negative result ends the program with 1.
  virtual int CreateMainWindow(HINSTANCE instance, int showCommand);
  // The document named on the command line, or two empty texts; negative ends with 1.
  virtual int OpenCommandLine(const std::string& path, const std::string& title);
  // Called whenever the message queue is empty. Returns true while more idle work is
  // pending (the loop then calls again at once); false lets the loop sleep until the
  // next message arrives, so an idle program uses no processor time.
  virtual bool OnIdle() { return false; }

  // The message loop: the exit code carried by the quit message, 1 at once when
  // there is no main window.
  int Run();
  // Asks every window to repaint its whole client area.
  void InvalidateAll();

  // The windows set up so far (see WindowList).
  WindowList& windowList() { return windows_; }
  const std::vector<BaseWindow*>& windows() const { return windows_.windows(); }
  int windowCount() const { return windows_.count(); }

  BaseWindow* mainWindow() const { return windows_.main(); }
  void setMainWindow(BaseWindow* window) { windows_.setMain(window); }
  int acceleratorId() const { return acceleratorId_; }
  void setAcceleratorId(int id) { acceleratorId_ = id; }
  HINSTANCE instance() const { return instance_; }
  void setInstance(HINSTANCE instance) { instance_ = instance; }

 private:
  int acceleratorId_ = 0;
  HINSTANCE instance_ = nullptr;
  WindowList windows_;
  std::unique_ptr<BaseWindow> defaultMainWindow_;
};

// The program's one application object (null before AppMain and after it).
App* TheApp();

// The whole life of a program: the command-line document, InitInstance,
// CreateMainWindow, OpenCommandLine, Run, ExitInstance. `arguments` is the argument
// text in CP949 (see ProcessArguments). Returns the exit code.
int AppMain(std::unique_ptr<App> app, HINSTANCE instance, HINSTANCE previousInstance,
            const std::string& arguments, int showCommand);

// The process's argument text (everything after the program name) in CP949.
std::string ProcessArguments();
// The program's folder in CP949, ending in a backslash.
std::string ProgramDirectory();
// True when the path names an existing folder.
bool IsDirectoryPath(const std::string& path);
