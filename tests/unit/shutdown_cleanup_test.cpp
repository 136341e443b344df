#include "host/shutdown_cleanup.h"
#include "host/child_process.h"
#include "host/command_line.h"
#include "host/process_list.h"
#include "tests/fake_tool/scenario.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool waitUntil(const std::function<bool()>& condition, int milliseconds = 5000) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  while (!condition()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Fake tools that keep running until they are killed, under names of their own: the
// clean-up of the real names would end every adb of the machine, the fakes of tests
// running beside this one included. The clean-up asks for "adb" and "scrcpy"; the
// actions of these tests answer with the processes named stem + that name.
struct SleepingFakes : ::testing::Test {
  SleepingFakes() : stem("t" + std::to_string(std::random_device()() % 1000000)) {}

  ~SleepingFakes() override {
    for (const std::string& name : {listed("adb"), listed("scrcpy")}) {
      for (int attempt = 0; attempt < 100 && processExists(name); ++attempt) {
        killProcess(findProcessId(name));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
    }
  }

  // The name the process list reports for a fake of `tool`, in lower case.
  std::string listed(const std::string& tool) const { return stem + tool + kProgramSuffix; }

  // Starts a fake named stem + fileName (with the program suffix) from `folder`.
  void start(const TestRunDir& folder, const std::string& fileName) {
    Scenario sleeping;
    sleeping.on("sleep").sleepMs(60000);
    const std::string tool = folder.addTool(stem + fileName, sleeping);
    std::unique_ptr<ChildProcess> child = ChildProcess::start(
        quoteArgument(tool) + " sleep", ChildProcess::Start::Direct, ChildProcess::Streams::Separate);
    ASSERT_NE(child, nullptr);
    children.push_back(std::move(child));
  }

  // The system's actions on the fakes' names, recording which name each step asked for.
  ProcessActions onFakes() {
    return {[this](const std::string& name) {
              asked.push_back(name);
              return processExists(stem + name);
            },
            [this](const std::string& name) { return findProcessId(stem + name); },
            [this](std::uint32_t id) {
              killed.push_back(id);
              return killProcess(id);
            }};
  }

  const std::string stem;
  TestRunDir first, second;
  std::vector<std::unique_ptr<ChildProcess>> children;
  std::vector<std::string> asked;
  std::vector<std::uint32_t> killed;
};

TEST_F(SleepingFakes, TheListFindsANameWhateverItsCaseAndKillEndsIt) {
  start(first, "ADB");
  const std::string upper = stem + "ADB" + kProgramSuffix;
  ASSERT_TRUE(waitUntil([&] { return processExists(upper, true); }));
  EXPECT_TRUE(processExists(listed("adb")));
  EXPECT_FALSE(processExists(listed("adb"), true));
  EXPECT_EQ(findProcessId(listed("adb"), true), 0u);

  const std::uint32_t id = findProcessId(listed("adb"));
  ASSERT_NE(id, 0u);
  EXPECT_EQ(findProcessId(upper, true), id);
  EXPECT_TRUE(killProcess(id));
  // Ended but not yet collected by this test, which still holds it: it counts as ended.
  EXPECT_TRUE(waitUntil([&] { return !processExists(listed("adb")); }));
  EXPECT_FALSE(killProcess(id));
  EXPECT_FALSE(killProcess(0));
  EXPECT_EQ(findProcessId(stem + "none"), 0u);
}

TEST_F(SleepingFakes, EveryAdbEndsBeforeAnyScrcpy) {
  start(first, "adb");
  start(second, "ADB");  // a name in capitals counts
  start(first, "scrcpy");
  start(second, "scrcpy");
  ASSERT_TRUE(waitUntil([&] { return processExists(listed("adb")) && processExists(listed("scrcpy")); }));

  std::vector<std::uint32_t> scrcpyIds;
  bool adbLeftAtFirstScrcpyKill = false;
  ProcessActions actions = onFakes();
  actions.kill = [&, kill = actions.kill](std::uint32_t id) {
    if (asked.back() == std::string("scrcpy") + kProgramSuffix) {
      if (scrcpyIds.empty()) adbLeftAtFirstScrcpyKill = processExists(listed("adb"));
      scrcpyIds.push_back(id);
    }
    return kill(id);
  };
  const auto started = Clock::now();
  shutdownCleanup(actions);
  EXPECT_LT(Clock::now() - started, kCleanupBudgetPerName);

  EXPECT_FALSE(processExists(listed("adb")));
  EXPECT_FALSE(processExists(listed("scrcpy")));
  EXPECT_GE(killed.size(), 4u);
  EXPECT_GE(scrcpyIds.size(), 2u);
  EXPECT_FALSE(adbLeftAtFirstScrcpyKill);
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.front(), std::string("adb") + kProgramSuffix);
  EXPECT_EQ(asked.back(), std::string("scrcpy") + kProgramSuffix);
}

TEST_F(SleepingFakes, ReturnsAtOnceWhenNoneRuns) {
  const auto started = Clock::now();
  shutdownCleanup(onFakes());
  EXPECT_LT(Clock::now() - started, std::chrono::milliseconds(500));
  EXPECT_EQ(asked,
            (std::vector<std::string>{std::string("adb") + kProgramSuffix, std::string("scrcpy") + kProgramSuffix}));
  EXPECT_TRUE(killed.empty());
}

// A process that refuses to end (here: its kill is refused) is tried until the budget
// of its name has passed and then left alone; the scrcpy processes still end.
TEST_F(SleepingFakes, GivesUpOnAProcessThatRefusesToEnd) {
  start(first, "adb");
  start(first, "scrcpy");
  ASSERT_TRUE(waitUntil([&] { return processExists(listed("adb")) && processExists(listed("scrcpy")); }));
  const std::uint32_t stubborn = findProcessId(listed("adb"));

  ProcessActions actions = onFakes();
  actions.kill = [&, kill = actions.kill](std::uint32_t id) {
    if (id != stubborn) return kill(id);
    killed.push_back(id);
    return false;
  };
  constexpr std::chrono::milliseconds kBudget{300};
  const auto started = Clock::now();
  shutdownCleanup(actions, kBudget);
  const auto took = Clock::now() - started;

  EXPECT_GE(took, kBudget);
  EXPECT_LT(took, kBudget + std::chrono::milliseconds(1500));
  EXPECT_GE(killed.size(), 10u);  // tried again on every pass
  EXPECT_TRUE(processExists(listed("adb")));
  EXPECT_FALSE(processExists(listed("scrcpy")));
}

}  // namespace
