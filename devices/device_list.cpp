#include "devices/device_list.h"

#include "bridge/adb_bridge.h"
#include "bridge/raw_answer.h"
#include "host/adb_texts.h"
#include "host/command_line.h"
#include "host/console_runner.h"
#include "host/platform.h"
#include "host/text_rules.h"
#include "host/workers.h"
#include "window/log_pane.h"

namespace {

constexpr char kNoDevicesHint[] = "没有搜索到设备，请检查是否启用USB调试并插入连接USB接口，首次连接需手机添加信任";
constexpr char kEntrySeparator[] = "=>";

std::string adbCommandLine(AppContext& app, const std::string& arguments) {
  return toolCommandLine(app.adbBridge.toolDirectory(), adb_texts::kAdb + arguments);
}

// The entry of one device. A device that is not ready (unauthorized, offline, ...)
// is not asked: its state word stands where the model would, telling the user why.
DeviceEntry entryFor(AppContext& app, const DeviceLine& line) {
  std::string shown = line.state;
  if (equalsIgnoringCase(line.state, adb_texts::kDeviceState)) {
    const std::string query = adb_texts::kSerialOption + quoteArgument(line.serial) + adb_texts::kModelQuery;
    shown = withoutTrailingLineBreaks(runDirect(adbCommandLine(app, query)));
  }
  return {shown + kEntrySeparator + line.serial, line.serial};
}

}  // namespace

std::vector<DeviceLine> deviceLines(const std::string& answer) {
  // The answer is raw UTF-8: the markers are found byte by byte.
  std::vector<DeviceLine> lines;
  const std::size_t header = answer.find(adb_texts::kDevicesHeader);
  if (header == std::string::npos) return lines;
  const std::size_t start = header + adb_texts::kDevicesHeader.size();
  const std::size_t end = answer.find(adb_texts::kDevicesEnd, start);
  if (end == std::string::npos) return lines;

  // Every line ends in adb's ASCII state word, so no line break is hidden inside a
  // character for the split's code page 936 rule.
  for (const std::string& piece : splitNonEmpty(answer.substr(start, end - start), kToolLineBreak)) {
    const std::size_t tab = piece.find('\t');
    DeviceLine line{piece.substr(0, tab), tab == std::string::npos ? "" : piece.substr(tab + 1)};
    if (!line.serial.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

void refreshDeviceList(AppContext& app) {
  const unsigned refresh = app.deviceList.begin(app.ui);
  appendLog(app.ui, std::string("发送：") + adb_texts::kAdb + adb_texts::kDevices);
  const std::string answer = runDirect(adbCommandLine(app, adb_texts::kDevices));
  if (answer.find(adb_texts::kDeviceState) == std::string::npos) {
    appendLog(app.ui, kNoDevicesHint);
    return;
  }
  appendLog(app.ui, "返回：" + answer);

  const std::vector<DeviceLine> lines = deviceLines(answer);
  if (lines.empty()) appendLog(app.ui, kNoDevicesHint);
  std::vector<DeviceEntry> entries;
  for (const DeviceLine& line : lines) entries.push_back(entryFor(app, line));
  app.deviceList.publish(app.ui, refresh, entries);
}

void startDeviceRefresh(AppContext& app) {
  startWorker([&app] { refreshDeviceList(app); });
}

void onRefreshClicked(AppContext& app, const EventArgs&) { startDeviceRefresh(app); }

void onDeviceChosen(AppContext& app, const EventArgs&) {
  const int index = app.ui.selectedIndex(ControlId::组合框_设备);
  const std::vector<std::string> items = app.ui.items(ControlId::组合框_设备);
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  // The serial as published; an entry of a list replaced meanwhile by its own text.
  app.selectedTarget.set(
      app.deviceList.serialOf(index, items[index]).value_or(textAfterMarker(items[index], kEntrySeparator)));
}
