// The program on the in-memory window: the objects start-up creates, for a run
// directory the test chooses. The test's thread acts as the window's thread.
#pragma once

#include "bridge/adb_bridge.h"
#include "host/workers.h"
#include "window/app_context.h"
#include "window/main_window.h"
#include "window/memory_window.h"

#include <string>
#include <vector>

struct AppFixture {
  explicit AppFixture(const std::string& runDirectory) : bridge(runDirectory), app(window, runDirectory, bridge) {}
  ~AppFixture() { waitForWorkers(20000); }

  void open() { window.open(mainWindow); }

  // Waits until the workers started by the window's handlers have ended.
  bool settle(int milliseconds = 20000) { return waitForWorkers(milliseconds); }

  // The log pane's lines without their line breaks.
  std::vector<std::string> logLines();
  // The log lines with the "HH:MM:SS " stamp taken off the lines that carry one.
  std::vector<std::string> logTexts();

  MemoryWindow window;
  AdbBridge bridge;
  AppContext app;
  MainWindow mainWindow{app};
};

// True when the line begins with a time stamp "HH:MM:SS ".
bool hasTimeStamp(const std::string& line);
