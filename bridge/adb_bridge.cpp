#include "bridge/adb_bridge.h"

#include "bridge/raw_answer.h"
#include "devices/device_list.h"
#include "host/adb_texts.h"
#include "host/code_page.h"
#include "host/command_line.h"
#include "host/console_runner.h"
#include "host/platform.h"
#include "window/app_context.h"
#include "window/log_pane.h"

namespace {

bool startsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

}  // namespace

std::string toolCommandLine(const std::string& toolDirectory, const std::string& command) {
  const std::size_t nameEnd = command.find(' ');
  const std::string rest = nameEnd == std::string::npos ? "" : command.substr(nameEnd);
  return quoteArgument(toolDirectory + command.substr(0, nameEnd)) + rest;
}

AdbBridge::AdbBridge(const std::string& runDirectory) : toolDirectory_(runDirectory + kPathSeparator) {}

AdbBridge::~AdbBridge() = default;

std::unique_ptr<AdbBridge> AdbBridge::copy() const { return std::make_unique<AdbBridge>(*this); }

void AdbBridge::noOperation(int, int) {}

std::string AdbBridge::run(const std::string& command) {
  return runConsoleProgram(toolCommandLine(toolDirectory_, command));
}

bool AdbBridge::connect(AppContext& app, const std::string& address) {
  pumpPendingMessages();
  appendLog(app.ui, std::string("发送：") + adb_texts::kAdb + adb_texts::kConnect + address);
  // The address is typed by the user: one argument, whatever it holds.
  const std::string answer = run(std::string(adb_texts::kAdb) + adb_texts::kConnect + quoteArgument(address));
  if (startsWith(answer, adb_texts::kConnected) || startsWith(answer, adb_texts::kAlreadyConnected)) {
    appendLog(app.ui, "已连接到 " + address);
    showDeviceState(app.ui, "连接成功");
    app.deviceConnected = true;
    startDeviceRefresh(app);
    return true;
  }
  appendLog(app.ui, "连接失败");
  showDeviceState(app.ui, "连接失败");
  app.deviceConnected = false;
  return false;
}

void AdbBridge::restartServer(AppContext& app) {
  appendLog(app.ui, "重启ADB服务...");
  run(std::string(adb_texts::kAdb) + adb_texts::kKillServer);
  waitPumping(250);
  run(std::string(adb_texts::kAdb) + adb_texts::kStartServer);
  appendLog(app.ui, "重启ADB服务完成");
}

void AdbBridge::runLogged(AppContext& app, const std::string& command) {
  const std::string commandLine = toolCommandLine(toolDirectory_, command);
  appendLog(app.ui, "输入：" + commandLine);
  appendLog(app.ui, "返回：" + decodeOutput(runConsoleProgram(commandLine)));
}

bool AdbBridge::getState(AppContext& app) {
  const std::string answer = run(std::string(adb_texts::kAdb) + adb_texts::kGetState);
  if (containsIgnoringCase(answer, adb_texts::kDeviceState)) {
    appendLog(app.ui, "device:设备正常连接");
    return true;
  }
  if (containsIgnoringCase(answer, adb_texts::kOffline)) {
    appendLog(app.ui, " offline:连接出现异常，设备无响应 ");
  } else if (containsIgnoringCase(answer, adb_texts::kUnknown)) {
    appendLog(app.ui, "unknown:没有连接设备");
  }
  return false;
}
