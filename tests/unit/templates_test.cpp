#include "host/interpreter_quote.h"
#include "host/program_launcher.h"
#include "host/text_rules.h"
#include "tests/fake_tool/scenario.h"
#include "tests/unit/app_fixture.h"
#include "window/log_pane.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char kUntouched[] = "left as it was";

// Each button's command with "{T}" for the target and "{P}" for the package name, and
// what it leaves in status part 3 (kUntouched when it does not write it).
struct TemplateCase {
  ControlId button;
  const char* command;
  const char* hint;
};

const TemplateCase kTemplates[] = {
    {ControlId::超级按钮_启动APK, "adb -s {T} shell am start {P}", "输入包名，启动APK"},
    {ControlId::超级按钮_关闭APK, "adb -s {T} shell am force-stop {P}", "输入包名，关闭APK"},
    {ControlId::超级按钮_卸载APP, "adb -s {T} uninstall {P}", ""},
    {ControlId::超级按钮_验证包名是否存在, "adb -s {T} shell pm list packages | find \"com.android.settings\"",
     "验证包名是否已存在，存在说明APK已安装"},
    {ControlId::超级按钮_读已安装APK信息, "adb -s {T} shell pm list packages", kUntouched},
    {ControlId::超级按钮_读应用安装列表, "adb -s {T} shell pm list packages -f", kUntouched},
    {ControlId::超级按钮_查APK安装路径, "adb -s {T} shell pm path 包名", kUntouched},
    {ControlId::超级按钮_查APK信息, "adb -s {T} shell dumpsys package com.android_sync.service", "查询系统安装APK信息"},
    {ControlId::超级按钮_设置文件权限,
     "adb -s {T} shell chmod 0644 /system/app/kwplay_cr_4.3.2.2_qirui_T1E_morvel_2020-09-08.apk", kUntouched},
    {ControlId::超级按钮_读system目录文件, "adb -s {T} shell ls -la /system/app/", ""},
    {ControlId::超级按钮_读外置存储路径, "adb -s {T} shell ls /storage/", ""},
    {ControlId::超级按钮_读存储路径, "adb -s {T} shell echo $EXTERNAL_STORAGE", kUntouched},
    {ControlId::超级按钮_读存储目录文件, "adb -s {T} shell ls -la /storage/emulated/0",
     "列出外置存储路径下的文件夹/文件名称+权限"},
    {ControlId::超级按钮_显示分区, "adb -s {T} shell df", kUntouched},
    {ControlId::超级按钮_删文件夹, "adb -s {T} shell rm -r /sdcard/123", "文件名必须一致才可以，区分大小写"},
    {ControlId::超级按钮_删除文件, "adb -s {T} shell rm /system/app/avi.apk", "文件名必须一致才可以，区分大小写"},
    {ControlId::按钮_重启设备, "adb -s {T} reboot", kUntouched},
    {ControlId::按钮_获取机器MAC地址, "adb -s {T} shell  cat /sys/class/net/wlan0/address", kUntouched},
    {ControlId::按钮_查ADB版本信息, "adb -s {T} version", kUntouched},
    {ControlId::按钮_关闭WIFI, "adb -s {T} shell svc wifi disable", "切换root权限# adb root; adb remount"},
    {ControlId::按钮_重启ADB服务, "adb start-server", kUntouched},
};

const ControlId kPackageButtons[] = {ControlId::超级按钮_启动APK, ControlId::超级按钮_关闭APK,
                                     ControlId::超级按钮_卸载APP};

std::string expand(const char* pattern, const std::string& target, const std::string& package) {
  return replaceAll(replaceAll(pattern, "{T}", target), "{P}", package);
}

struct Templates : ::testing::Test {
  void SetUp() override { fixture.open(); }

  // Clicks the button over a command box and a hint that hold something else.
  void click(ControlId button) {
    fixture.window.setText(ControlId::编辑框_命令, "previous");
    fixture.window.setStatusPart(kCommandHintPart, kUntouched);
    fixture.window.click(button);
  }

  void expectEveryTemplate(const std::string& target, const std::string& package) {
    fixture.window.type(ControlId::编辑框_APK包名, package);
    for (const TemplateCase& c : kTemplates) {
      click(c.button);
      const char* name = controlDef(c.button).name;
      EXPECT_EQ(fixture.window.text(ControlId::编辑框_命令), expand(c.command, target, package)) << name;
      EXPECT_EQ(fixture.window.statusPart(kCommandHintPart), c.hint) << name;
    }
    EXPECT_TRUE(fixture.window.shownBoxes().empty());
  }

  AppFixture fixture{"."};
};

TEST_F(Templates, WithoutAChosenDeviceTheyAddressTheStartAddress) {
  expectEveryTemplate("192.168.3.250:5555", "com.example.app");
}

TEST_F(Templates, WithoutAChosenDeviceTheyAddressTheTypedAddress) {
  fixture.window.setText(ControlId::IP编辑框1, "10.0.0.7");
  fixture.window.type(ControlId::编辑框_端口, "5037");
  expectEveryTemplate("10.0.0.7:5037", "com.example.app");
}

TEST_F(Templates, AChosenDeviceWinsOverTheTypedAddress) {
  fixture.window.type(ControlId::编辑框_端口, "5037");
  fixture.app.selectedTarget.set("emulator-5554");
  expectEveryTemplate("emulator-5554", "com.example.app");
}

TEST_F(Templates, ThePackageNameIsTakenAsTyped) {
  fixture.window.type(ControlId::编辑框_APK包名, " com.x ");
  click(ControlId::超级按钮_卸载APP);
  EXPECT_EQ(fixture.window.text(ControlId::编辑框_命令), "adb -s 192.168.3.250:5555 uninstall  com.x ");
}

TEST_F(Templates, PackageTemplatesRefuseAnEmptyPackageName) {
  for (ControlId button : kPackageButtons) {
    fixture.window.setFocus(ControlId::编辑框_命令);
    click(button);
    EXPECT_EQ(fixture.window.text(ControlId::编辑框_命令), "previous") << controlDef(button).name;
    EXPECT_EQ(fixture.window.statusPart(kCommandHintPart), kUntouched);
    EXPECT_EQ(fixture.window.focused(), ControlId::编辑框_APK包名);
  }
  const std::vector<MemoryWindow::ShownBox> boxes = fixture.window.shownBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  for (const MemoryWindow::ShownBox& box : boxes) {
    EXPECT_EQ(box.text, "请输入包名，再操作");
    EXPECT_EQ(box.title, "信息：");
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
  }
}

// A target holding a space or a character the command interpreter treats specially is
// written so that the console runs it as one word: adb receives it whole and nothing
// else runs.
TEST(TemplateTargets, AHostileTargetReachesAdbAsOneWord) {
  struct Case {
    const char* port;    // typed into 编辑框_端口, with no device chosen
    const char* serial;  // chosen, when not null
  };
  const Case cases[] = {
      {"5555 & echo pwned", nullptr},
      {"5555|echo pwned", nullptr},
      {"5555;echo pwned", nullptr},
      {"5555", "emu lator"},
      {"5555", "a\"b & echo pwned"},
      {"5555", "%PATH%"},
      {"5555", "$(echo pwned)"},
      {"5555", "it's"},
      {"5555", "x^y>z"},
  };
  TestRunDir run;
  run.addTool("adb", Scenario());
  std::size_t runs = 0;
  for (const Case& c : cases) {
    AppFixture fixture(run.folderText());
    fixture.open();
    fixture.window.type(ControlId::编辑框_端口, c.port);
    if (c.serial != nullptr) fixture.app.selectedTarget.set(c.serial);
    const std::string target = c.serial != nullptr ? c.serial : std::string("192.168.3.250:") + c.port;

    fixture.window.click(ControlId::按钮_重启设备);
    if (!quotableForInterpreter(target)) {
      // Refused rather than written in a form the interpreter might split.
      EXPECT_EQ(fixture.window.text(ControlId::编辑框_命令), "") << target;
      ASSERT_EQ(fixture.window.shownBoxes().size(), 1u) << target;
      continue;
    }
    EXPECT_EQ(fixture.window.text(ControlId::编辑框_命令), "adb -s " + quoteForInterpreter(target) + " reboot");
    fixture.window.click(ControlId::按钮_执行执行);
    ASSERT_TRUE(fixture.settle());

    const std::vector<FakeCall> calls = run.calls("adb");
    ASSERT_EQ(calls.size(), ++runs) << target;
    EXPECT_EQ(calls.back().arguments, (std::vector<std::string>{"-s", target, "reboot"}));
    EXPECT_EQ(fixture.logTexts().back(), "返回：") << target;  // the fake prints nothing, and nothing else ran
  }
}

TEST(CommandPrompt, OpensInTheRunDirectoryWithNoSpaceAfterTheSwitch) {
  EXPECT_EQ(commandPromptLine("C:\\tools"), "cmd /k cd /dC:\\tools\\");
  EXPECT_EQ(commandPromptLine("C:\\Program Files (x86)\\工具"), "cmd /k cd /dC:\\Program Files (x86)\\工具\\");
}

}  // namespace
