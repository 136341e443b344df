#include "host/platform.h"
#include "tests/unit/app_fixture.h"

#include <gtest/gtest.h>

namespace {

TEST(Startup, OpensWithThreeStampedHintLines) {
  AppFixture fixture(".");
  fixture.app.deviceConnected = true;
  fixture.app.selectedTarget.set("old");
  fixture.open();

  const std::vector<std::string> lines = fixture.logLines();
  ASSERT_EQ(lines.size(), 3u);
  for (const std::string& line : lines) EXPECT_TRUE(hasTimeStamp(line)) << line;
  EXPECT_EQ(fixture.logTexts(),
            (std::vector<std::string>{
                "请连接设备，开始使用",
                "此功能需要手机ROOT，否则ADB无法启动",
                "手机连接wifi，让电脑和手机处于同一网段再操作，开启[ tessaro应用 ]并启动ADB模式，界面会出现连接IP",
            }));
  EXPECT_FALSE(fixture.app.deviceConnected);
  EXPECT_EQ(fixture.app.selectedTarget.get(), "");
}

TEST(Startup, FillsTheDefaults) {
  AppFixture fixture(".");
  fixture.open();
  const std::string folder = fixture.window.text(ControlId::编辑框_拷贝文件存放路径);
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), kPathSeparator[0]);
  EXPECT_EQ(fixture.window.selectedIndex(ControlId::组合框_存储选项), 0);
  EXPECT_EQ(fixture.window.text(ControlId::组合框_存储选项), "外置存储");
  EXPECT_EQ(fixture.window.text(ControlId::编辑框_上传目录), "/sdcard/");
  EXPECT_EQ(fixture.window.text(ControlId::IP编辑框1), "192.168.3.250");
  EXPECT_EQ(fixture.window.text(ControlId::编辑框_端口), "5555");
  EXPECT_EQ(fixture.window.selectionFieldHeight(ControlId::组合框_设备), 20);
  EXPECT_TRUE(fixture.window.items(ControlId::组合框_设备).empty());
}

TEST(Startup, ShowsTheFirstPageOfEachTabControl) {
  AppFixture fixture(".");
  fixture.open();
  EXPECT_TRUE(fixture.window.isVisible(ControlId::按钮_选择APK));
  EXPECT_FALSE(fixture.window.isVisible(ControlId::按钮_获取已安装应用));
  EXPECT_FALSE(fixture.window.isVisible(ControlId::编辑框_上传目录));

  fixture.window.selectPage(ControlId::高级选择夹1, 3);
  EXPECT_FALSE(fixture.window.isVisible(ControlId::按钮_选择APK));
  EXPECT_TRUE(fixture.window.isVisible(ControlId::编辑框_上传目录));
  EXPECT_FALSE(fixture.window.isVisible(ControlId::按钮_内部文件上传));
  fixture.window.selectPage(ControlId::高级选择夹2, 1);
  EXPECT_TRUE(fixture.window.isVisible(ControlId::按钮_内部文件上传));
  EXPECT_FALSE(fixture.window.isVisible(ControlId::通用对话框1));
}

TEST(Startup, ReadOnlyBoxesRefuseTyping) {
  AppFixture fixture(".");
  fixture.open();
  const ControlId readOnly[] = {ControlId::编辑框_apk路径, ControlId::编辑框_选中应用包名,
                                ControlId::编辑框_上传文件路径, ControlId::编辑框_内部上传路径,
                                ControlId::编辑框_外置存储当前路径};
  for (ControlId id : readOnly) {
    const std::string before = fixture.window.text(id);
    fixture.window.type(id, "typed");
    EXPECT_EQ(fixture.window.text(id), before) << controlDef(id).name;
  }
  fixture.window.type(ControlId::编辑框_APK包名, "com.x");
  EXPECT_EQ(fixture.window.text(ControlId::编辑框_APK包名), "com.x");
}

}  // namespace
