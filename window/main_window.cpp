#include "window/main_window.h"

#include "window/console.h"
#include "window/log_pane.h"
#include "window/startup.h"

namespace {

// Which routine answers which control; the control table names the event.
const Binding kBindings[] = {
    {ControlId::按钮_执行执行, onExecuteClicked},
    {ControlId::编辑框_命令, onCommandEnterPressed},
    {ControlId::按钮_清空日志, onClearLogClicked},
    // Devices.
    // Catalogues and templates.
};

}  // namespace

std::span<const Binding> eventBindings() { return kBindings; }

void MainWindow::windowCreated() { ::windowCreated(app_); }

void MainWindow::controlEvent(ControlId id, Event event, const EventArgs& args) {
  if (event == Event::None || controlDef(id).event != event) return;
  for (const Binding& binding : kBindings) {
    if (binding.control == id) {
      binding.handler(app_, args);
      return;
    }
  }
}

void MainWindow::aboutToBeDestroyed() {}
