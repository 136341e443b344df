// How commands address a device.
//
// selectedTarget (AppContext) is the serial chosen in 组合框_设备. targetAddress is
// what most commands put after "adb -s ": that serial, or when none is chosen the
// address of IP编辑框1, ":" and the text of 编辑框_端口, read now and taken as typed.
// Safe from any thread.
#pragma once

#include "window/app_context.h"

#include <string>

// The address of the two WiFi boxes: "192.168.3.250:5555" at start.
std::string typedAddress(AppContext& app);

std::string targetAddress(AppContext& app);
