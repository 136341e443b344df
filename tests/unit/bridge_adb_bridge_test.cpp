#include "bridge/adb_bridge.h"
#include "bridge/raw_answer.h"
#include "host/command_line.h"
#include "tests/unit/devices_fixture.h"

namespace {

TEST(ToolCommandLine, NamesTheToolAsOneArgument) {
  EXPECT_EQ(toolCommandLine("C:\\run\\", "adb devices"), "C:\\run\\adb devices");
  EXPECT_EQ(toolCommandLine("/run/", "adb"), "/run/adb");
  EXPECT_EQ(toolCommandLine("C:\\Program Files (x86)\\run\\", "adb -s x shell"),
            "\"C:\\Program Files (x86)\\run\\adb\" -s x shell");
  EXPECT_EQ(splitCommandLine(toolCommandLine("C:\\a b\\", "scrcpy -s S -m 800")),
            (std::vector<std::string>{"C:\\a b\\scrcpy", "-s", "S", "-m", "800"}));
}

TEST(RawAnswer, ComparesAsciiWithoutCase) {
  EXPECT_TRUE(containsIgnoringCase("error: DEVICE offline", "device"));
  EXPECT_TRUE(containsIgnoringCase(utf8(u8"中device"), "device"));
  EXPECT_FALSE(containsIgnoringCase("devic", "device"));
  EXPECT_TRUE(equalsIgnoringCase("Device", "device"));
  EXPECT_FALSE(equalsIgnoringCase("devices", "device"));
  EXPECT_EQ(withoutTrailingLineBreaks("Pixel 7\r\r\n\n"), "Pixel 7");
  EXPECT_EQ(withoutTrailingLineBreaks("a\nb\n"), "a\nb");
  EXPECT_EQ(withoutTrailingLineBreaks("\r\n"), "");
}

struct AdbBridgeTest : DevicesTest {};

TEST_F(AdbBridgeTest, RunsFromARunDirectoryWithSpaces) {
  const std::filesystem::path spaced = run.folder() / "run dir (x86)";
  std::filesystem::create_directory(spaced);
  const std::string fake = std::string("adb") + kExecutableSuffix;
  run.addTool("adb", adb);
  std::filesystem::copy_file(run.folder() / fake, spaced / fake);
  Scenario answers;
  answers.on("get-state").out("device\n");
  answers.on("devices").out(devicesAnswer({"A\tdevice"}));
  answers.on("*ro.product.model").out("Pixel\n");
  answers.writeTo(spaced, "adb");

  AppFixture fixture(pathText(spaced));
  fixture.open();
  EXPECT_EQ(fixture.bridge.toolDirectory(), pathText(spaced) + kPathSeparator);
  EXPECT_EQ(fixture.bridge.run("adb get-state"), std::string("device") + kToolLineBreak);
  fixture.window.click(ControlId::按钮_刷新设备);
  ASSERT_TRUE(fixture.settle());
  EXPECT_EQ(fixture.window.items(ControlId::组合框_设备), std::vector<std::string>{"Pixel=>A"});
  EXPECT_EQ(readCalls(spaced, "adb").size(), 3u);
}

TEST_F(AdbBridgeTest, RunReturnsStandardOutputOnlyUnconverted) {
  adb.on("shell x").out(utf8(u8"中文")).err("warning\n");
  start();
  EXPECT_EQ(app->bridge.run("adb shell x"), utf8(u8"中文"));
  EXPECT_EQ(argumentsOf("adb"), (std::vector<std::vector<std::string>>{{"shell", "x"}}));
}

TEST_F(AdbBridgeTest, RunLoggedLogsTheCommandLineAndTheConvertedAnswer) {
  adb.on("shell ls").out(utf8(u8"中文.txt"));
  start();
  app->bridge.runLogged(app->app, "adb shell ls");
  EXPECT_EQ(log(), (std::vector<std::string>{"输入：" + toolDirectory() + "adb shell ls", "返回：中文.txt"}));
}

TEST_F(AdbBridgeTest, RestartServerStopsAndStartsTheServer) {
  start();
  app->bridge.restartServer(app->app);
  EXPECT_EQ(log(), (std::vector<std::string>{"重启ADB服务...", "重启ADB服务完成"}));
  EXPECT_EQ(argumentsOf("adb"), (std::vector<std::vector<std::string>>{{"kill-server"}, {"start-server"}}));
}

TEST_F(AdbBridgeTest, ACopyHasItsOwnToolDirectory) {
  adb.on("get-state").out("device\n");
  start();
  std::unique_ptr<AdbBridge> copy = app->bridge.copy();
  ASSERT_NE(copy.get(), &app->bridge);
  EXPECT_EQ(copy->toolDirectory(), app->bridge.toolDirectory());
  EXPECT_NE(copy->toolDirectory().data(), app->bridge.toolDirectory().data());
  copy->noOperation(1, 2);
  EXPECT_TRUE(copy->getState(app->app));
  EXPECT_EQ(log(), std::vector<std::string>{"device:设备正常连接"});
}

}  // namespace
