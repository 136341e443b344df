// The device information report: 按钮_获取设备信息 writes fourteen answers of adb about
// the chosen device into the log, one untimed block per item (the bridge operation
// AdbBridge::reportDeviceInfo).
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

#include <span>

struct ReportItem {
  const char* label;
  const char* suffix;  // follows "adb -s " and the serial
};

// The items in the order they are asked and written.
std::span<const ReportItem> reportItems();

// 按钮_获取设备信息: disables the button and runs deviceInfoWorker on a worker thread.
void onDeviceInfoClicked(AppContext& app, const EventArgs& args);

// Without a chosen device: the box "请选择操作设备". Otherwise the report of
// selectedTarget. Enables the button again at its end.
void deviceInfoWorker(AppContext& app);
