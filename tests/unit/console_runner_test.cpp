#include "host/console_runner.h"

#include <gtest/gtest.h>

#include <chrono>

#include "tests/fake_tool/fake_platform.h"
#include "tests/fake_tool/scenario.h"

namespace {

using Clock = std::chrono::steady_clock;

long long millisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Text as a tool prints it through a pipe on this platform.
std::string piped(const std::string& text) {
  std::string result;
  for (const char c : text) result += c == '\n' ? std::string(kPipeLineBreak) : std::string(1, c);
  return result;
}

// A fake adb in a fresh run directory; `adb` is its command, as the program writes it.
struct ConsoleRunnerTest : ::testing::Test {
  std::string install(const Scenario& scenario) { return adb = run.addTool("adb", scenario); }

  TestRunDir run;
  std::string adb;
};

TEST_F(ConsoleRunnerTest, RunCommandMergesStandardErrorInTheOrderWritten) {
  Scenario scenario;
  scenario.on("devices").out("List of devices attached\n").err("* daemon started successfully\n").out("R58M\tdevice");
  install(scenario);
  EXPECT_EQ(runCommand(adb + " devices"),
            piped("List of devices attached\n* daemon started successfully\nR58M\tdevice"));
  ASSERT_EQ(run.calls("adb").size(), 1u);
  EXPECT_EQ(run.calls("adb")[0].arguments, std::vector<std::string>{"devices"});
}

TEST_F(ConsoleRunnerTest, RunCommandGoesThroughTheInterpreter) {
  EXPECT_EQ(runCommand("echo one&&echo two"), piped("one\ntwo\n"));
}

TEST_F(ConsoleRunnerTest, RunConsoleProgramReturnsStandardOutputOnly) {
  Scenario scenario;
  scenario.on("get-state").err("error: no devices/emulators found\n").out("device").exitCode(1);
  install(scenario);
  EXPECT_EQ(runConsoleProgram(adb + " get-state"), "device");
}

TEST_F(ConsoleRunnerTest, NothingPrintedGivesEmptyText) {
  install(Scenario());
  EXPECT_EQ(runCommand(adb + " kill-server"), "");
  EXPECT_EQ(runConsoleProgram(adb + " kill-server"), "");
  EXPECT_EQ(run.calls("adb").size(), 2u);
}

TEST_F(ConsoleRunnerTest, MissingProgramGivesEmptyText) {
  EXPECT_EQ(runConsoleProgram(pathText(run.folder() / "adb") + " devices"), "");
  EXPECT_EQ(runConsoleProgram(""), "");
}

TEST_F(ConsoleRunnerTest, OutputLargerThanThePipeArrivesWholeInSeveralChunks) {
  constexpr std::size_t kSize = 3 << 20;
  Scenario scenario;
  scenario.on("big").repeatOut(kSize, 'x').out("end");
  install(scenario);

  std::string joined;
  int chunks = 0;
  const std::string output = runCommand(
      adb + " big",
      [&](const std::string& chunk) {
        ++chunks;
        joined += chunk;
        return 0;
      },
      true);
  EXPECT_EQ(output.size(), kSize + 3);
  EXPECT_EQ(output.substr(kSize - 2), "xxend");
  EXPECT_EQ(joined, output);
  EXPECT_GT(chunks, 1);
}

TEST_F(ConsoleRunnerTest, RunConsoleProgramDrainsBothPipesOfABusyTool) {
  // More than a pipe holds on standard error first: a runner that read only standard
  // output would wait for ever on a tool waiting for its full pipe.
  constexpr std::size_t kSize = 3 << 20;
  Scenario scenario;
  scenario.on("big").repeatErr(kSize, 'e').repeatOut(kSize, 'o');
  install(scenario);
  EXPECT_EQ(runConsoleProgram(adb + " big"), std::string(kSize, 'o'));
}

TEST_F(ConsoleRunnerTest, CallbackIsOnlyCalledWhenSwitchedOn) {
  Scenario scenario;
  scenario.on("version").out("Android Debug Bridge version 1.0.41\n");
  install(scenario);
  int calls = 0;
  const ChunkCallback count = [&](const std::string&) { return ++calls, 1; };
  EXPECT_EQ(runCommand(adb + " version", count, false), piped("Android Debug Bridge version 1.0.41\n"));
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(runCommand(adb + " version", nullptr, true), piped("Android Debug Bridge version 1.0.41\n"));
}

TEST_F(ConsoleRunnerTest, StopOnTheFirstChunkReturnsEmptyWhileTheToolGoesOn) {
  Scenario scenario;
  scenario.on("logcat").out("first\n").sleepMs(2000).out("second\n");
  install(scenario);
  int calls = 0;
  const Clock::time_point start = Clock::now();
  const std::string output = runCommand(
      adb + " logcat", [&](const std::string&) { return ++calls, 1; }, true);
  EXPECT_EQ(output, "");
  EXPECT_EQ(calls, 1);
  EXPECT_LT(millisecondsSince(start), 1500) << "the runner waited for the tool";
}

TEST_F(ConsoleRunnerTest, StopKeepsTheChunksBeforeIt) {
  Scenario scenario;
  scenario.on("push").out("a").sleepMs(200).out("b").sleepMs(200).out("c");
  install(scenario);
  const std::string output = runCommand(
      adb + " push", [](const std::string& chunk) { return chunk == "b"; }, true);
  EXPECT_EQ(output, "a");
}

TEST_F(ConsoleRunnerTest, ZeroByteEndsItsChunkButNotTheOutput) {
  Scenario scenario;
  scenario.on("shell cat").rawOut(std::string("ab\0cd", 5)).sleepMs(200).rawOut("ef\xC3(");
  install(scenario);
  EXPECT_EQ(runCommand(adb + " shell cat"), "abef\xC3(");
  EXPECT_EQ(runConsoleProgram(adb + " shell cat"), "ab");
}

TEST_F(ConsoleRunnerTest, ArgumentsArriveExactly) {
  Scenario scenario;
  install(scenario);
  runConsoleProgram(adb + " -s \"R58 M\" \"\" q\\\"uote back\\slash 中文");
  runCommand(adb + " -s R58M shell ls /sdcard/中文");
  const std::vector<FakeCall> calls = run.calls("adb");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].arguments, (std::vector<std::string>{"-s", "R58 M", "", "q\"uote", "back\\slash", "中文"}));
  EXPECT_EQ(calls[1].joined(), "-s R58M shell ls /sdcard/中文");
}

TEST(WaitPumping, ReturnsAfterAboutTheGivenTime) {
  const Clock::time_point start = Clock::now();
  EXPECT_TRUE(waitPumping(10));
  const long long elapsed = millisecondsSince(start);
  EXPECT_GE(elapsed, 9);
  EXPECT_LT(elapsed, 1000);
}

}  // namespace
