// Screen mirroring: 按钮_投屏显示 starts scrcpy of the run directory for the chosen
// device, after asking whether the device's own screen goes dark meanwhile. Every run
// has its own worker, which logs what scrcpy printed once it has ended.
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

#include <string>

// The scrcpy command for the serial: " -m 800  --turn-screen-off --stay-awake" when
// the screen goes dark, else " -m 800  --stay-awake" (two spaces before "--" in both).
std::string mirrorCommand(const std::string& serial, bool screenOff);

// 按钮_投屏显示: without a chosen device the box "请选择设备"; otherwise the question,
// and on Yes or No mirrorWorker on a new worker. The button stays enabled.
void onMirrorClicked(AppContext& app, const EventArgs& args);

// Runs scrcpy for selectedTarget as it is now and logs its converted output.
void mirrorWorker(AppContext& app, bool screenOff);
