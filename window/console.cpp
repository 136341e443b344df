#include "window/console.h"

#include "host/adb_texts.h"
#include "host/code_page.h"
#include "host/console_runner.h"
#include "host/interpreter_quote.h"
#include "host/text_rules.h"
#include "host/workers.h"
#include "window/log_pane.h"

namespace {

constexpr char kSerialHint[] = "有多台设备，需要指定设备操作，在ADB后面加上执行设备：adb -s 192.168.3.250:5555 shell";

}  // namespace

std::string withoutLeadingSpaces(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    if (text[start] == ' ') {
      ++start;
    } else if (text.compare(start, 2, "\xA1\xA1") == 0) {
      start += 2;
    } else {
      break;
    }
  }
  return text.substr(start);
}

void onExecuteClicked(AppContext& app, const EventArgs&) {
  app.ui.setEnabled(ControlId::按钮_执行执行, false);
  startWorker([&app] { consoleWorker(app); });
}

void onCommandEnterPressed(AppContext& app, const EventArgs& args) {
  if (app.ui.isEnabled(ControlId::按钮_执行执行)) onExecuteClicked(app, args);
}

void consoleWorker(AppContext& app) {
  const std::string command = withoutLeadingSpaces(app.ui.text(ControlId::编辑框_命令));
  const std::string commandLine = interpreterToolCommand(app.runDirectory, command);
  appendLog(app.ui, "发送：" + commandLine);

  std::string answer = runCommand(commandLine);
  // scrcpy's own lines are shown as it printed them; every other answer is converted
  // from UTF-8 once (converting twice would turn every Chinese character into "?").
  // The raw answer is UTF-8, where an ASCII byte is always a character of its own, so
  // a plain byte search is exact there.
  if (answer.find("scrcpy") == std::string::npos) answer = decodeOutput(answer);
  appendLog(app.ui, "返回：" + answer);
  if (findForward(answer, adb_texts::kMoreThanOneDevice) != kNotFound) appendLog(app.ui, kSerialHint);

  app.ui.setEnabled(ControlId::按钮_执行执行, true);
}
