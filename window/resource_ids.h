// Numbers of the program's resources (app/velmora.rc), shared by the resource script
// and the code that loads them. Plain macros: the resource compiler reads this file.
#pragma once

#define VELMORA_ICON 1
#define PERMISSION_PANEL_PICTURE 101  // RCDATA: window/permission_panel.png
