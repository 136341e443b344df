#include "host/shutdown_cleanup.h"

#include "host/console_runner.h"
#include "host/process_list.h"

namespace {

constexpr int kPassPause = 10;  // milliseconds between two passes

void endAllNamed(const std::string& name, const ProcessActions& actions, std::chrono::milliseconds budget) {
  if (!actions.exists(name)) return;
  const auto deadline = std::chrono::steady_clock::now() + budget;
  for (;;) {
    pumpPendingMessages();
    if (!actions.exists(name) || std::chrono::steady_clock::now() >= deadline) return;
    actions.kill(actions.find(name));  // a refusal is met by the next pass
    waitPumping(kPassPause);
  }
}

}  // namespace

ProcessActions systemProcessActions() {
  return {[](const std::string& name) { return processExists(name); },
          [](const std::string& name) { return findProcessId(name); }, killProcess};
}

void shutdownCleanup(const ProcessActions& actions, std::chrono::milliseconds budgetPerName) {
  for (const char* tool : {"adb", "scrcpy"}) endAllNamed(tool + std::string(kProgramSuffix), actions, budgetPerName);
}
