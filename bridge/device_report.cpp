#include "bridge/device_report.h"

#include "host/adb_texts.h"
#include "host/code_page.h"
#include "host/command_line.h"
#include "host/workers.h"
#include "window/log_pane.h"

namespace {

// Item 13 reads the files through the device shell: "adb root" would ignore the
// words after it and restart adbd, changing the device and cutting it off for a while.
const ReportItem kReportItems[] = {
    {"设备型号：", " shell getprop ro.product.model"},
    {"分辨率：", " shell wm size"},
    {"电池状态：", " shell dumpsys battery"},
    {"屏幕密度：", " shell wm density"},
    {"屏幕参数：", " shell dumpsys window displays"},
    {"安卓ID：", " shell settings get secure android_id"},
    {"IMEI：", " shell dumpsys iphonesubinfo"},
    {"系统版本：", " shell getprop ro.build.version.release"},
    {"IP地址：", " shell ifconfig wlan0"},
    {"MAC地址：", " shell cat /sys/class/net/wlan0/address"},
    {"CPU信息：", " shell cat /proc/cpuinfo"},
    {"内存信息：", " shell cat /proc/meminfo"},
    {"WIFI密码：", " shell cat /data/misc/wifi/*.conf"},
    {"更多：", " shell cat /system/build.prop"},
};

}  // namespace

std::span<const ReportItem> reportItems() { return kReportItems; }

void AdbBridge::reportDeviceInfo(AppContext& app, const std::string& serial) {
  const std::string device = std::string(adb_texts::kAdb) + adb_texts::kSerialOption + quoteArgument(serial);
  for (const ReportItem& item : kReportItems) {
    const std::string answer = decodeOutput(run(device + item.suffix));
    appendLog(app.ui, item.label + answer + "\r\n", true);
  }
}

void onDeviceInfoClicked(AppContext& app, const EventArgs&) {
  app.ui.setEnabled(ControlId::按钮_获取设备信息, false);
  startWorker([&app] { deviceInfoWorker(app); });
}

void deviceInfoWorker(AppContext& app) {
  const std::string serial = app.selectedTarget.get();
  if (serial.empty()) {
    app.ui.inform("请选择操作设备");
  } else {
    appendLog(app.ui, "正在获取设备信息.......");
    app.adbBridge.reportDeviceInfo(app, serial);
  }
  app.ui.setEnabled(ControlId::按钮_获取设备信息, true);
}
