// The window's start-up steps, run once on the window's thread when it is created.
#pragma once

#include "window/app_context.h"

// The three hint lines, deviceConnected reset, the desktop folder as the download
// folder, the first storage choice, no chosen target, the device box's field height.
void windowCreated(AppContext& app);
