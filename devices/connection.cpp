#include "devices/connection.h"

#include "devices/target.h"
#include "host/adb_texts.h"
#include "host/command_line.h"
#include "host/workers.h"
#include "window/log_pane.h"

void onConnectClicked(AppContext& app, const EventArgs&) {
  showDeviceState(app.ui, "正在验证连接.....");
  app.ui.setEnabled(ControlId::按钮_连接设备, false);
  startWorker([&app] { connectWorker(app); });
}

void connectWorker(AppContext& app) {
  app.adbBridge.connect(app, typedAddress(app));
  app.ui.setEnabled(ControlId::按钮_连接设备, true);
}

void onDisconnectClicked(AppContext& app, const EventArgs&) {
  const std::string serial = app.selectedTarget.get();
  if (serial.empty()) {
    app.ui.inform("请选择操作设备");
    return;
  }
  startWorker([&app, serial] {
    app.adbBridge.runLogged(app, std::string(adb_texts::kAdb) + adb_texts::kDisconnect + quoteArgument(serial));
  });
}

void onStatusBarPressed(AppContext& app, const EventArgs& args) {
  if (args.x < kStateCheckFirstX || args.x > kStateCheckLastX) return;
  startWorker([&app] { stateCheck(app); });
}

void stateCheck(AppContext& app) {
  if (!app.adbBridge.getState(app)) appendLog(app.ui, "未连接设备，请重新连接");
}
