// The two command catalogues, 超级列表框1 (adb) and 超级列表框_Scrcpy指令: a click copies
// the selected row's command into 编辑框_命令 for the user to edit and run; nothing is
// run from here. Only a click counts: moving the selection with the keyboard changes
// nothing. The permission list answers no event. Window's thread.
#pragma once

#include "window/app_context.h"
#include "window/event_sink.h"

// 超级列表框1: the row's name into status part 3, then its command into 编辑框_命令;
// both emptied when the click left no row selected.
void onAdbCatalogueClicked(AppContext& app, const EventArgs& args);

// 超级列表框_Scrcpy指令: the row's command into 编辑框_命令 (emptied when no row is
// selected); the status bar stays as it is.
void onScrcpyCatalogueClicked(AppContext& app, const EventArgs& args);
