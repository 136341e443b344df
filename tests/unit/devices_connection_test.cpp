#include "devices/connection.h"
#include "tests/unit/devices_fixture.h"

#include <chrono>

namespace {

using Calls = std::vector<std::vector<std::string>>;

struct ConnectRig : DevicesRig {
  void connect() {
    app->window.click(ControlId::按钮_连接设备);
    ASSERT_TRUE(app->settle());
  }
};

TEST(Connect, TheAnswerDecidesTheOutcome) {
  struct Case {
    std::string answer;
    bool connected;
  };
  const Case cases[] = {
      {"connected to 192.168.3.250:5555\n", true},
      {"already connected to 192.168.3.250:5555\n", true},
      {"failed to connect to 192.168.3.250:5555\n", false},
      {"failed to authenticate to 192.168.3.250:5555\n", false},
      {"cannot connect to 192.168.3.250:5555: No connection could be made (10061)\n", false},
      {" connected to 192.168.3.250:5555\n", false},
      {"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    ConnectRig rig;
    rig.adb.on("connect 192.168.3.250:5555").out(c.answer);
    rig.adb.on("devices").out(devicesAnswer({"192.168.3.250:5555\tdevice"}));
    rig.adb.on("*ro.product.model").out("Pixel\n");
    rig.start().app.deviceConnected = !c.connected;
    rig.connect();

    const std::vector<std::string> log = rig.log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "发送：adb connect 192.168.3.250:5555");
    EXPECT_EQ(log[1], c.connected ? "已连接到 192.168.3.250:5555" : "连接失败");
    EXPECT_EQ(rig.app->window.statusPart(1), c.connected ? "连接成功" : "连接失败");
    EXPECT_EQ(rig.app->app.deviceConnected, c.connected);
    EXPECT_TRUE(rig.app->window.isEnabled(ControlId::按钮_连接设备));
    // A success refreshes the device list, so the new device can be chosen.
    Calls expected = {{"connect", "192.168.3.250:5555"}};
    if (c.connected)
      expected.insert(expected.end(),
                      {{"devices"}, {"-s", "192.168.3.250:5555", "shell", "getprop", "ro.product.model"}});
    EXPECT_EQ(rig.argumentsOf("adb"), expected);
    EXPECT_EQ(rig.app->window.items(ControlId::组合框_设备),
              c.connected ? std::vector<std::string>{"Pixel=>192.168.3.250:5555"} : std::vector<std::string>{});
  }
}

struct ConnectTest : ::testing::Test, ConnectRig {};

TEST_F(ConnectTest, ShowsTheProgressAndDisablesTheButtonWhileAdbAnswers) {
  adb.on("connect*").delayMs(1500).out("failed to connect to x\n");
  start();
  const auto before = std::chrono::steady_clock::now();
  app->window.click(ControlId::按钮_连接设备);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(1000)) << "the click returns at once";
  EXPECT_EQ(app->window.statusPart(1), "正在验证连接.....");
  EXPECT_FALSE(app->window.isEnabled(ControlId::按钮_连接设备));
  app->window.click(ControlId::按钮_清空日志);  // the window goes on answering
  ASSERT_TRUE(app->settle());
  EXPECT_TRUE(app->window.isEnabled(ControlId::按钮_连接设备));
  EXPECT_EQ(app->window.statusPart(1), "连接失败");
  EXPECT_EQ(run.calls("adb").size(), 1u) << "the disabled button started no second connect";
}

TEST_F(ConnectTest, GoesToTheTypedAddressAsOneArgumentWhateverIsChosen) {
  start();
  app->app.selectedTarget.set("emulator-5554");
  const std::string pwned = run.folderText() + kPathSeparator + "pwned.txt";
  const std::pair<std::string, std::string> typed[] = {
      {"10.0.0.7", "5555"},
      {"192.168.3.250", ""},
      {"192..3.", "5555"},
      {"192.168.3.250", "5555 & echo pwned>" + pwned},
      {"192.168.3.250", "$(touch " + pwned + ")"},
  };
  Calls expected;
  for (const auto& [ip, port] : typed) {
    app->window.setText(ControlId::IP编辑框1, ip);
    app->window.type(ControlId::编辑框_端口, port);
    connect();
    expected.push_back({"connect", std::string(ip).append(":").append(port)});
    EXPECT_EQ(app->window.statusPart(1), "连接失败");
    EXPECT_EQ(log().back(), "连接失败");
    EXPECT_TRUE(app->window.isEnabled(ControlId::按钮_连接设备));
  }
  EXPECT_EQ(argumentsOf("adb"), expected);
  EXPECT_FALSE(std::filesystem::exists(pwned));
}

TEST_F(ConnectTest, FailsWhenAdbIsMissing) {
  start();
  removeTool("adb");
  connect();
  EXPECT_EQ(log(), (std::vector<std::string>{"发送：adb connect 192.168.3.250:5555", "连接失败"}));
  EXPECT_EQ(app->window.statusPart(1), "连接失败");
  EXPECT_FALSE(app->app.deviceConnected);
  EXPECT_TRUE(app->window.isEnabled(ControlId::按钮_连接设备));
}

struct DisconnectTest : DevicesTest {};

TEST_F(DisconnectTest, WithoutAChosenDeviceOnlyAsksForOne) {
  start();
  app->window.click(ControlId::按钮_断开连接);
  ASSERT_TRUE(app->settle());
  const std::vector<MemoryWindow::ShownBox> boxes = app->window.shownBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "请选择操作设备");
  EXPECT_EQ(boxes[0].title, "信息：");
  EXPECT_EQ(boxes[0].buttons, BoxButtons::Ok);
  EXPECT_TRUE(log().empty());
  EXPECT_TRUE(run.calls("adb").empty());
}

TEST_F(DisconnectTest, LogsTheCommandLineAndTheAnswerAndChangesNothingElse) {
  adb.on("disconnect 192.168.3.9:5555").out(utf8(u8"disconnected 192.168.3.9:5555 设备\n"));
  start();
  app->app.selectedTarget.set("192.168.3.9:5555");
  app->app.deviceConnected = true;
  app->window.setItems(ControlId::组合框_设备, {"Pixel=>192.168.3.9:5555"});
  app->window.setStatusPart(1, "连接成功");
  app->window.click(ControlId::按钮_断开连接);
  ASSERT_TRUE(app->settle());

  EXPECT_EQ(log(), (std::vector<std::string>{"输入：" + toolDirectory() + "adb disconnect 192.168.3.9:5555",
                                             "返回：disconnected 192.168.3.9:5555 设备", ""}));
  EXPECT_EQ(argumentsOf("adb"), (Calls{{"disconnect", "192.168.3.9:5555"}}));
  EXPECT_EQ(app->app.selectedTarget.get(), "192.168.3.9:5555");
  EXPECT_TRUE(app->app.deviceConnected);
  EXPECT_EQ(app->window.items(ControlId::组合框_设备).size(), 1u);
  EXPECT_EQ(app->window.statusPart(1), "连接成功");
  EXPECT_TRUE(app->window.shownBoxes().empty());
}

TEST_F(DisconnectTest, AnAnswerOnStandardErrorLeavesTheAnswerEmpty) {
  adb.on("disconnect*").err("error: no such device '1.2.3.4:5555'\n").exitCode(1);
  start();
  app->app.selectedTarget.set("1.2.3.4:5555");
  app->window.click(ControlId::按钮_断开连接);
  ASSERT_TRUE(app->settle());
  EXPECT_EQ(log(), (std::vector<std::string>{"输入：" + toolDirectory() + "adb disconnect 1.2.3.4:5555", "返回："}));
}

struct StateCheckTest : DevicesTest {
  std::vector<std::string> pressAt(int x) {
    app->window.setText(ControlId::编辑框_输出, "");
    app->window.pressStatusBar(x, 5);
    EXPECT_TRUE(app->settle());
    return log();
  }
};

TEST_F(StateCheckTest, OnlyThePressesOnTheDeviceStateCount) {
  adb.on("get-state").out("device\n");
  start();
  EXPECT_TRUE(pressAt(61).empty());
  EXPECT_TRUE(pressAt(177).empty());
  EXPECT_TRUE(run.calls("adb").empty());
  EXPECT_EQ(pressAt(62), std::vector<std::string>{"device:设备正常连接"});
  EXPECT_EQ(pressAt(176), std::vector<std::string>{"device:设备正常连接"});
  EXPECT_EQ(argumentsOf("adb"), (Calls{{"get-state"}, {"get-state"}}));
  EXPECT_EQ(app->window.statusPart(1), "") << "the state check writes nothing into the status bar";
}

TEST(StateCheck, LogsTheVerdictOfTheAnswer) {
  constexpr char kRetry[] = "未连接设备，请重新连接";
  struct Case {
    std::string out;
    std::string err;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"device\n", "", {"device:设备正常连接"}},
      {"DEVICE\n", "", {"device:设备正常连接"}},
      {"offline\n", "", {" offline:连接出现异常，设备无响应 ", kRetry}},
      {"unknown\n", "", {"unknown:没有连接设备", kRetry}},
      {"Offline unknown\n", "", {" offline:连接出现异常，设备无响应 ", kRetry}},
      {"recovery\n", "", {kRetry}},
      {"", "error: no devices/emulators found\n", {kRetry}},
      {"", "", {kRetry}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.out + c.err);
    DevicesRig rig;
    FakeRule& rule = rig.adb.on("get-state");
    if (!c.out.empty()) rule.out(c.out);
    if (!c.err.empty()) rule.err(c.err).exitCode(1);
    rig.start().window.pressStatusBar(100, 0);
    ASSERT_TRUE(rig.app->settle());
    EXPECT_EQ(rig.log(), c.expected);
  }
}

TEST_F(StateCheckTest, AdbMissingOrHangingLeavesTheWindowResponsive) {
  adb.on("get-state").delayMs(1500).out("device\n");
  start();
  const auto before = std::chrono::steady_clock::now();
  app->window.pressStatusBar(100, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(1000)) << "the press returns at once";
  ASSERT_TRUE(app->settle());
  EXPECT_EQ(log(), std::vector<std::string>{"device:设备正常连接"});

  removeTool("adb");
  EXPECT_EQ(pressAt(100), std::vector<std::string>{"未连接设备，请重新连接"});
}

}  // namespace
