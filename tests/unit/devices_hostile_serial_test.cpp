// A serial is the device's own text (or the network's): whatever it holds, every
// command that carries it addresses exactly that device and runs nothing else.

#include "tests/unit/devices_fixture.h"

namespace {

using Calls = std::vector<std::vector<std::string>>;

// Words an interpreter (cmd or sh) would act on, C runtime quoting, and the entry's arrow.
// Those that would run a command plant a file in `folder`.
std::vector<std::string> hostileSerials(const std::string& folder) {
  const std::string planted = folder + kPathSeparator + "pwned";
  return {
      "x&calc",
      "a|b",
      "a b",
      "%PATH%",
      "\"q\"",
      "^x",
      "(y)",
      "x&echo pwned>" + planted + "1.txt",
      "$(touch " + planted + "2)",
      ";touch " + planted + "3",
      "`touch " + planted + "4`",
      "|touch " + planted + "5",
      "x'y",
      "a\\\"b",
      "ends\\",
      "a  b\\ ",
      "!x!",
      "x=>y",
  };
}

// Refresh, choice, disconnect, report and mirroring with one device of this serial.
void useDeviceWithSerial(const std::string& serial) {
  DevicesRig rig;
  rig.adb.on("devices").out(devicesAnswer({serial + "\tdevice"}));
  rig.adb.on("*ro.product.model").out("M\n");
  rig.adb.on("*").out("ok\n");
  rig.scrcpy.on("*").out("INFO: done\n");
  AppFixture& app = rig.start();

  app.window.click(ControlId::按钮_刷新设备);
  ASSERT_TRUE(app.settle());
  EXPECT_EQ(app.window.items(ControlId::组合框_设备), std::vector<std::string>{"M=>" + serial});
  app.window.choose(ControlId::组合框_设备, 0);
  EXPECT_EQ(app.app.selectedTarget.get(), serial);

  app.window.click(ControlId::按钮_断开连接);
  ASSERT_TRUE(app.settle());
  app.window.click(ControlId::按钮_获取设备信息);
  ASSERT_TRUE(app.settle());
  app.window.answerNextBox(BoxAnswer::Yes);
  app.window.click(ControlId::按钮_投屏显示);
  ASSERT_TRUE(app.settle());

  const Calls calls = rig.argumentsOf("adb");
  ASSERT_EQ(calls.size(), 17u);
  EXPECT_EQ(calls[0], std::vector<std::string>{"devices"});
  EXPECT_EQ(calls[1], (std::vector<std::string>{"-s", serial, "shell", "getprop", "ro.product.model"}));
  EXPECT_EQ(calls[2], (std::vector<std::string>{"disconnect", serial}));
  for (std::size_t i = 3; i < calls.size(); ++i) {
    ASSERT_GE(calls[i].size(), 3u);
    EXPECT_EQ(calls[i][1], serial) << "report question " << i - 2;
  }
  EXPECT_EQ(rig.argumentsOf("scrcpy"), (Calls{{"-s", serial, "-m", "800", "--turn-screen-off", "--stay-awake"}}));
}

TEST(HostileSerial, AddressesExactlyThatDeviceAndRunsNothingElse) {
  TestRunDir planted;
  for (const std::string& serial : hostileSerials(planted.folderText())) {
    SCOPED_TRACE(serial);
    useDeviceWithSerial(serial);
  }
  EXPECT_TRUE(std::filesystem::is_empty(planted.folder())) << "a serial ran a command";
}

}  // namespace
