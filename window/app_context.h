// The state the handlers share: the controls, the run directory, the adb bridge and
// the two globals of the program, the chosen target and the outcome of the last WiFi
// connect. One instance lives from start-up to exit; every member is safe to use from
// any thread.
#pragma once

#include "bridge/adb_bridge.h"
#include "devices/device_list_state.h"
#include "host/shared_text.h"
#include "window/controls.h"

#include <atomic>
#include <string>

struct AppContext {
  AppContext(Controls& controls, std::string runDir, AdbBridge& bridge)
      : ui(controls), runDirectory(std::move(runDir)), adbBridge(bridge) {}

  Controls& ui;
  const std::string runDirectory;  // without a trailing separator
  AdbBridge& adbBridge;
  SharedText selectedTarget;  // the serial chosen in 组合框_设备
  std::atomic<bool> deviceConnected{false};
  // What 组合框_设备 holds between refreshes (devices/device_list.cpp).
  DeviceListState deviceList;
};
