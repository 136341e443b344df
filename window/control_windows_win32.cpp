#include "window/control_windows_win32.h"

#include "window/wide_text_win32.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace {

// The open list of a drop-down combo box, below its selection field.
constexpr int kDropDownListHeight = 160;

struct WindowKind {
  const wchar_t* windowClass;
  DWORD style;
  DWORD extendedStyle;
};

DWORD editStyle(unsigned flags) {
  DWORD style = WS_TABSTOP;
  style |= (flags & kMultiLine) ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL : ES_AUTOHSCROLL;
  if (flags & kReadOnly) style |= ES_READONLY;
  if (flags & kCentred) style |= ES_CENTER;
  return style;
}

// Labels keep to one line, centred in their height like the field beside them.
// Group boxes are transparent so that what lies below them shows through their middle.
WindowKind windowKindOf(const ControlDef& def) {
  switch (def.kind) {
    case ControlKind::Label:
      return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case ControlKind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Edit:
      return {WC_EDITW, editStyle(def.flags), WS_EX_CLIENTEDGE};
    case ControlKind::GroupBox:
      return {WC_BUTTONW, BS_GROUPBOX, WS_EX_TRANSPARENT};
    case ControlKind::ComboBox:
      return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ListView:
      return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::TabControl:
      return {WC_TABCONTROLW, WS_TABSTOP, 0};
    case ControlKind::Panel:
      return {WC_STATICW, SS_LEFT, 0};
    case ControlKind::PictureBox:
      return {WC_STATICW, SS_BITMAP | SS_CENTERIMAGE, 0};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::IpAddress:
      return {WC_IPADDRESSW, WS_TABSTOP, 0};
    case ControlKind::StatusBar:
      return {STATUSCLASSNAMEW, CCS_BOTTOM, 0};
    case ControlKind::FileDialog:
      break;
  }
  return {nullptr, 0, 0};
}

void setPartEdges(HWND bar, int dpi) {
  std::vector<int> edges;
  int edge = 0;
  for (const StatusPartDef& part : statusParts()) {
    edge = part.width < 0 ? -1 : edge + scaled(part.width, dpi);
    edges.push_back(edge);
  }
  SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void fillStatusBar(HWND bar, int dpi) {
  setPartEdges(bar, dpi);
  int index = 0;
  for (const StatusPartDef& part : statusParts()) {
    SendMessageW(bar, SB_SETTEXTW, index++, reinterpret_cast<LPARAM>(toWide(part.text).c_str()));
  }
}

void fillListView(HWND list, const ControlDef& def, int dpi) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
  int index = 0;
  for (const ColumnDef& column : def.columns) {
    std::wstring title = toWide(column.title);
    LVCOLUMNW header{};
    header.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    header.fmt = column.centred ? LVCFMT_CENTER : LVCFMT_LEFT;
    header.cx = scaled(column.width, dpi);
    header.pszText = title.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, index++, reinterpret_cast<LPARAM>(&header));
  }
  int row = 0;
  for (const RowDef& cells : def.rows) {
    for (std::size_t column = 0; column < def.columns.size() && cells.cells[column] != nullptr; ++column) {
      std::wstring text = toWide(cells.cells[column]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = row;
      item.iSubItem = static_cast<int>(column);
      item.pszText = text.data();
      SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    ++row;
  }
}

void fillTabControl(HWND tab, const ControlDef& def) {
  int index = 0;
  for (const char* page : def.items) {
    std::wstring title = toWide(page);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = title.data();
    SendMessageW(tab, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
  }
}

void fillComboBox(HWND combo, const ControlDef& def) {
  for (const char* item : def.items) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
  }
}

// The window's rectangle in its parent's client area; a combo box's includes its list.
RECT placeRect(const ControlDef& def, int dpi) {
  const Place place = placeInWindow(def.id);
  const int height = def.kind == ControlKind::ComboBox ? def.height + kDropDownListHeight : def.height;
  const int left = scaled(place.x, dpi);
  const int top = scaled(place.y, dpi);
  return {left, top, left + scaled(def.width, dpi), top + scaled(height, dpi)};
}

}  // namespace

HWND createControlWindow(HWND parent, const ControlDef& def, int dpi) {
  const WindowKind kind = windowKindOf(def);
  if (kind.windowClass == nullptr || (def.flags & kInvisible)) return nullptr;
  const bool captionIsText = def.kind != ControlKind::IpAddress && def.kind != ControlKind::StatusBar;
  // Created at its place: some controls lay out their parts only when created.
  const RECT place = placeRect(def, dpi);
  HWND control = CreateWindowExW(
      kind.extendedStyle, kind.windowClass, captionIsText ? toWide(def.caption).c_str() : L"",
      kind.style | WS_CHILD | WS_CLIPSIBLINGS, place.left, place.top, place.right - place.left,
      place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(windowIdOf(def.id))),
      GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr) return nullptr;
  switch (def.kind) {
    case ControlKind::ComboBox:
      fillComboBox(control, def);
      break;
    case ControlKind::ListView:
      fillListView(control, def, dpi);
      break;
    case ControlKind::TabControl:
      fillTabControl(control, def);
      break;
    case ControlKind::IpAddress:
      setIpAddressText(control, def.caption);
      break;
    case ControlKind::StatusBar:
      fillStatusBar(control, dpi);
      break;
    default:
      break;
  }
  return control;
}

void placeControlWindow(HWND control, const ControlDef& def, int dpi) {
  if (def.kind == ControlKind::StatusBar) {
    setPartEdges(control, dpi);
    SendMessageW(control, WM_SIZE, 0, 0);  // docks itself at the bottom of its parent
    return;
  }
  const RECT place = placeRect(def, dpi);
  SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (def.kind == ControlKind::ListView) {
    for (std::size_t column = 0; column < def.columns.size(); ++column) {
      SendMessageW(control, LVM_SETCOLUMNWIDTH, column, scaled(def.columns[column].width, dpi));
    }
  }
}

void setIpAddressText(HWND box, const std::string& dotted) {
  unsigned part[4] = {};
  char rest = 0;
  if (std::sscanf(dotted.c_str(), "%u.%u.%u.%u%c", &part[0], &part[1], &part[2], &part[3], &rest) == 4 &&
      part[0] < 256 && part[1] < 256 && part[2] < 256 && part[3] < 256) {
    SendMessageW(box, IPM_SETADDRESS, 0, MAKEIPADDRESS(part[0], part[1], part[2], part[3]));
  } else {
    SendMessageW(box, IPM_CLEARADDRESS, 0, 0);
  }
}

std::string ipAddressText(HWND box) {
  DWORD address = 0;
  if (SendMessageW(box, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)) == 0) return {};
  char dotted[16];
  std::snprintf(dotted, sizeof dotted, "%u.%u.%u.%u", static_cast<unsigned>(FIRST_IPADDRESS(address)),
                static_cast<unsigned>(SECOND_IPADDRESS(address)), static_cast<unsigned>(THIRD_IPADDRESS(address)),
                static_cast<unsigned>(FOURTH_IPADDRESS(address)));
  return dotted;
}
