#include "window/control_font_win32.h"
#include "window/control_windows_win32.h"
#include "window/picture_win32.h"
#include "window/resource_ids.h"
#include "window/wide_text_win32.h"
#include "window/win32_window_impl_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using Impl = Win32Window::Impl;

constexpr wchar_t kWindowClass[] = L"VelmoraMainWindow";
constexpr UINT kRunOnWindowThread = WM_APP + 1;  // lParam: const std::function<void()>*
// A fixed frame: the design has one size; the window may be minimised.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::optional<ControlId> controlOf(UINT_PTR windowId) {
  const auto index = static_cast<long long>(windowId) - kControlIdBase;
  if (index <= 0 || index >= kControlCount) return std::nullopt;
  return static_cast<ControlId>(index);
}

// Containers lie below the controls they hold; page backgrounds count as containers.
bool isContainer(ControlKind kind) {
  return kind == ControlKind::Panel || kind == ControlKind::GroupBox || kind == ControlKind::TabControl;
}

int nestingDepth(ControlId id) {
  int depth = 0;
  for (ControlId at = controlDef(id).container; at != ControlId::MainWindow; at = controlDef(at).container) ++depth;
  return depth;
}

int dpiOf(HWND window) {
  // GetDpiForWindow came with Windows 10; before it, the screen's DPI applies.
  using DpiForWindow = UINT(WINAPI*)(HWND);
  static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (dpiForWindow != nullptr) return static_cast<int>(dpiForWindow(window));
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

HMENU createStorageMenu() {
  HMENU menu = CreatePopupMenu();
  UINT command = 1;  // item i answers i + 1; 0 is "nothing chosen"
  for (const MenuItemDef& item : storageMenu()) AppendMenuW(menu, MF_STRING, command++, toWide(item.caption).c_str());
  return menu;
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* impl = reinterpret_cast<Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return impl != nullptr ? impl->handleMessage(hwnd, message, wParam, lParam)
                         : DefWindowProcW(hwnd, message, wParam, lParam);
}

// The presses and keys a control reports itself: mouse presses on the status bar and
// on lists (after the list has selected the row under the pointer), Enter in an edit.
LRESULT CALLBACK controlEventProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR subclassId,
                                  DWORD_PTR data) {
  auto* impl = reinterpret_cast<Impl*>(data);
  const auto id = static_cast<ControlId>(subclassId);
  const Event event = controlDef(id).event;
  const EventArgs pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (event == (message == WM_LBUTTONDOWN ? Event::LeftPressed : Event::RightPressed)) {
        const LRESULT result = DefSubclassProc(control, message, wParam, lParam);
        impl->dispatch(id, event, pointer);
        return result;
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && event == Event::EnterPressed) {
        impl->dispatch(id, event, {});
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == VK_RETURN && event == Event::EnterPressed) return 0;  // a single-line edit would beep
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, controlEventProc, subclassId);
      break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

bool reportsItself(Event event) {
  return event == Event::LeftPressed || event == Event::RightPressed || event == Event::EnterPressed;
}

}  // namespace

Win32Window::Impl::~Impl() {
  sink = nullptr;  // whoever listened may be gone already
  if (HWND hwnd = window.load()) DestroyWindow(hwnd);
  if (font != nullptr) DeleteObject(font);
  if (greyBrush != nullptr) DeleteObject(greyBrush);
  if (blackBrush != nullptr) DeleteObject(blackBrush);
  if (storageMenu != nullptr) DestroyMenu(storageMenu);
}

bool Win32Window::Impl::create(EventSink& eventSink) {
  sink = &eventSink;
  threadId = GetCurrentThreadId();
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES |
                                                                       ICC_INTERNET_CLASSES | ICC_TAB_CLASSES |
                                                                       ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);

  HINSTANCE program = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = program;
  windowClass.hIcon = LoadIconW(program, MAKEINTRESOURCEW(VELMORA_ICON));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(VELMORA_ICON), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);

  const WindowDef& def = kMainWindowDef;
  HWND hwnd = CreateWindowExW(0, kWindowClass, toWide(def.caption).c_str(), kFrameStyle, def.x, def.y, def.width,
                              def.height, nullptr, nullptr, program, this);
  if (hwnd == nullptr) return false;
  window = hwnd;
  dpi = dpiOf(hwnd);
  if (dpi != 96) {
    SetWindowPos(hwnd, nullptr, 0, 0, scaled(def.width, dpi), scaled(def.height, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  fontFace = installedChineseFace(toWide(def.fontName));
  greyBrush = CreateSolidBrush(RGB(192, 192, 192));
  blackBrush = CreateSolidBrush(RGB(0, 0, 0));
  storageMenu = createStorageMenu();

  createControls();
  stackControls();
  showSelectedPages();
  sink->windowCreated();
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  return true;
}

void Win32Window::Impl::createControls() {
  HWND hwnd = window.load();
  for (const ControlDef& def : controlTable()) {
    HWND control = createControlWindow(hwnd, def, dpi);
    controls[static_cast<int>(def.id)] = control;
    if (control == nullptr) continue;
    if (reportsItself(def.event)) {
      SetWindowSubclass(control, controlEventProc, static_cast<UINT_PTR>(def.id), reinterpret_cast<DWORD_PTR>(this));
    }
    if (def.flags & kLogColours) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // else a multi-line edit stops at 32K
  }
  applyDpi(dpi);
}

// Bottom to top: containers, outer ones first, then the other controls in table
// order, so that a later control lies over an earlier one where they overlap.
void Win32Window::Impl::stackControls() {
  std::vector<const ControlDef*> order;
  for (const ControlDef& def : controlTable()) {
    if (isContainer(def.kind)) order.push_back(&def);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const ControlDef* a, const ControlDef* b) { return nestingDepth(a->id) < nestingDepth(b->id); });
  for (const ControlDef& def : controlTable()) {
    if (!isContainer(def.kind)) order.push_back(&def);
  }
  for (const ControlDef* def : order) {
    if (HWND control = at(def->id)) {
      SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

// A control is shown when every tab page it lies on is the selected page of its tab.
void Win32Window::Impl::showSelectedPages() {
  auto onSelectedPages = [this](ControlId id) {
    for (const PagePlace& place : pagesOf(id)) {
      if (SendMessageW(at(place.tab), TCM_GETCURSEL, 0, 0) != place.page) return false;
    }
    return true;
  };
  for (const bool showing : {false, true}) {  // hide the old page before showing the new one
    for (const ControlDef& def : controlTable()) {
      HWND control = at(def.id);
      if (control != nullptr && onSelectedPages(def.id) == showing) ShowWindow(control, showing ? SW_SHOWNA : SW_HIDE);
    }
  }
}

void Win32Window::Impl::applyDpi(int newDpi) {
  dpi = newDpi;
  HFONT newFont = createControlFont(fontFace, dpi);
  for (const ControlDef& def : controlTable()) {
    HWND control = at(def.id);
    if (control == nullptr) continue;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(newFont), FALSE);
    placeControlWindow(control, def, dpi);
    if (const int fieldHeight = fieldHeights[static_cast<int>(def.id)]) {
      SendMessageW(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), scaled(fieldHeight, dpi));
    }
    if (def.kind == ControlKind::PictureBox) {
      HBITMAP fitted = loadFittedPicture(PERMISSION_PANEL_PICTURE, scaled(def.width, dpi), scaled(def.height, dpi));
      if (HGDIOBJ old = reinterpret_cast<HGDIOBJ>(
              SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(fitted)))) {
        DeleteObject(old);
      }
    }
  }
  if (font != nullptr) DeleteObject(font);
  font = newFont;
  RedrawWindow(window.load(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Window::Impl::run(const std::function<void()>& work) {
  HWND hwnd = window.load();
  if (hwnd == nullptr) return;
  if (GetCurrentThreadId() == threadId) {
    work();
  } else {
    SendMessageW(hwnd, kRunOnWindowThread, 0, reinterpret_cast<LPARAM>(&work));
  }
}

void Win32Window::Impl::dispatch(ControlId id, Event event, const EventArgs& args) {
  if (sink != nullptr && event != Event::None && controlDef(id).event == event) sink->controlEvent(id, event, args);
}

void Win32Window::Impl::onCommand(WPARAM wParam, LPARAM lParam) {
  const std::optional<ControlId> id = controlOf(LOWORD(wParam));
  if (lParam == 0 || !id) return;
  switch (HIWORD(wParam)) {
    case BN_CLICKED:
      dispatch(*id, Event::Clicked, {});
      break;
    case CBN_SELCHANGE:
      dispatch(*id, Event::ItemSelected, {});
      break;
  }
}

void Win32Window::Impl::onNotify(const NMHDR& header) {
  const std::optional<ControlId> id = controlOf(header.idFrom);
  if (!id) return;
  if (header.code == NM_CLICK && controlDef(*id).kind == ControlKind::ListView) {
    const POINT at = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
    dispatch(*id, Event::Clicked, {at.x, at.y});
  } else if (header.code == TCN_SELCHANGE) {
    showSelectedPages();
  }
}

HBRUSH Win32Window::Impl::editBrush(HDC dc, HWND edit) {
  const std::optional<ControlId> id = controlOf(GetDlgCtrlID(edit));
  const unsigned flags = id ? controlDef(*id).flags : 0;
  if (flags & kLogColours) {
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    return blackBrush;
  }
  if (flags & kGreyBackground) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(192, 192, 192));
    return greyBrush;
  }
  return nullptr;
}

LRESULT Win32Window::Impl::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kRunOnWindowThread:
      (*reinterpret_cast<const std::function<void()>*>(lParam))();
      return 0;
    case WM_COMMAND:
      onCommand(wParam, lParam);
      return 0;
    case WM_NOTIFY:
      onNotify(*reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_CTLCOLOREDIT:
      if (HBRUSH brush = editBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_SIZE:
      if (HWND bar = at(ControlId::状态条1)) SendMessageW(bar, WM_SIZE, 0, 0);
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      applyDpi(HIWORD(wParam));
      return 0;
    }
    case WM_DESTROY:
      if (sink != nullptr) sink->aboutToBeDestroyed();
      sink = nullptr;
      for (const ControlDef& def : controlTable()) {
        if (def.kind == ControlKind::PictureBox && at(def.id) != nullptr) {
          DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageW(at(def.id), STM_SETIMAGE, IMAGE_BITMAP, 0)));
        }
      }
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window = nullptr;
      controls.fill(nullptr);
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

Win32Window::Win32Window() : impl_(std::make_unique<Impl>()) {}
Win32Window::~Win32Window() = default;

bool Win32Window::create(EventSink& sink) { return impl_->create(sink); }

void Win32Window::runMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
