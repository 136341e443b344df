#include "bridge/device_report.h"
#include "host/text_rules.h"
#include "tests/unit/devices_fixture.h"

namespace {

struct DeviceReportTest : DevicesTest {};

TEST_F(DeviceReportTest, WithoutAChosenDeviceOnlyAsksForOne) {
  start();
  app->window.click(ControlId::按钮_获取设备信息);
  ASSERT_TRUE(app->settle());
  const std::vector<MemoryWindow::ShownBox> boxes = app->window.shownBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "请选择操作设备");
  EXPECT_EQ(boxes[0].title, "信息：");
  EXPECT_TRUE(log().empty());
  EXPECT_TRUE(run.calls("adb").empty());
  EXPECT_TRUE(app->window.isEnabled(ControlId::按钮_获取设备信息));
}

TEST_F(DeviceReportTest, WritesTheFourteenItemsInOrderUntimed) {
  // Each item answers its own number; the model in Chinese with a line break, the
  // WiFi item only on standard error.
  int number = 0;
  for (const ReportItem& item : reportItems()) {
    FakeRule& rule = adb.on("-s R58M123" + std::string(item.suffix)).delayMs(number == 0 ? 500 : 0);
    ++number;
    if (number == 1) {
      rule.out(utf8(u8"小米 9\n"));
    } else if (number == 13) {
      rule.err("cat: /data/misc/wifi/*.conf: Permission denied\n").exitCode(1);
    } else {
      rule.out("answer " + std::to_string(number));
    }
  }
  start();
  app->app.selectedTarget.set("R58M123");
  app->window.click(ControlId::按钮_获取设备信息);
  EXPECT_FALSE(app->window.isEnabled(ControlId::按钮_获取设备信息));
  ASSERT_TRUE(app->settle());
  EXPECT_TRUE(app->window.isEnabled(ControlId::按钮_获取设备信息));

  const std::string pane = app->window.text(ControlId::编辑框_输出);
  const std::size_t firstLineEnd = pane.find("\r\n");
  ASSERT_NE(firstLineEnd, std::string::npos);
  const std::string first = pane.substr(0, firstLineEnd);
  EXPECT_TRUE(hasTimeStamp(first));
  EXPECT_EQ(first.substr(9), "正在获取设备信息.......");

  std::string expected = std::string("设备型号：小米 9") + kToolLineBreak + "\r\n\r\n";
  const char* const labels[] = {"分辨率：",   "电池状态：", "屏幕密度：", "屏幕参数：", "安卓ID：",
                                "IMEI：",     "系统版本：", "IP地址：",   "MAC地址：",  "CPU信息：",
                                "内存信息：", "WIFI密码：", "更多："};
  for (int i = 2; i <= 14; ++i) {
    expected += labels[i - 2];
    if (i != 13) expected += "answer " + std::to_string(i);
    expected += "\r\n\r\n";
  }
  EXPECT_EQ(pane.substr(firstLineEnd + 2), expected);

  // Every question addresses the serial; none restarts adbd as root.
  const std::vector<std::vector<std::string>> calls = argumentsOf("adb");
  ASSERT_EQ(calls.size(), 14u);
  for (const std::vector<std::string>& call : calls) {
    ASSERT_GE(call.size(), 3u);
    EXPECT_EQ(call[0], "-s");
    EXPECT_EQ(call[1], "R58M123");
    EXPECT_EQ(call[2], "shell");
  }
  EXPECT_EQ(calls[12], (std::vector<std::string>{"-s", "R58M123", "shell", "cat", "/data/misc/wifi/*.conf"}));
  EXPECT_EQ(calls[13], (std::vector<std::string>{"-s", "R58M123", "shell", "cat", "/system/build.prop"}));
}

}  // namespace
