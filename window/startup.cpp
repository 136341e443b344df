#include "window/startup.h"

#include "host/platform.h"
#include "window/log_pane.h"

void windowCreated(AppContext& app) {
  appendLog(app.ui, "请连接设备，开始使用");
  appendLog(app.ui, "此功能需要手机ROOT，否则ADB无法启动");
  appendLog(app.ui, "手机连接wifi，让电脑和手机处于同一网段再操作，开启[ tessaro应用 ]并启动ADB模式，界面会出现连接IP");
  app.deviceConnected = false;

  std::string desktop = desktopFolder();
  if (desktop.empty() || desktop.compare(desktop.size() - 1, 1, kPathSeparator) != 0) desktop += kPathSeparator;
  app.ui.setText(ControlId::编辑框_拷贝文件存放路径, desktop);

  app.ui.setSelectedIndex(ControlId::组合框_存储选项, 0);
  app.selectedTarget.set("");
  app.ui.setSelectionFieldHeight(ControlId::组合框_设备, 20);
}
