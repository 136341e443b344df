// The command template buttons: each writes one ready command line into 编辑框_命令,
// addressed to the current target (targetAddress, quoted for the command interpreter
// when it holds a space or a character the interpreter treats specially), and then
// writes, empties or leaves its hint in status part 3. Nothing is run or logged; the
// user checks the command and runs it with 按钮_执行执行. The three package templates
// refuse an empty 编辑框_APK包名. And 按钮_切换CMD, which opens a command prompt in
// the run directory instead. All on the window's thread.
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

// Writes the template of `button`, which must be one of the template buttons.
void writeTemplateCommand(AppContext& app, ControlId button);

// The click handler of one template button.
template <ControlId button>
void onTemplateClicked(AppContext& app, const EventArgs&) {
  writeTemplateCommand(app, button);
}

// 按钮_切换CMD: an interactive command prompt (a terminal on POSIX) in the run
// directory, not waited for.
void onOpenCommandPromptClicked(AppContext& app, const EventArgs& args);
