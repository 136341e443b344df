#include "devices/mirroring.h"
#include "tests/unit/devices_fixture.h"

#include <chrono>
#include <thread>

namespace {

using Calls = std::vector<std::vector<std::string>>;

constexpr char kQuestion[] = "设备连接成功后是否进入熄屏状态？如果取消请按取消按钮。";

struct MirroringTest : DevicesTest {
  void mirror(BoxAnswer answer) {
    app->window.answerNextBox(answer);
    app->window.click(ControlId::按钮_投屏显示);
    ASSERT_TRUE(app->settle());
  }
};

TEST_F(MirroringTest, WithoutAChosenDeviceOnlyAsksForOne) {
  start();
  mirror(BoxAnswer::Ok);
  const std::vector<MemoryWindow::ShownBox> boxes = app->window.shownBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "请选择设备");
  EXPECT_EQ(boxes[0].title, "信息：");
  EXPECT_EQ(boxes[0].buttons, BoxButtons::Ok);
  EXPECT_TRUE(log().empty());
  EXPECT_TRUE(run.calls("scrcpy").empty());
}

TEST_F(MirroringTest, TheAnswerChoosesTheCommand) {
  scrcpy.on("*").out("INFO: Renderer: direct3d\n").err(utf8(u8"ERROR: 设备已断开\n")).exitCode(2);
  start();
  app->app.selectedTarget.set("R58M123");

  mirror(BoxAnswer::Yes);
  mirror(BoxAnswer::No);
  mirror(BoxAnswer::Cancel);

  const std::vector<MemoryWindow::ShownBox> boxes = app->window.shownBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  for (const MemoryWindow::ShownBox& box : boxes) {
    EXPECT_EQ(box.text, kQuestion);
    EXPECT_EQ(box.title, "询问");
    EXPECT_EQ(box.buttons, BoxButtons::YesNoCancel);
  }
  EXPECT_EQ(argumentsOf("scrcpy"), (Calls{{"-s", "R58M123", "-m", "800", "--turn-screen-off", "--stay-awake"},
                                          {"-s", "R58M123", "-m", "800", "--stay-awake"}}));
  // scrcpy's output, standard error included, is one entry after its "发送：" line.
  const std::vector<std::string> expected = {
      "发送：scrcpy -s R58M123 -m 800  --turn-screen-off --stay-awake",
      "INFO: Renderer: direct3d",
      "ERROR: 设备已断开",
      "",
      "发送：scrcpy -s R58M123 -m 800  --stay-awake",
      "INFO: Renderer: direct3d",
      "ERROR: 设备已断开",
      "",
  };
  EXPECT_EQ(log(), expected);
  EXPECT_TRUE(app->window.isEnabled(ControlId::按钮_投屏显示));
}

TEST_F(MirroringTest, RunsGoOnSideBySide) {
  scrcpy.on("*").delayMs(2000).out("INFO: done\n");
  start();
  app->app.selectedTarget.set("A");
  app->window.answerNextBox(BoxAnswer::Yes);
  app->window.click(ControlId::按钮_投屏显示);
  app->window.answerNextBox(BoxAnswer::No);
  app->window.click(ControlId::按钮_投屏显示);
  // Both scrcpy processes run before the first has ended.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
  while (run.calls("scrcpy").size() < 2 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(run.calls("scrcpy").size(), 2u);
  ASSERT_TRUE(app->settle());
  EXPECT_EQ(log().size(), 6u);  // two "发送：" lines, two outputs of a line and an empty line
}

TEST(Mirroring, ComposesTheTwoForms) {
  EXPECT_EQ(mirrorCommand("S", true), "scrcpy -s S -m 800  --turn-screen-off --stay-awake");
  EXPECT_EQ(mirrorCommand("S", false), "scrcpy -s S -m 800  --stay-awake");
  EXPECT_EQ(mirrorCommand("a b", false), "scrcpy -s \"a b\" -m 800  --stay-awake");
}

}  // namespace
