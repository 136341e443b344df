#include "window/log_pane.h"
#include "tests/unit/app_fixture.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(LogPane, StampsTheTimeAsTwoDigitFields) {
  EXPECT_EQ(logLine("发送：adb devices", false, 9, 5, 3), "09:05:03 发送：adb devices\r\n");
  EXPECT_EQ(logLine("x", false, 23, 59, 59), "23:59:59 x\r\n");
  EXPECT_EQ(logLine("x", false, 0, 0, 0), "00:00:00 x\r\n");
  EXPECT_EQ(logLine("", false, 12, 0, 1), "12:00:01 \r\n");
  EXPECT_EQ(logLine("报告", true, 12, 0, 1), "报告\r\n");
}

TEST(LogPane, AppendsAtTheVeryEndWhateverTheUserTyped) {
  AppFixture fixture(".");
  appendLog(fixture.app.ui, "第一行");
  fixture.window.type(ControlId::编辑框_输出, "typed by the user");
  appendLog(fixture.app.ui, "第二行", true);
  EXPECT_EQ(fixture.window.text(ControlId::编辑框_输出), "typed by the user第二行\r\n");
}

TEST(LogPane, LinesOfManyThreadsArriveWhole) {
  AppFixture fixture(".");
  constexpr int kThreads = 4;
  constexpr int kLines = 200;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < kLines; ++i)
        appendLog(fixture.app.ui, "线程" + std::to_string(t) + " 行" + std::to_string(i));
    });
  for (std::thread& thread : threads) thread.join();

  const std::vector<std::string> lines = fixture.logLines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLines));
  for (const std::string& line : lines) {
    EXPECT_TRUE(hasTimeStamp(line)) << line;
    EXPECT_EQ(line.compare(9, 4, "线程"), 0) << line;
  }
}

TEST(LogPane, ClearingEmptiesOnlyThePane) {
  AppFixture fixture(".");
  fixture.open();
  fixture.window.setStatusPart(3, "指令");
  fixture.window.click(ControlId::按钮_清空日志);
  EXPECT_EQ(fixture.window.text(ControlId::编辑框_输出), "");
  EXPECT_EQ(fixture.window.statusPart(3), "指令");
  appendLog(fixture.app.ui, "下一行");
  EXPECT_EQ(fixture.logTexts(), std::vector<std::string>{"下一行"});
}

TEST(StatusBar, DeviceStateGoesToPartOneAndOtherIndexesAreIgnored) {
  AppFixture fixture(".");
  showDeviceState(fixture.app.ui, "连接成功");
  EXPECT_EQ(fixture.window.statusPart(1), "连接成功");
  fixture.window.setStatusPart(4, "x");
  fixture.window.setStatusPart(-1, "x");
  EXPECT_EQ(fixture.window.statusPart(0), "设备状态：");
  EXPECT_EQ(fixture.window.statusPart(2), "指令名：");
  EXPECT_EQ(fixture.window.statusPart(3), "");
}

}  // namespace
