#include "framework/app.h"

#include "framework/base_window.h"
#include "ui/command_line.h"
#include "framework/text_codec.h"

namespace {
App* g_app = nullptr;
}

App* TheApp() {
  return g_app;
}

App::App() = default;
App::~App() = default;

int App::CreateMainWindow(HINSTANCE instance, int showCommand) {
  defaultMainWindow_ = std::make_unique<BaseWindow>();
  BaseWindow* window = defaultMainWindow_.get();
  window->Setup(instance, showCommand, nullptr, nullptr);
  window->SetClass(WHITE_BRUSH, -1, -1, -1);
  window->CreateWindowed(WS_OVERLAPPEDWINDOW, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         nullptr);
  setMainWindow(window);
  return 0;
}

int App::OpenCommandLine(const std::string&, const std::string&) {
  return 0;
}

int App::Run() {
  if (mainWindow() == nullptr) return 1;
  HACCEL accelerators = nullptr;
  if (acceleratorId_ != 0) accelerators = LoadAcceleratorsW(instance_, MAKEINTRESOURCEW(acceleratorId_));
  MSG message;
  for (;;) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      HWND main = mainWindow() != nullptr ? mainWindow()->hwnd() : nullptr;
      if (accelerators == nullptr || main == nullptr ||
          !TranslateAcceleratorW(main, accelerators, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      continue;
    }
    if (!OnIdle()) {
      // Nothing to do until the next message. Input already in the queue (which idle
      // work may have peeked at) also ends the wait.
      MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }
}

void App::InvalidateAll() {
  for (BaseWindow* window : windows()) {
    if (window->hwnd() != nullptr) InvalidateRect(window->hwnd(), nullptr, TRUE);
  }
}

int AppMain(std::unique_ptr<App> app, HINSTANCE instance, HINSTANCE previousInstance,
            const std::string& arguments, int showCommand) {
  if (previousInstance != nullptr || app == nullptr) return 0;
  g_app = app.get();
  SetCurrentWindowList(&app->windowList());
  app->setInstance(instance);
  CommandLineDocument document = TakeCommandLine(arguments, IsDirectoryPath);
  int result = 1;
  if (app->InitInstance() >= 0 && app->CreateMainWindow(instance, showCommand) >= 0 &&
      app->OpenCommandLine(document.path, document.title) >= 0) {
    result = app->Run();
    app->ExitInstance();
  }
  // Messages that arrive while the windows' objects are destroyed go to the system.
  g_app = nullptr;
  SetCurrentWindowList(nullptr);
  app.reset();
  return result;
}

std::string ProcessArguments() {
  return ArgumentTextOf(Narrow(GetCommandLineW()));
}

std::string ProgramDirectory() {
  std::string directory = ProgramDirectoryFromCommandLine(Narrow(GetCommandLineW()));
  if (!directory.empty()) return directory;
  wchar_t module[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  return DirectoryOf(Narrow(std::wstring_view(module, length)));
}

bool IsDirectoryPath(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
