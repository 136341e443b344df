// The WiFi connection: 按钮_连接设备 connects adb to the address of the two boxes,
// 按钮_断开连接 drops the chosen device, a left press on the device state of 状态条1
// checks whether a device is attached.
//
// Each adb call runs on a worker, so the window stays responsive while adb hangs.
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

// 按钮_连接设备: shows "正在验证连接.....", disables the button, runs connectWorker.
void onConnectClicked(AppContext& app, const EventArgs& args);

// Connects to the typed address (AdbBridge::connect) and enables the button again.
void connectWorker(AppContext& app);

// 按钮_断开连接: without a chosen device the box "请选择操作设备"; otherwise
// "adb disconnect " + selectedTarget, logged, on a worker.
void onDisconnectClicked(AppContext& app, const EventArgs& args);

// The part of 状态条1 that answers a press: from x = 62 to x = 176.
inline constexpr int kStateCheckFirstX = 62;
inline constexpr int kStateCheckLastX = 176;

// A left press on 状态条1: inside the range, stateCheck on a worker.
void onStatusBarPressed(AppContext& app, const EventArgs& args);

// "adb get-state" with its verdict in the log, and "未连接设备，请重新连接" when no
// device answered.
void stateCheck(AppContext& app);
