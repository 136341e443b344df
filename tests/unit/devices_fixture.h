// The program on the in-memory window with a fake adb and a fake scrcpy in a fresh run
// directory: what the device and bridge tests share.
#pragma once

#include "host/platform.h"
#include "tests/fake_tool/fake_platform.h"
#include "tests/fake_tool/scenario.h"
#include "tests/unit/app_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

inline std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// adb's device list for FakeRule::out: header, one "serial<tab>state" line each, an
// empty line (the fake writes each "\n" as the platform's pipe line break).
inline std::string devicesAnswer(const std::vector<std::string>& lines) {
  std::string answer = "List of devices attached\n";
  for (const std::string& line : lines) answer += line + "\n";
  return answer + "\n";
}

// A run directory with the fakes and the program on it; tables of cases make one each.
struct DevicesRig {
  // Installs the fakes with the scenarios as they are now, opens the window and empties
  // the log of its start-up lines.
  AppFixture& start() {
    run.addTool("adb", adb);
    run.addTool("scrcpy", scrcpy);
    app.emplace(run.folderText());
    app->open();
    app->window.setText(ControlId::编辑框_输出, "");
    return *app;
  }

  // Takes a tool out of the run directory, as if it had never been there.
  void removeTool(const std::string& name) const { std::filesystem::remove(run.folder() / (name + kExecutableSuffix)); }

  // The log lines without their time stamps.
  std::vector<std::string> log() { return app->logTexts(); }

  // The arguments of each call of a fake tool, in order.
  std::vector<std::vector<std::string>> argumentsOf(const std::string& tool) const {
    std::vector<std::vector<std::string>> arguments;
    for (const FakeCall& call : run.calls(tool)) arguments.push_back(call.arguments);
    return arguments;
  }

  std::string toolDirectory() const { return run.folderText() + kPathSeparator; }

  TestRunDir run;
  Scenario adb;
  Scenario scrcpy;
  std::optional<AppFixture> app;
};

struct DevicesTest : ::testing::Test, DevicesRig {};
