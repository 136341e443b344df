// The controls operations of the Win32 window. Each runs as one step on the window's
// thread (see Impl::run); message boxes and dialogs stay on the calling thread.
#include "window/control_windows_win32.h"
#include "window/dialogs_win32.h"
#include "window/wide_text_win32.h"
#include "window/win32_window_impl_win32.h"

#include <commctrl.h>

namespace {

ControlKind kindOf(ControlId id) { return controlDef(id).kind; }

std::wstring windowText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(GetWindowTextW(control, text.data(), static_cast<int>(text.size())));
  return text;
}

std::wstring comboItem(HWND combo, int index) {
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return {};
  std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
  item.resize(copied == CB_ERR ? 0 : copied);
  return item;
}

int listRowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

bool isCell(ControlId id, HWND list, int row, int column) {
  return row >= 0 && row < listRowCount(list) && column >= 0 &&
         column < static_cast<int>(controlDef(id).columns.size());
}

void setListCell(HWND list, int row, int column, const std::string& text) {
  std::wstring wide = toWide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

std::wstring listCell(HWND list, int row, int column) {
  // The list copies at most the buffer's size: grow it until the text fits.
  for (std::size_t size = 256;; size *= 2) {
    std::wstring text(size, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(size);
    const auto length =
        static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < size) {
      text.resize(length);
      return text;
    }
  }
}

bool isStatusPart(int index) { return index >= 0 && index < static_cast<int>(statusParts().size()); }

}  // namespace

std::string Win32Window::text(ControlId id) {
  return impl_->call(std::string(), [&] {
    HWND control = impl_->at(id);
    if (control == nullptr) return std::string();
    return kindOf(id) == ControlKind::IpAddress ? ipAddressText(control) : fromWide(windowText(control));
  });
}

void Win32Window::setText(ControlId id, const std::string& text) {
  impl_->run([&] {
    HWND control = impl_->at(id);
    if (control == nullptr) return;
    if (kindOf(id) == ControlKind::IpAddress) {
      setIpAddressText(control, text);
    } else {
      SetWindowTextW(control, toWide(text).c_str());
    }
  });
}

void Win32Window::appendText(ControlId id, const std::string& text) {
  impl_->run([&] {
    HWND control = impl_->at(id);
    if (control == nullptr) return;
    if (kindOf(id) != ControlKind::Edit) {
      SetWindowTextW(control, (windowText(control) + toWide(text)).c_str());
      return;
    }
    const int end = GetWindowTextLengthW(control);
    SendMessageW(control, EM_SETSEL, end, end);
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
    SendMessageW(control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(toWide(text).c_str()));
  });
}

bool Win32Window::isEnabled(ControlId id) {
  return impl_->call(false, [&] { return impl_->at(id) != nullptr && IsWindowEnabled(impl_->at(id)) != FALSE; });
}

void Win32Window::setEnabled(ControlId id, bool enabled) {
  impl_->run([&] {
    if (HWND control = impl_->at(id)) EnableWindow(control, enabled);
  });
}

void Win32Window::setFocus(ControlId id) {
  impl_->run([&] {
    if (HWND control = impl_->at(id)) SetFocus(control);
  });
}

bool Win32Window::isChecked(ControlId id) {
  return impl_->call(
      false, [&] { return impl_->at(id) != nullptr && SendMessageW(impl_->at(id), BM_GETCHECK, 0, 0) == BST_CHECKED; });
}

void Win32Window::setChecked(ControlId id, bool checked) {
  impl_->run([&] {
    if (HWND control = impl_->at(id)) SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  });
}

std::vector<std::string> Win32Window::items(ControlId id) {
  return impl_->call(std::vector<std::string>(), [&] {
    std::vector<std::string> result;
    HWND combo = impl_->at(id);
    if (combo == nullptr || kindOf(id) != ControlKind::ComboBox) return result;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) result.push_back(fromWide(comboItem(combo, index)));
    return result;
  });
}

void Win32Window::setItems(ControlId id, const std::vector<std::string>& items) {
  impl_->run([&] {
    HWND combo = impl_->at(id);
    if (combo == nullptr || kindOf(id) != ControlKind::ComboBox) return;
    // Emptying the list also empties the edit field; the field keeps its text.
    const std::wstring shown = windowText(combo);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
    }
    SetWindowTextW(combo, shown.c_str());
  });
}

void Win32Window::addItem(ControlId id, const std::string& item) {
  impl_->run([&] {
    HWND combo = impl_->at(id);
    if (combo != nullptr && kindOf(id) == ControlKind::ComboBox) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
    }
  });
}

void Win32Window::setSelectionFieldHeight(ControlId id, int pixels) {
  impl_->run([&] {
    HWND combo = impl_->at(id);
    if (combo == nullptr || kindOf(id) != ControlKind::ComboBox) return;
    impl_->fieldHeights[static_cast<int>(id)] = pixels;  // kept for a change of DPI
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), scaled(pixels, impl_->dpi));
  });
}

int Win32Window::selectedIndex(ControlId id) {
  return impl_->call(-1, [&] {
    HWND control = impl_->at(id);
    if (control == nullptr) return -1;
    switch (kindOf(id)) {
      case ControlKind::ComboBox:
        return static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
      case ControlKind::ListView:
        return static_cast<int>(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
      default:
        return -1;
    }
  });
}

void Win32Window::setSelectedIndex(ControlId id, int index) {
  impl_->run([&] {
    HWND control = impl_->at(id);
    if (control == nullptr) return;
    if (kindOf(id) == ControlKind::ComboBox) {
      SendMessageW(control, CB_SETCURSEL, index, 0);
    } else if (kindOf(id) == ControlKind::ListView) {
      LVITEMW state{};
      state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
      if (index < 0 || index >= listRowCount(control)) return;
      state.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(control, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
      SendMessageW(control, LVM_ENSUREVISIBLE, index, FALSE);
    }
  });
}

int Win32Window::rowCount(ControlId id) {
  return impl_->call(0, [&] { return impl_->at(id) != nullptr ? listRowCount(impl_->at(id)) : 0; });
}

void Win32Window::clearRows(ControlId id) {
  impl_->run([&] {
    if (HWND list = impl_->at(id)) SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  });
}

int Win32Window::addRow(ControlId id, const std::vector<std::string>& cells) {
  return impl_->call(-1, [&] {
    HWND list = impl_->at(id);
    if (list == nullptr || kindOf(id) != ControlKind::ListView) return -1;
    std::wstring first = cells.empty() ? std::wstring() : toWide(cells[0]);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = listRowCount(list);
    item.pszText = first.data();
    const int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    const std::size_t columns = controlDef(id).columns.size();
    for (std::size_t column = 1; row >= 0 && column < columns && column < cells.size(); ++column) {
      setListCell(list, row, static_cast<int>(column), cells[column]);
    }
    return row;
  });
}

std::string Win32Window::cell(ControlId id, int row, int column) {
  return impl_->call(std::string(), [&] {
    HWND list = impl_->at(id);
    if (list == nullptr || !isCell(id, list, row, column)) return std::string();
    return fromWide(listCell(list, row, column));
  });
}

void Win32Window::setCell(ControlId id, int row, int column, const std::string& text) {
  impl_->run([&] {
    HWND list = impl_->at(id);
    if (list != nullptr && isCell(id, list, row, column)) setListCell(list, row, column, text);
  });
}

std::string Win32Window::statusPart(int index) {
  return impl_->call(std::string(), [&] {
    HWND bar = impl_->at(ControlId::状态条1);
    if (bar == nullptr || !isStatusPart(index)) return std::string();
    std::wstring text(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, index, 0)) + 1, L'\0');
    text.resize(LOWORD(SendMessageW(bar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()))));
    return fromWide(text);
  });
}

void Win32Window::setStatusPart(int index, const std::string& text) {
  impl_->run([&] {
    HWND bar = impl_->at(ControlId::状态条1);
    if (bar != nullptr && isStatusPart(index)) {
      SendMessageW(bar, SB_SETTEXTW, index, reinterpret_cast<LPARAM>(toWide(text).c_str()));
    }
  });
}

BoxAnswer Win32Window::messageBox(const std::string& text, const std::string& title, BoxButtons buttons) {
  return showMessageBox(text, title, buttons);
}

// The dialogs belong to the main window when opened on its thread; a worker's dialog
// has no owner, as a window of another thread cannot own it safely.
std::string Win32Window::chooseOpenFile(const std::string& title, const std::string& filter) {
  return askOpenFile(GetCurrentThreadId() == impl_->threadId ? impl_->window.load() : nullptr, title, filter);
}

std::string Win32Window::chooseFolder(const std::string& title) {
  return askFolder(GetCurrentThreadId() == impl_->threadId ? impl_->window.load() : nullptr, title);
}

StorageMenuItem Win32Window::popupStorageMenu() {
  return impl_->call(StorageMenuItem::Count, [&] {
    POINT pointer{};
    GetCursorPos(&pointer);
    const auto chosen = static_cast<std::size_t>(TrackPopupMenu(
        impl_->storageMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pointer.x, pointer.y, 0, impl_->window.load(), nullptr));
    const auto menu = storageMenu();
    return chosen >= 1 && chosen <= menu.size() ? menu[chosen - 1].item : StorageMenuItem::Count;
  });
}
