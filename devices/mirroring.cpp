#include "devices/mirroring.h"

#include "bridge/adb_bridge.h"
#include "host/code_page.h"
#include "host/command_line.h"
#include "host/console_runner.h"
#include "host/workers.h"
#include "window/log_pane.h"

std::string mirrorCommand(const std::string& serial, bool screenOff) {
  return "scrcpy -s " + quoteArgument(serial) +
         (screenOff ? " -m 800  --turn-screen-off --stay-awake" : " -m 800  --stay-awake");
}

void onMirrorClicked(AppContext& app, const EventArgs&) {
  if (app.selectedTarget.get().empty()) {
    app.ui.inform("请选择设备");
    return;
  }
  const BoxAnswer answer =
      app.ui.messageBox("设备连接成功后是否进入熄屏状态？如果取消请按取消按钮。", "询问", BoxButtons::YesNoCancel);
  if (answer != BoxAnswer::Yes && answer != BoxAnswer::No) return;
  const bool screenOff = answer == BoxAnswer::Yes;
  startWorker([&app, screenOff] { mirrorWorker(app, screenOff); });
}

void mirrorWorker(AppContext& app, bool screenOff) {
  const std::string command = mirrorCommand(app.selectedTarget.get(), screenOff);
  appendLog(app.ui, "发送：" + command);
  const std::string output = runDirect(toolCommandLine(app.adbBridge.toolDirectory(), command));
  appendLog(app.ui, decodeOutput(output));
}
