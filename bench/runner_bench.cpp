// Measurements of the console runner, each side by side with a plain reference taken
// in the same run, so the ratio does not depend on the machine. A program of its own,
// never a timed test: run it and read the figures.

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <algorithm>

#include "bridge/adb_bridge.h"
#include "host/child_process.h"
#include "host/command_line.h"
#include "host/console_runner.h"
#include "host/workers.h"
#include "tests/fake_tool/scenario.h"
#include "window/app_context.h"
#include "window/main_window.h"
#include "window/memory_window.h"

namespace {

constexpr std::size_t kFloodBytes = 32 << 20;
constexpr int kRounds = 3;

// The shortest of `kRounds` runs, in seconds; every run must capture `expectedBytes`.
double bestSeconds(const std::function<std::size_t()>& run, std::size_t expectedBytes) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    const std::size_t captured = run();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (captured != expectedBytes) std::printf("  warning: captured %zu of %zu bytes\n", captured, expectedBytes);
    if (took.count() < best) best = took.count();
  }
  return best;
}

// The reference: the same command through the same interpreter and pipe, its output
// gathered with blocking reads as fast as the tool writes, without polling or pumping.
std::size_t plainRead(const std::string& command) {
  std::unique_ptr<ChildProcess> child =
      ChildProcess::start(command, ChildProcess::Start::ThroughInterpreter, ChildProcess::Streams::Merged);
  std::string output;
  for (std::string piece; child && !(piece = child->read(0, 1 << 20)).empty();) output += piece;
  if (child) child->waitForExit(10000);
  return output.size();
}

void report(const char* name, double seconds, double referenceSeconds) {
  const double mebibytes = static_cast<double>(kFloodBytes) / (1 << 20);
  std::printf("  %-20s %8.1f MiB/s  ratio %.2f\n", name, mebibytes / seconds, referenceSeconds / seconds);
}

// How fast runCommand (and runConsoleProgram) capture a tool printing 32 MiB.
void captureRate(const TestRunDir& run) {
  Scenario scenario;
  scenario.on("*").repeatOut(kFloodBytes, 'x');
  const std::string command = run.addTool("flood", scenario) + " out";

  std::printf("capture of %zu MiB (best of %d; goal: ratio >= 0.8 natively, >= 0.5 under Wine)\n", kFloodBytes >> 20,
              kRounds);
  const double plain = bestSeconds([&] { return plainRead(command); }, kFloodBytes);
  const double runner = bestSeconds([&] { return runCommand(command).size(); }, kFloodBytes);
  const double console = bestSeconds([&] { return runConsoleProgram(command).size(); }, kFloodBytes);
  report("plain read", plain, plain);
  report("runCommand", runner, plain);
  report("runConsoleProgram", console, plain);
}

// The median of `rounds` timings of `run`, in seconds.
double medianSeconds(int rounds, const std::function<void()>& run) {
  std::vector<double> timings;
  for (int round = 0; round < rounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    run();
    timings.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(timings.begin(), timings.end());
  return timings[timings.size() / 2];
}

// One console round trip on the in-memory window (a click on 按钮_执行执行 until the
// answer is logged and the button is back) against starting the same fake adb directly
// and reading its answer.
void consoleRoundTrip(const TestRunDir& run) {
  Scenario scenario;
  scenario.on("devices").out("List of devices attached\nemulator-5554\tdevice\n\n");
  const std::string adb = run.addTool("adb", scenario);

  MemoryWindow window;
  AdbBridge bridge(run.folderText());
  AppContext app(window, run.folderText(), bridge);
  MainWindow mainWindow(app);
  window.open(mainWindow);
  window.type(ControlId::编辑框_命令, "adb devices");

  constexpr int kTrips = 21;
  const double direct = medianSeconds(kTrips, [&] {
    std::unique_ptr<ChildProcess> child = ChildProcess::start(
        quoteArgument(adb) + " devices", ChildProcess::Start::Direct, ChildProcess::Streams::Merged);
    while (child && !child->read(0, 1 << 16).empty()) {
    }
    if (child) child->waitForExit(10000);
  });
  const double console = medianSeconds(kTrips, [&] {
    window.click(ControlId::按钮_执行执行);
    waitForWorkers(10000);
  });
  std::printf("console round trip (median of %d; goal: under 1.2 times the direct start)\n", kTrips);
  std::printf("  direct start of adb    %8.2f ms\n", direct * 1000);
  std::printf("  console click to log   %8.2f ms  ratio %.2f\n", console * 1000, console / direct);
}

}  // namespace

int main() {
  TestRunDir run;
  const std::vector<std::function<void(const TestRunDir&)>> measurements = {captureRate, consoleRoundTrip};
  for (const auto& measure : measurements) measure(run);
  return 0;
}
