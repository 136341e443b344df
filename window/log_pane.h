// The log pane 编辑框_输出 and the status bar 状态条1.
//
// appendLog is the only way lines reach the pane; each line goes whole to the very
// end in one insertion, so lines of different threads may follow each other in any
// order but never cut into each other. Callable from any thread.
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

#include <string>

// "HH:MM:SS" of a 24-hour clock, each field padded to two digits.
std::string timeStamp(int hour, int minute, int second);

// The line as appended: "HH:MM:SS text\r\n", or "text\r\n" when untimed.
std::string logLine(const std::string& text, bool untimed, int hour, int minute, int second);

// Appends the text, stamped with the local time unless untimed.
void appendLog(Controls& ui, const std::string& text, bool untimed = false);

// Writes the device state into part 1 of the status bar.
void showDeviceState(Controls& ui, const std::string& text);

// The status bar part that shows the name of, or a hint for, the command last put
// into the command box.
inline constexpr int kCommandHintPart = 3;

// 按钮_清空日志: empties the pane; nothing else changes.
void onClearLogClicked(AppContext& app, const EventArgs& args);
