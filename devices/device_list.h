// Device discovery and the choice of the target: 按钮_刷新设备 (and a successful WiFi
// connect) fills 组合框_设备 with one entry per device adb sees, model "=>" serial;
// choosing an entry makes its serial selectedTarget.
//
// A serial is the device's own text: it reaches adb as one argument of a program
// started without the command interpreter, never as part of a command the
// interpreter reads.
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

#include <string>
#include <vector>

struct DeviceLine {
  std::string serial;  // the text before the line's first tab
  std::string state;   // the text after it: "device" for a device ready to answer
};

// The device lines of a raw `adb devices` answer: those between its header and the
// first empty line after it, in adb's order, without lines of an empty serial.
std::vector<DeviceLine> deviceLines(const std::string& answer);

// Runs `adb devices`, asks each ready device for its model and fills 组合框_设备.
// Runs on a worker; selectedTarget and the combo box's choice are left alone.
void refreshDeviceList(AppContext& app);

// refreshDeviceList on a new worker thread, not waited for.
void startDeviceRefresh(AppContext& app);

// 按钮_刷新设备. The button stays enabled.
void onRefreshClicked(AppContext& app, const EventArgs& args);

// An entry of 组合框_设备 was chosen: its serial becomes selectedTarget.
void onDeviceChosen(AppContext& app, const EventArgs& args);
