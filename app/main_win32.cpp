// The program's entry: the run directory, the global objects, the window and its
// message loop, then the exit clean-up.
#include "bridge/adb_bridge.h"
#include "host/platform.h"
#include "host/workers.h"
#include "window/app_context.h"
#include "window/main_window.h"
#include "window/win32_window.h"

#include <windows.h>

#include <memory>
#include <string>

namespace {

// Every object lives from start-up to exit; released in the reverse order of creation.
struct Program {
  std::unique_ptr<AdbBridge> adbBridge;
  std::unique_ptr<Win32Window> window;
  std::unique_ptr<AppContext> app;
  std::unique_ptr<MainWindow> mainWindow;
};

// Work started by the last clicks gets a moment to end before the objects go.
void exitCleanup(Program& program) {
  waitForWorkers(2000);
  program.mainWindow.reset();
  program.app.reset();
  program.window.reset();
  program.adbBridge.reset();
}

int startupRoutine() {
  const std::string runDirectory = executableDirectory();
  setCurrentDirectory(runDirectory);  // tools started without a path resolve here first

  Program program;
  program.adbBridge = std::make_unique<AdbBridge>(runDirectory);
  program.window = std::make_unique<Win32Window>();
  program.app = std::make_unique<AppContext>(*program.window, runDirectory, *program.adbBridge);
  program.mainWindow = std::make_unique<MainWindow>(*program.app);
  if (program.window->create(*program.mainWindow)) program.window->runMessageLoop();
  exitCleanup(program);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return startupRoutine(); }
