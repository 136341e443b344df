// The system's message box, open-file dialog and folder dialog, shown on the calling
// thread, which waits until the user closes them.
#pragma once

#include "window/controls.h"

#include <windows.h>

#include <string>

// Modal to the calling thread's windows, without owner and without icon.
BoxAnswer showMessageBox(const std::string& text, const std::string& title, BoxButtons buttons);

// The chosen file, empty when cancelled. `filter`: description "|" pattern pairs.
// The process's current directory is left as it was.
std::string askOpenFile(HWND owner, const std::string& title, const std::string& filter);

// The chosen file-system folder, empty when cancelled.
std::string askFolder(HWND owner, const std::string& title);
