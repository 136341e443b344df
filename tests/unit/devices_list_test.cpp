#include "devices/device_list.h"
#include "tests/unit/devices_fixture.h"

#include <chrono>
#include <thread>

namespace {

constexpr char kNoDevicesHint[] = "没有搜索到设备，请检查是否启用USB调试并插入连接USB接口，首次连接需手机添加信任";

const std::vector<std::string> kModelQuery = {"shell", "getprop", "ro.product.model"};

std::vector<std::string> modelQueryOf(const std::string& serial) {
  std::vector<std::string> arguments = {"-s", serial};
  arguments.insert(arguments.end(), kModelQuery.begin(), kModelQuery.end());
  return arguments;
}

std::string lines(std::initializer_list<std::string> pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += piece + kToolLineBreak;
  return text;
}

TEST(DeviceLines, CutsTheLinesBetweenTheHeaderAndTheEmptyLine) {
  struct Case {
    const char* what;
    std::string answer;
    std::vector<std::pair<std::string, std::string>> expected;  // serial, state
  };
  const std::string header = "List of devices attached";
  const Case cases[] = {
      {"two devices", lines({header, "A\tdevice", "B\tdevice", ""}), {{"A", "device"}, {"B", "device"}}},
      {"server start lines before the header",
       lines({"* daemon not running; starting now at tcp:5037", "* daemon started successfully", header, "A\tdevice",
              ""}),
       {{"A", "device"}}},
      {"no device attached", lines({header, ""}), {}},
      {"no header", lines({"error: something", "A\tdevice", ""}), {}},
      {"no empty line after the header", lines({header, "A\tdevice"}), {}},
      {"states other than device",
       lines({header, "C\tunauthorized", "D\toffline", "E\tno permissions (not in the plugdev group); see [x]", ""}),
       {{"C", "unauthorized"}, {"D", "offline"}, {"E", "no permissions (not in the plugdev group); see [x]"}}},
      {"a serial with spaces and a second tab", lines({header, "a b\tdevice\tx", ""}), {{"a b", "device\tx"}}},
      {"a line without a serial", lines({header, "\tdevice", "A\tdevice", ""}), {{"A", "device"}}},
      {"a serial of UTF-8 characters", lines({header, utf8(u8"中\tdevice"), ""}), {{utf8(u8"中"), "device"}}},
      {"a line without a tab", lines({header, "A", ""}), {{"A", ""}}},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const DeviceLine& line : deviceLines(c.answer)) found.emplace_back(line.serial, line.state);
    EXPECT_EQ(found, c.expected) << c.what;
  }
}

struct DeviceListRig : DevicesRig {
  void refresh() {
    app->window.click(ControlId::按钮_刷新设备);
    ASSERT_TRUE(app->settle());
  }
  std::vector<std::string> entries() { return app->window.items(ControlId::组合框_设备); }
};

struct DeviceListTest : ::testing::Test, DeviceListRig {};

TEST_F(DeviceListTest, FillsTheBoxWithModelAndSerialOfEachDevice) {
  adb.on("devices").out(devicesAnswer({"A\tdevice", "B\tdevice"}));
  adb.on("-s A shell getprop ro.product.model").out("Pixel 7\n");
  adb.on("-s B shell getprop ro.product.model").out("SM-G991B\n");
  start();
  refresh();

  EXPECT_EQ(entries(), (std::vector<std::string>{"Pixel 7=>A", "SM-G991B=>B"}));
  EXPECT_EQ(app->window.selectedIndex(ControlId::组合框_设备), -1);
  EXPECT_EQ(argumentsOf("adb"),
            (std::vector<std::vector<std::string>>{{"devices"}, modelQueryOf("A"), modelQueryOf("B")}));
  const std::vector<std::string> logged = log();
  ASSERT_GE(logged.size(), 4u);
  EXPECT_EQ(logged[0], "发送：adb devices");
  EXPECT_EQ(logged[1], "返回：List of devices attached");
  EXPECT_EQ(logged[2], "A\tdevice");
  EXPECT_EQ(logged[3], "B\tdevice");
  EXPECT_EQ(app->window.text(ControlId::编辑框_输出).find(kNoDevicesHint), std::string::npos);
}

TEST_F(DeviceListTest, IgnoresTheServerStartLinesBeforeTheHeader) {
  adb.on("devices")
      .err("* daemon not running; starting now at tcp:5037\n* daemon started successfully\n")
      .out(devicesAnswer({"A\tdevice"}));
  adb.on("*ro.product.model").out("Pixel\n");
  start();
  refresh();
  EXPECT_EQ(entries(), std::vector<std::string>{"Pixel=>A"});
}

TEST_F(DeviceListTest, ShowsTheStateOfADeviceNotReadyInsteadOfAskingIt) {
  adb.on("devices").out(devicesAnswer({"C\tunauthorized", "D\toffline", "A\tDevice"}));
  adb.on("*ro.product.model").out("Pixel\r\n");
  start();
  refresh();
  EXPECT_EQ(entries(), (std::vector<std::string>{"unauthorized=>C", "offline=>D", "Pixel=>A"}));
  EXPECT_EQ(argumentsOf("adb"), (std::vector<std::vector<std::string>>{{"devices"}, modelQueryOf("A")}));

  app->window.choose(ControlId::组合框_设备, 0);
  EXPECT_EQ(app->app.selectedTarget.get(), "C");
}

TEST_F(DeviceListTest, AFailedModelQueryShowsTheToolsAnswer) {
  adb.on("devices").out(devicesAnswer({"A\tdevice"}));
  adb.on("*ro.product.model").err("error: closed\n").exitCode(1);
  start();
  refresh();
  EXPECT_EQ(entries(), std::vector<std::string>{"error: closed=>A"});
  app->window.choose(ControlId::组合框_设备, 0);
  EXPECT_EQ(app->app.selectedTarget.get(), "A");
}

TEST(DeviceList, TellsTheUserWhenNoDeviceIsFound) {
  struct Case {
    const char* what;
    bool installAdb;
    std::string answer;
    bool answerLogged;
  };
  const Case cases[] = {
      {"no device attached", true, "List of devices attached\n\n", true},
      {"an answer without the word device", true, "error: protocol fault\n", false},
      {"adb missing from the run directory", false, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DeviceListRig test;
    test.adb.on("devices").out(c.answer);
    test.start();
    if (!c.installAdb) test.removeTool("adb");
    test.refresh();
    std::vector<std::string> expected = {"发送：adb devices"};
    if (c.answerLogged) expected.insert(expected.end(), {"返回：List of devices attached", "", ""});
    expected.emplace_back(kNoDevicesHint);
    EXPECT_EQ(test.log(), expected);
    EXPECT_TRUE(test.entries().empty());
  }
}

TEST_F(DeviceListTest, ChoosingAnEntryTakesItsSerial) {
  adb.on("devices").out(devicesAnswer({"A\tdevice", "x=>y\tdevice"}));
  adb.on("-s A shell getprop ro.product.model").out("a=>b\n");
  adb.on("*ro.product.model").out("M\n");
  start();
  refresh();
  ASSERT_EQ(entries(), (std::vector<std::string>{"a=>b=>A", "M=>x=>y"}));

  app->window.choose(ControlId::组合框_设备, 0);
  EXPECT_EQ(app->app.selectedTarget.get(), "A");
  app->window.choose(ControlId::组合框_设备, 1);
  EXPECT_EQ(app->app.selectedTarget.get(), "x=>y");
}

TEST_F(DeviceListTest, AnEntryNotFromARefreshYieldsTheTextAfterItsLastArrow) {
  start();
  app->window.setItems(ControlId::组合框_设备, {"Pixel=>emulator-5554", "no arrow"});
  app->window.choose(ControlId::组合框_设备, 0);
  EXPECT_EQ(app->app.selectedTarget.get(), "emulator-5554");
  app->window.choose(ControlId::组合框_设备, 1);
  EXPECT_EQ(app->app.selectedTarget.get(), "");
}

TEST_F(DeviceListTest, ARefreshKeepsTheChosenTargetAndChoosesNothing) {
  adb.on("devices").out(devicesAnswer({"A\tdevice", "B\tdevice"}));
  start();
  refresh();
  app->window.choose(ControlId::组合框_设备, 1);
  ASSERT_EQ(app->app.selectedTarget.get(), "B");

  refresh();
  EXPECT_EQ(entries().size(), 2u);
  EXPECT_EQ(app->window.selectedIndex(ControlId::组合框_设备), -1);
  EXPECT_EQ(app->app.selectedTarget.get(), "B");
}

TEST_F(DeviceListTest, OverlappingRefreshesLeaveTheWholeResultOfTheNewest) {
  // The first refresh's adb answers late; meanwhile the devices change and a second
  // refresh completes. The late answer must not replace the newer list.
  adb.on("devices").delayMs(1500).out(devicesAnswer({"OLD\tdevice"}));
  start();
  app->window.click(ControlId::按钮_刷新设备);
  for (int i = 0; i < 200 && run.calls("adb").empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_EQ(run.calls("adb").size(), 1u);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the first adb has read its scenario

  Scenario changed;
  changed.on("devices").out(devicesAnswer({"NEW1\tdevice", "NEW2\tdevice"}));
  changed.on("*ro.product.model").out("M\n");
  changed.writeTo(run.folder(), "adb");
  refresh();

  EXPECT_EQ(entries(), (std::vector<std::string>{"M=>NEW1", "M=>NEW2"}));
  EXPECT_EQ(argumentsOf("adb").back(), modelQueryOf("OLD")) << "the first refresh did complete";
}

}  // namespace
