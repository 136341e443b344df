// The command console: 编辑框_命令 and 按钮_执行执行. The user's own text runs here, and
// only here, through the command interpreter in the run directory; the sent command
// line and the answer go to the log.
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

#include <string>

// 按钮_执行执行: disables the button and runs consoleWorker on a worker thread.
void onExecuteClicked(AppContext& app, const EventArgs& args);

// Enter in 编辑框_命令: what the button does, while it is enabled.
void onCommandEnterPressed(AppContext& app, const EventArgs& args);

// Reads 编辑框_命令, runs it, logs the answer and enables the button again.
void consoleWorker(AppContext& app);

// The text without its leading ASCII and full-width (A1 A1) spaces.
std::string withoutLeadingSpaces(const std::string& text);
