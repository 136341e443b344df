#include "host/interpreter_quote.h"
#include "tests/fake_tool/scenario.h"
#include "tests/unit/app_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

constexpr char kTwoDevices[] = "List of devices attached\nemulator-5554\tdevice\nR58M123\tdevice\n\n";

// The program on the in-memory window with a fake adb in its run directory.
struct ConsoleTest : ::testing::Test {
  void SetUp() override {
    scenario.on("devices").out(kTwoDevices);
    scenario.on("shell ls").err("adb: more than one device/emulator\n").exitCode(1);
    scenario.on("shell ls /sdcard/").out(utf8(u8"中文.txt\n"));
    scenario.on("version").out("scrcpy 2.4 <https://github.com/Genymobile/scrcpy>\n" + utf8(u8"中文\n"));
    scenario.on("slow").delayMs(300).out("done\n");
    scenario.on("big").repeatOut(8 << 20, 'x');
    scenario.on("zero").rawOut(std::string("ab\0cd", 5));
    scenario.on("bad").rawOut("a\xC3(b\n");
    run.addTool("adb", scenario);
  }

  // Opens the window, leaves out its start-up lines and runs one command.
  void runCommandBox(AppFixture& fixture, const std::string& command) {
    fixture.open();
    fixture.window.setText(ControlId::编辑框_输出, "");
    fixture.window.type(ControlId::编辑框_命令, command);
    fixture.window.click(ControlId::按钮_执行执行);
    ASSERT_TRUE(fixture.settle());
  }

  // The log after start-up and one console run: the "发送：" line, the answer, extras.
  std::vector<std::string> runAndLog(const std::string& command) {
    AppFixture fixture(run.folderText());
    runCommandBox(fixture, command);
    EXPECT_TRUE(fixture.window.isEnabled(ControlId::按钮_执行执行));
    return fixture.logTexts();
  }

  std::string sent(const std::string& command) const {
    return "发送：" + interpreterToolCommand(run.folderText(), command);
  }

  TestRunDir run;
  Scenario scenario;
};

TEST_F(ConsoleTest, RunsTheTypedCommandWithoutItsLeadingSpaces) {
  const std::vector<std::string> log = runAndLog("  \xA1\xA1 adb devices");
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], sent("adb devices"));
  EXPECT_EQ(log[1], "返回：List of devices attached");
  EXPECT_EQ(log[2], "emulator-5554\tdevice");
  EXPECT_EQ(log[3], "R58M123\tdevice");
  const std::vector<FakeCall> calls = run.calls("adb");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].arguments, std::vector<std::string>{"devices"});
}

TEST_F(ConsoleTest, ConvertsAnswersOnceAndLeavesScrcpyLinesAsPrinted) {
  EXPECT_EQ(runAndLog("adb shell ls /sdcard/")[1], "返回：中文.txt");
  EXPECT_EQ(runAndLog("adb bad")[1], "返回：a?(b");

  const std::vector<std::string> scrcpy = runAndLog("adb version");
  EXPECT_EQ(scrcpy[1], "返回：scrcpy 2.4 <https://github.com/Genymobile/scrcpy>");
  EXPECT_EQ(scrcpy[2], utf8(u8"中文"));
}

TEST_F(ConsoleTest, AddsTheSerialHintWhenAdbFindsSeveralDevices) {
  const std::vector<std::string> log = runAndLog("adb shell ls");
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[1], "返回：adb: more than one device/emulator");
  EXPECT_EQ(log[3], "有多台设备，需要指定设备操作，在ADB后面加上执行设备：adb -s 192.168.3.250:5555 shell");
}

TEST_F(ConsoleTest, OneRunAtATime) {
  AppFixture fixture(run.folderText());
  fixture.open();
  fixture.window.type(ControlId::编辑框_命令, "adb slow");
  fixture.window.click(ControlId::按钮_执行执行);
  EXPECT_FALSE(fixture.window.isEnabled(ControlId::按钮_执行执行));
  fixture.window.click(ControlId::按钮_执行执行);
  fixture.window.pressEnter(ControlId::编辑框_命令);
  // Once the worker has sent its command, rewriting the box does not affect it.
  for (int i = 0; i < 500 && fixture.window.text(ControlId::编辑框_输出).find("发送：") == std::string::npos; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  fixture.window.type(ControlId::编辑框_命令, "adb devices");
  ASSERT_TRUE(fixture.settle());
  ASSERT_EQ(run.calls("adb").size(), 1u);
  EXPECT_EQ(run.calls("adb")[0].joined(), "slow");
  EXPECT_TRUE(fixture.window.isEnabled(ControlId::按钮_执行执行));

  fixture.window.pressEnter(ControlId::编辑框_命令);  // Enter runs it while the button is enabled
  ASSERT_TRUE(fixture.settle());
  EXPECT_EQ(run.calls("adb").size(), 2u);
}

TEST_F(ConsoleTest, BadInputIsLoggedAndTheButtonComesBack) {
  // An empty box and a word naming nothing: the interpreter's complaint is the answer.
  for (const char* command : {"", "nosuchtool --x"}) {
    const std::vector<std::string> log = runAndLog(command);
    ASSERT_GE(log.size(), 2u) << command;
    EXPECT_EQ(log[0], sent(command));
    EXPECT_EQ(log[1].rfind("返回：", 0), 0u) << command;
  }
  // A zero byte ends its chunk's text.
  EXPECT_EQ(runAndLog("adb zero")[1], "返回：ab");
}

TEST_F(ConsoleTest, LogsMegabytesWhole) {
  AppFixture fixture(run.folderText());
  runCommandBox(fixture, "adb big");
  const std::vector<std::string> log = fixture.logTexts();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].size(), std::string("返回：").size() + (8u << 20));
}

TEST_F(ConsoleTest, RunsFromAFolderWithSpacesAndParentheses) {
  const std::filesystem::path folder = run.folder() / "run dir (x86)";
  std::filesystem::create_directory(folder);
  for (const auto& entry : std::filesystem::directory_iterator(run.folder()))
    if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), folder / entry.path().filename());

  AppFixture fixture(run.folderText() + (folder.string().substr(run.folder().string().size())));
  runCommandBox(fixture, "adb devices");
  EXPECT_EQ(fixture.logTexts()[1], "返回：List of devices attached");
  EXPECT_EQ(readCalls(folder, "adb").size(), 1u);
}

}  // namespace
