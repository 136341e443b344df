// The fixed rows of the three reference lists: the adb commands, the scrcpy commands
// and the octal file permissions. They are part of the window's description and never
// change at run time.
#pragma once

#include "window/control_table.h"

#include <span>

std::span<const RowDef> adbCatalogueRows();
std::span<const RowDef> scrcpyCatalogueRows();
std::span<const RowDef> permissionRows();
