// One child window per row of the control table: its window class and styles by kind,
// its initial content, and its place at a screen's DPI.
#pragma once

#include "window/control_table.h"

#include <windows.h>

#include <string>

// A control's window id: fixed, so a test driver finds each control.
constexpr int kControlIdBase = 1000;
inline int windowIdOf(ControlId id) { return kControlIdBase + static_cast<int>(id); }

// Design pixels (96 DPI) at `dpi`.
inline int scaled(int designPixels, int dpi) { return MulDiv(designPixels, dpi, 96); }

// Creates the control as a hidden child of `parent` with the table's content (caption,
// items, columns, rows, pages, address, status parts); nullptr for a kind that has no
// window at run time (the file dialog).
HWND createControlWindow(HWND parent, const ControlDef& def, int dpi);

// Moves and sizes the control to its place in the window at `dpi` (the status bar
// docks at the bottom instead) and scales its column widths and part edges.
void placeControlWindow(HWND control, const ControlDef& def, int dpi);

// The address of an IP address box as dotted text ("" when all fields are blank), and
// setting it from dotted text (anything else clears the fields).
std::string ipAddressText(HWND box);
void setIpAddressText(HWND box, const std::string& dotted);
