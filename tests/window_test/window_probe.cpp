#include "tests/window_test/window_probe.h"

#include "host/code_page.h"
#include "tests/window_test/remote_memory.h"

#include <commctrl.h>

#include <chrono>
#include <thread>

namespace probe {
namespace {

constexpr UINT kSendTimeoutMs = 5000;
constexpr int kTextChars = 8192;
// Layout of the remote blocks: the message's structure, then its text buffer.
constexpr std::size_t kTextOffset = 512;
constexpr std::size_t kBlockSize = kTextOffset + kTextChars * sizeof(wchar_t);

// Reads the zero-terminated text the control wrote into the block's text buffer.
std::string remoteText(const RemoteMemory& memory) {
  std::wstring text(kTextChars, L'\0');
  if (!memory.read(kTextOffset, text.data(), text.size() * sizeof(wchar_t))) return {};
  text.resize(wcsnlen(text.c_str(), text.size()));
  return narrow(text);
}

// Sends a message whose lParam points to `structure` copied into the program's
// process, with `textField` (a member of the copy) pointing to the block's text
// buffer. The structure comes back as the control left it.
template <typename Structure>
std::optional<LRESULT> sendWithText(HWND window, UINT message, WPARAM wParam, Structure& structure,
                                    LPWSTR Structure::*textField, RemoteMemory& memory) {
  if (!memory.ok()) return std::nullopt;
  structure.*textField = reinterpret_cast<LPWSTR>(memory.at(kTextOffset));
  const wchar_t nothing = L'\0';
  if (!memory.write(0, &structure, sizeof structure) || !memory.write(kTextOffset, &nothing, sizeof nothing)) {
    return std::nullopt;
  }
  const auto result = send(window, message, wParam, memory.at(0));
  if (!memory.read(0, &structure, sizeof structure)) return std::nullopt;
  return result;
}

}  // namespace

std::wstring wide(const std::string& text) {
  const std::u16string utf16 = textToUtf16(text, CodePage::Gbk936);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string narrow(const std::wstring& text) { return utf16ToText(std::u16string(text.begin(), text.end())); }

std::string printable(const std::string& text) {
  return utf16ToText(textToUtf16(text, CodePage::Gbk936), CodePage::Utf8);
}

bool waitUntil(int milliseconds, const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

std::string windowText(HWND window) {
  const auto length = send(window, WM_GETTEXTLENGTH);
  if (!length || *length <= 0) return {};
  std::wstring text(*length + 1, L'\0');
  const auto copied = send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied ? static_cast<std::size_t>(*copied) : 0);
  return narrow(text);
}

void setWindowText(HWND window, const std::string& text) {
  const std::wstring value = wide(text);
  send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

std::string className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return narrow(name);
}

RECT rectIn(HWND window, HWND container) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, container, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

void pressAt(HWND control, POINT point) {
  const LPARAM where = MAKELPARAM(point.x, point.y);
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(control, WM_LBUTTONUP, 0, where);
}

std::vector<HWND> topWindows(DWORD processId, const std::string& windowClass) {
  struct Search {
    DWORD processId;
    std::string windowClass;
    std::vector<HWND> found;
  } search{processId, windowClass, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s.processId && IsWindowVisible(window) && className(window) == s.windowClass) {
          s.found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> childWindows(HWND parent, const std::string& windowClass) {
  struct Search {
    std::string windowClass;
    std::vector<HWND> found;
  } search{windowClass, {}};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        if (className(child) == s.windowClass) s.found.push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> comboItems(HWND combo) {
  std::vector<std::string> items;
  const auto count = send(combo, CB_GETCOUNT);
  for (LRESULT i = 0; count && i < *count; ++i) {
    const auto length = send(combo, CB_GETLBTEXTLEN, i);
    std::wstring text(length && *length > 0 ? *length + 1 : 1, L'\0');
    const auto copied = send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied && *copied > 0 ? static_cast<std::size_t>(*copied) : 0);
    items.push_back(narrow(text));
  }
  return items;
}

std::vector<Column> TargetProcess::listColumns(HWND list) {
  std::vector<Column> columns;
  RemoteMemory memory(process_, kBlockSize);
  for (int index = 0;; ++index) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.cchTextMax = kTextChars;
    const auto ok = sendWithText(list, LVM_GETCOLUMNW, index, column, &LVCOLUMNW::pszText, memory);
    if (!ok || *ok == 0) break;
    columns.push_back({remoteText(memory), column.cx, (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER});
  }
  return columns;
}

std::string TargetProcess::listCell(HWND list, int row, int column) {
  RemoteMemory memory(process_, kBlockSize);
  LVITEMW item{};
  item.iSubItem = column;
  item.cchTextMax = kTextChars;
  const auto length = sendWithText(list, LVM_GETITEMTEXTW, row, item, &LVITEMW::pszText, memory);
  return length && *length > 0 ? remoteText(memory) : std::string();
}

std::vector<int> TargetProcess::statusPartEdges(HWND bar) {
  constexpr int kMaxParts = 16;
  RemoteMemory memory(process_, kMaxParts * sizeof(int));
  const auto count = memory.ok() ? send(bar, SB_GETPARTS, kMaxParts, memory.at()) : std::nullopt;
  if (!count || *count <= 0) return {};
  std::vector<int> edges(*count);
  if (!memory.read(0, edges.data(), edges.size() * sizeof(int))) return {};
  return edges;
}

std::string TargetProcess::statusText(HWND bar, int part) {
  RemoteMemory memory(process_, kBlockSize);
  const wchar_t nothing = L'\0';
  if (!memory.write(kTextOffset, &nothing, sizeof nothing)) return {};
  send(bar, SB_GETTEXTW, part, memory.at(kTextOffset));
  return remoteText(memory);
}

std::vector<std::string> TargetProcess::tabTitles(HWND tab) {
  std::vector<std::string> titles;
  RemoteMemory memory(process_, kBlockSize);
  const auto count = send(tab, TCM_GETITEMCOUNT);
  for (LRESULT i = 0; count && i < *count; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.cchTextMax = kTextChars;
    const auto ok = sendWithText(tab, TCM_GETITEMW, i, item, &TCITEMW::pszText, memory);
    titles.push_back(ok && *ok ? remoteText(memory) : std::string());
  }
  return titles;
}

std::optional<RECT> TargetProcess::tabRect(HWND tab, int index) {
  RemoteMemory memory(process_, sizeof(RECT));
  RECT rect{};
  const auto ok = memory.ok() ? send(tab, TCM_GETITEMRECT, index, memory.at()) : std::nullopt;
  if (!ok || !*ok || !memory.read(0, &rect, sizeof rect)) return std::nullopt;
  return rect;
}

std::optional<RECT> TargetProcess::listItemRect(HWND list, int row) {
  RemoteMemory memory(process_, sizeof(RECT));
  RECT rect{};
  rect.left = LVIR_LABEL;
  const auto ok = memory.ok() && memory.write(0, &rect, sizeof rect) ? send(list, LVM_GETITEMRECT, row, memory.at())
                                                                     : std::nullopt;
  if (!ok || !*ok || !memory.read(0, &rect, sizeof rect)) return std::nullopt;
  return rect;
}

std::string TargetProcess::ipAddress(HWND box) {
  RemoteMemory memory(process_, sizeof(DWORD));
  DWORD address = 0;
  const auto ok = memory.ok() ? send(box, IPM_GETADDRESS, 0, memory.at()) : std::nullopt;
  if (!ok || !memory.read(0, &address, sizeof address)) return {};
  return std::to_string(FIRST_IPADDRESS(address)) + "." + std::to_string(SECOND_IPADDRESS(address)) + "." +
         std::to_string(THIRD_IPADDRESS(address)) + "." + std::to_string(FOURTH_IPADDRESS(address));
}

}  // namespace probe
