#include "window/log_pane.h"

#include "host/local_time.h"

#include <cstdio>

std::string timeStamp(int hour, int minute, int second) {
  char stamp[16];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d", hour, minute, second);
  return stamp;
}

std::string logLine(const std::string& text, bool untimed, int hour, int minute, int second) {
  if (untimed) return text + "\r\n";
  return timeStamp(hour, minute, second) + " " + text + "\r\n";
}

void appendLog(Controls& ui, const std::string& text, bool untimed) {
  const ClockTime now = localTimeNow();
  ui.appendText(ControlId::编辑框_输出, logLine(text, untimed, now.hour, now.minute, now.second));
}

void showDeviceState(Controls& ui, const std::string& text) { ui.setStatusPart(1, text); }

void onClearLogClicked(AppContext& app, const EventArgs&) { app.ui.setText(ControlId::编辑框_输出, ""); }
