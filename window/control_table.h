// The main window written as data: every control with its kind, container, place,
// size, caption or initial content, flags and the event a handler binds to; the tab
// pages, the status bar parts and the popup menu "存储菜单". Both windows, the Win32
// one and the in-memory one, are built from these tables and from nothing else.
#pragma once

#include "window/control_ids.h"

#include <span>
#include <vector>

enum class ControlKind {
  Label,
  Button,
  Edit,
  GroupBox,
  ComboBox,
  ListView,
  TabControl,
  Panel,       // a picture box used as a plain background container
  PictureBox,  // shows the window's stored picture
  CheckBox,
  IpAddress,
  StatusBar,
  FileDialog,  // invisible at run time
};

enum ControlFlag : unsigned {
  kReadOnly = 1u << 0,        // only the program writes it
  kCentred = 1u << 1,         // text centred
  kMultiLine = 1u << 2,       // multi-line, wrapping, with a vertical scroll bar
  kGreyBackground = 1u << 3,  // black on silver (192, 192, 192)
  kLogColours = 1u << 4,      // white on black, no length limit
  kInvisible = 1u << 5,       // not shown at run time
};

// What a user does to a control that a handler answers.
enum class Event {
  None,
  Clicked,       // button click; left click anywhere in a list view
  ItemSelected,  // an item of a combo box's list was chosen
  LeftPressed,   // left mouse button pressed (the status bar), with x and y
  RightPressed,  // right mouse button pressed (a list view), with x and y
  EnterPressed,  // Enter in a single-line edit box
};

struct ColumnDef {
  const char* title;
  int width;
  bool centred;
};

// A fixed row of a catalogue list; cells beyond the list's columns are kept but
// neither shown nor read.
struct RowDef {
  const char* cells[5];
};

struct ControlDef {
  ControlId id;
  const char* name;
  ControlKind kind;
  ControlId container;  // ControlId::MainWindow for the client area
  int page;             // page of a tab-control container, -1 otherwise
  int x, y, width, height;
  const char* caption;  // caption or initial content; "" for none
  unsigned flags;
  Event event;
  std::span<const ColumnDef> columns = {};  // list views
  std::span<const char* const> items = {};  // combo box items, tab page titles
  std::span<const RowDef> rows = {};        // fixed rows of a list view
};

struct StatusPartDef {
  int width;  // -1: to the right edge
  const char* text;
};

struct MenuItemDef {
  StorageMenuItem item;
  const char* caption;
};

struct WindowDef {
  const char* caption;
  int x, y, width, height;  // outer size
  const char* fontName;
};

extern const WindowDef kMainWindowDef;

// Indexed by ControlId: kControlTable[i].id == ControlId(i + 1) (MainWindow has no row).
std::span<const ControlDef> controlTable();
const ControlDef& controlDef(ControlId id);

std::span<const StatusPartDef> statusParts();
std::span<const MenuItemDef> storageMenu();
extern const char kStorageMenuCaption[];

struct PagePlace {
  ControlId tab;
  int page;
};
// All tab pages a control depends on, innermost first (a control inside 高级选择夹2
// is shown only when its page and page 3 of 高级选择夹1 are both selected).
std::vector<PagePlace> pagesOf(ControlId id);

// The control's place relative to the window's client area (containers summed).
struct Place {
  int x, y;
};
Place placeInWindow(ControlId id);
