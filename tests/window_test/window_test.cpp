// The window test: starts velmora.exe in a run directory that holds the fake adb,
// and checks its real window from outside, with window messages only: every control
// of the control table (class, caption, place, content), the start-up log lines, the
// tab pages, a console command answered by the fake adb, a message box, a screenshot
// and the close.
//
// Usage: window_test.exe RUN_DIRECTORY SCREENSHOT.bmp
// The run directory must hold velmora.exe and fake_tool.exe copied as adb.exe. Each
// pass is one function of the table in main(); a later pass sees what the earlier
// ones left (the window open, the first tab pages selected).

#include "tests/fake_tool/scenario.h"
#include "tests/window_test/check_report.h"
#include "tests/window_test/window_probe.h"
#include "window/control_table.h"
#include "window/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kControlIdBase = 1000;  // a control's window id is 1000 + its ControlId
constexpr int kStartTimeoutMs = 30000;
constexpr int kSettleTimeoutMs = 3000;
constexpr int kCommandTimeoutMs = 20000;
constexpr int kCloseTimeoutMs = 15000;
constexpr int kPlaceTolerance = 3;

// The devices the fake adb reports.
constexpr const char* kDeviceLines[] = {"emulator-5554\tdevice", "192.168.3.250:5555\tdevice"};

struct Session {
  std::filesystem::path runDirectory;
  std::filesystem::path screenshot;
  PROCESS_INFORMATION program{};
  HWND window = nullptr;
  std::array<HWND, kControlCount> controls{};

  HWND control(ControlId id) const { return controls[static_cast<int>(id)]; }
  probe::TargetProcess target() const { return probe::TargetProcess(program.hProcess); }
};

std::string nameOf(ControlId id) { return probe::printable(controlDef(id).name); }

std::string logText(const Session& s) { return probe::windowText(s.control(ControlId::编辑框_输出)); }

// ---------------------------------------------------------------------------------
// Start-up: the scenario, the program, its window and its controls.

void writeScenario(const Session& s) {
  Scenario adb;
  std::string devices = "List of devices attached\n";
  for (const char* line : kDeviceLines) devices += std::string(line) + "\n";
  adb.on("devices").out(devices + "\n");
  adb.on("-s emulator-5554 shell getprop ro.product.model").out("Pixel 7\n");
  adb.on("-s 192.168.3.250:5555 shell getprop ro.product.model").out("MI 9\n");
  adb.on("connect 192.168.3.250:5555").out("connected to 192.168.3.250:5555\n");
  adb.on("get-state").out("device\n");
  adb.on("keep-running").sleepMs(120000);
  adb.writeTo(s.runDirectory, "adb");
  Scenario scrcpy;
  scrcpy.on("keep-running").sleepMs(120000);
  scrcpy.writeTo(s.runDirectory, "scrcpy");
}

HWND findMainWindow(DWORD processId) {
  const std::wstring caption = probe::wide(kMainWindowDef.caption);
  HWND found = nullptr;
  probe::waitUntil(kStartTimeoutMs, [&] {
    for (HWND window = FindWindowW(nullptr, caption.c_str()); window != nullptr;
         window = FindWindowExW(nullptr, window, nullptr, caption.c_str())) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == processId && IsWindowVisible(window)) found = window;
    }
    return found != nullptr;
  });
  return found;
}

// The controls by their ids. Windows inside a combo box, an IP address box or a list
// view are the controls' own parts (a combo box's edit field has id 1001 itself).
void collectControls(Session& s) {
  EnumChildWindows(
      s.window,
      [](HWND child, LPARAM param) -> BOOL {
        auto& session = *reinterpret_cast<Session*>(param);
        const std::string parentClass = probe::className(GetParent(child));
        if (parentClass == "ComboBox" || parentClass == "SysIPAddress32" || parentClass == "SysListView32") {
          return TRUE;
        }
        const int id = GetDlgCtrlID(child) - kControlIdBase;
        if (id > 0 && id < kControlCount && session.controls[id] == nullptr) session.controls[id] = child;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
}

void startProgram(Session& s, Pass& pass) {
  writeScenario(s);
  std::wstring commandLine = L"\"" + (s.runDirectory / "velmora.exe").wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!pass.expect(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  s.runDirectory.wstring().c_str(), &startup, &s.program),
                   "velmora.exe starts")) {
    return;
  }
  s.window = findMainWindow(s.program.dwProcessId);
  if (!pass.expect(s.window != nullptr, "the main window appears with its caption within 30 s")) return;
  collectControls(s);

  RECT outer{};
  GetWindowRect(s.window, &outer);
  pass.expectNear(outer.left, kMainWindowDef.x, kPlaceTolerance, "window left");
  pass.expectNear(outer.top, kMainWindowDef.y, kPlaceTolerance, "window top");
  pass.expectNear(outer.right - outer.left, kMainWindowDef.width, kPlaceTolerance, "window width");
  pass.expectNear(outer.bottom - outer.top, kMainWindowDef.height, kPlaceTolerance, "window height");
}

// ---------------------------------------------------------------------------------
// Every control of the table.

const char* classOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
    case ControlKind::GroupBox:
    case ControlKind::CheckBox:
      return "Button";
    case ControlKind::Edit:
      return "Edit";
    case ControlKind::Label:
    case ControlKind::Panel:
    case ControlKind::PictureBox:
      return "Static";
    case ControlKind::ComboBox:
      return "ComboBox";
    case ControlKind::ListView:
      return "SysListView32";
    case ControlKind::TabControl:
      return "SysTabControl32";
    case ControlKind::IpAddress:
      return "SysIPAddress32";
    case ControlKind::StatusBar:
      return "msctls_statusbar32";
    case ControlKind::FileDialog:
      break;
  }
  return "";
}

void checkStyle(const ControlDef& def, HWND control, Pass& pass) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const std::string name = nameOf(def.id);
  const LONG buttonType = style & BS_TYPEMASK;
  if (def.kind == ControlKind::GroupBox) pass.expect(buttonType == BS_GROUPBOX, name + " is a group box");
  if (def.kind == ControlKind::CheckBox) {
    pass.expect(buttonType == BS_CHECKBOX || buttonType == BS_AUTOCHECKBOX, name + " is a check box");
  }
  if (def.kind == ControlKind::Button) {
    pass.expect(buttonType == BS_PUSHBUTTON || buttonType == BS_DEFPUSHBUTTON, name + " is a push button");
  }
  if (def.kind == ControlKind::Edit) {
    pass.expect(((style & ES_READONLY) != 0) == ((def.flags & kReadOnly) != 0), name + " read-only as designed");
    pass.expect(((style & ES_MULTILINE) != 0) == ((def.flags & kMultiLine) != 0), name + " multi-line as designed");
    if (def.flags & kCentred) pass.expect((style & ES_CENTER) != 0, name + " centred");
  }
  if (def.kind == ControlKind::ListView) pass.expect((style & LVS_TYPEMASK) == LVS_REPORT, name + " in report view");
  if (def.kind == ControlKind::ComboBox) {
    pass.expect((style & 3) == CBS_DROPDOWN, name + " is a drop-down with an editable field");
  }
}

// The place relative to the client area; the status bar docks at the bottom instead.
void checkPlace(const Session& s, const ControlDef& def, HWND control, Pass& pass) {
  const RECT rect = probe::rectIn(control, s.window);
  const std::string name = nameOf(def.id);
  if (def.kind == ControlKind::StatusBar) {
    RECT client{};
    GetClientRect(s.window, &client);
    pass.expectNear(rect.left, 0, kPlaceTolerance, name + " left");
    pass.expectNear(rect.bottom, client.bottom, kPlaceTolerance, name + " docks at the bottom");
    pass.expectNear(rect.right, client.right, kPlaceTolerance, name + " spans the width");
    return;
  }
  const Place place = placeInWindow(def.id);
  pass.expectNear(rect.left, place.x, kPlaceTolerance, name + " left");
  pass.expectNear(rect.top, place.y, kPlaceTolerance, name + " top");
  pass.expectNear(rect.right - rect.left, def.width, kPlaceTolerance, name + " width");
  // A combo box is as tall as its selection field, whose height the program sets.
  if (def.kind != ControlKind::ComboBox) {
    pass.expectNear(rect.bottom - rect.top, def.height, kPlaceTolerance, name + " height");
  }
}

void checkListContent(const Session& s, const ControlDef& def, HWND list, Pass& pass) {
  const std::string name = nameOf(def.id);
  probe::TargetProcess target = s.target();
  const std::vector<probe::Column> columns = target.listColumns(list);
  if (pass.expect(columns.size() == def.columns.size(), name + " has " + std::to_string(def.columns.size()) +
                                                            " columns, found " + std::to_string(columns.size()))) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const std::string column = name + " column " + std::to_string(c);
      pass.expectText(columns[c].title, def.columns[c].title, column + " title");
      pass.expectNear(columns[c].width, def.columns[c].width, kPlaceTolerance, column + " width");
      pass.expect(columns[c].centred == def.columns[c].centred, column + " alignment");
    }
  }
  const auto rows = probe::send(list, LVM_GETITEMCOUNT);
  if (!pass.expect(rows && *rows == static_cast<LRESULT>(def.rows.size()),
                   name + " has " + std::to_string(def.rows.size()) + " rows")) {
    return;
  }
  for (std::size_t r = 0; r < def.rows.size(); ++r) {
    for (std::size_t c = 0; c < def.columns.size(); ++c) {
      pass.expectText(target.listCell(list, static_cast<int>(r), static_cast<int>(c)), def.rows[r].cells[c],
                      name + " row " + std::to_string(r) + " cell " + std::to_string(c));
    }
  }
}

void checkStatusBar(const Session& s, HWND bar, Pass& pass) {
  probe::TargetProcess target = s.target();
  const std::vector<int> edges = target.statusPartEdges(bar);
  const auto parts = statusParts();
  if (!pass.expect(edges.size() == parts.size(), "状态条1 has " + std::to_string(parts.size()) + " parts")) return;
  int edge = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string part = "status part " + std::to_string(i);
    edge = parts[i].width < 0 ? -1 : edge + parts[i].width;
    pass.expectNear(edges[i], edge, 0, part + " right edge");
    pass.expectText(target.statusText(bar, static_cast<int>(i)), parts[i].text, part + " text");
  }
}

// Caption or initial content, by kind. The log pane and the download folder are
// written at start-up and checked by their own pass.
void checkContent(const Session& s, const ControlDef& def, HWND control, Pass& pass) {
  const std::string name = nameOf(def.id);
  switch (def.kind) {
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::GroupBox:
    case ControlKind::CheckBox:
      pass.expectText(probe::windowText(control), def.caption, name + " caption");
      break;
    case ControlKind::Edit:
      if (def.flags & kLogColours || def.id == ControlId::编辑框_拷贝文件存放路径) break;
      pass.expectText(probe::windowText(control), def.caption, name + " content");
      break;
    case ControlKind::ComboBox: {
      const std::vector<std::string> items = probe::comboItems(control);
      pass.expect(items == std::vector<std::string>(def.items.begin(), def.items.end()), name + " items");
      pass.expectText(probe::windowText(control), def.items.empty() ? def.caption : def.items[0],
                      name + " shows its first item");
      break;
    }
    case ControlKind::ListView:
      checkListContent(s, def, control, pass);
      break;
    case ControlKind::TabControl:
      pass.expect(s.target().tabTitles(control) == std::vector<std::string>(def.items.begin(), def.items.end()),
                  name + " page titles");
      break;
    case ControlKind::IpAddress: {
      pass.expectText(s.target().ipAddress(control), def.caption, name + " address");
      std::string shown;
      for (HWND field : probe::childWindows(control, "Edit")) {
        if (!shown.empty()) shown += '.';
        shown += probe::windowText(field);
      }
      pass.expectText(shown, def.caption, name + " fields show the address");
      break;
    }
    case ControlKind::StatusBar:
      checkStatusBar(s, control, pass);
      break;
    case ControlKind::Panel:
    case ControlKind::PictureBox:
    case ControlKind::FileDialog:
      break;
  }
}

void checkControls(Session& s, Pass& pass) {
  for (const ControlDef& def : controlTable()) {
    HWND control = s.control(def.id);
    if (def.flags & kInvisible) {
      pass.expect(control == nullptr || !IsWindowVisible(control), nameOf(def.id) + " is not shown");
      continue;
    }
    if (!pass.expect(control != nullptr,
                     nameOf(def.id) + " exists with id " + std::to_string(kControlIdBase + static_cast<int>(def.id)))) {
      continue;
    }
    pass.expectText(probe::className(control), classOf(def.kind), nameOf(def.id) + " class");
    pass.expect(IsWindowEnabled(control), nameOf(def.id) + " enabled");
    checkStyle(def, control, pass);
    checkPlace(s, def, control, pass);
    checkContent(s, def, control, pass);
  }
}

// ---------------------------------------------------------------------------------
// What start-up writes.

bool isTimeStamp(const std::string& text) {
  if (text.size() != 8) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool colon = i == 2 || i == 5;
    if (colon ? text[i] != ':' : (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
    result.push_back(text.substr(begin, end - begin));
  }
  if (begin < text.size()) result.push_back(text.substr(begin));
  return result;
}

void checkStartUpContent(Session& s, Pass& pass) {
  const char* const expected[] = {
      "请连接设备，开始使用", "此功能需要手机ROOT，否则ADB无法启动",
      "手机连接wifi，让电脑和手机处于同一网段再操作，开启[ tessaro应用 ]并启动ADB模式，界面会出现连接IP"};
  const std::string log = logText(s);
  const std::vector<std::string> logLines = lines(log);
  pass.expect(logLines.size() == 3 && log.ends_with("\r\n"),
              "the log holds exactly three lines, found " + std::to_string(logLines.size()));
  for (std::size_t i = 0; i < 3 && i < logLines.size(); ++i) {
    const std::string& line = logLines[i];
    const std::string what = "log line " + std::to_string(i + 1);
    pass.expect(isTimeStamp(line.substr(0, 8)) && line.size() > 8 && line[8] == ' ',
                what + " begins with HH:MM:SS and a space: \"" + probe::printable(line) + "\"");
    pass.expectText(line.size() > 9 ? line.substr(9) : std::string(), expected[i], what);
  }
  const std::string folder = probe::windowText(s.control(ControlId::编辑框_拷贝文件存放路径));
  pass.expect(
      folder.size() > 1 && folder.ends_with("\\"),
      "编辑框_拷贝文件存放路径 holds the desktop folder with a final backslash: \"" + probe::printable(folder) + "\"");
}

// ---------------------------------------------------------------------------------
// Tab pages.

// Controls whose visibility differs from what the selected pages call for.
std::vector<std::string> visibilityMismatches(const Session& s) {
  std::vector<std::string> wrong;
  for (const ControlDef& def : controlTable()) {
    HWND control = s.control(def.id);
    if (control == nullptr || (def.flags & kInvisible)) continue;
    bool shown = true;
    for (const PagePlace& place : pagesOf(def.id)) {
      const auto selected = probe::send(s.control(place.tab), TCM_GETCURSEL);
      shown = shown && selected && *selected == place.page;
    }
    if ((IsWindowVisible(control) != FALSE) != shown) {
      wrong.push_back(nameOf(def.id) + (shown ? " hidden" : " shown"));
    }
  }
  return wrong;
}

void expectVisibility(const Session& s, const std::string& state, Pass& pass) {
  std::vector<std::string> wrong;
  probe::waitUntil(kSettleTimeoutMs, [&] { return (wrong = visibilityMismatches(s)).empty(); });
  std::string list;
  for (const std::string& name : wrong) list += " " + name;
  pass.expect(wrong.empty(), state + ":" + list);
}

// A mouse press on the page's tab, as a user selects it.
void selectPage(const Session& s, ControlId tab, int page, Pass& pass) {
  HWND control = s.control(tab);
  const std::string what = nameOf(tab) + " page " + std::to_string(page);
  const auto rect = s.target().tabRect(control, page);
  if (!pass.expect(rect.has_value(), what + ": tab rectangle")) return;
  probe::pressAt(control, {(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2});
  pass.expect(probe::waitUntil(kSettleTimeoutMs,
                               [&] {
                                 const auto selected = probe::send(control, TCM_GETCURSEL);
                                 return selected && *selected == page;
                               }),
              what + " selected by a press on its tab");
  expectVisibility(s, what, pass);
}

int pageCount(ControlId tab) { return static_cast<int>(controlDef(tab).items.size()); }

void checkTabPages(Session& s, Pass& pass) {
  for (ControlId tab : {ControlId::高级选择夹1, ControlId::高级选择夹2}) {
    const auto selected = probe::send(s.control(tab), TCM_GETCURSEL);
    pass.expect(selected && *selected == 0, nameOf(tab) + " opens on page 0");
  }
  expectVisibility(s, "at start", pass);
  const int uploadPage = pagesOf(ControlId::高级选择夹2).front().page;  // where the inner tab control lies
  for (int page = 1; page < pageCount(ControlId::高级选择夹1); ++page) {
    selectPage(s, ControlId::高级选择夹1, page, pass);
    if (page != uploadPage) continue;
    for (int inner = 1; inner < pageCount(ControlId::高级选择夹2); ++inner) {
      selectPage(s, ControlId::高级选择夹2, inner, pass);
    }
    selectPage(s, ControlId::高级选择夹2, 0, pass);
  }
  selectPage(s, ControlId::高级选择夹1, 0, pass);
}

// ---------------------------------------------------------------------------------
// The console and a message box.

void runConsoleCommand(Session& s, Pass& pass) {
  const std::string before = logText(s);
  probe::setWindowText(s.control(ControlId::编辑框_命令), "adb devices");
  probe::click(s.control(ControlId::按钮_执行执行));
  std::string added;
  const bool answered = probe::waitUntil(kCommandTimeoutMs, [&] {
    added = logText(s).substr(before.size());
    return added.find("返回：") != std::string::npos && IsWindowEnabled(s.control(ControlId::按钮_执行执行));
  });
  if (!pass.expect(answered, "\"返回：\" logged and 按钮_执行执行 enabled again within 20 s; log added: \"" +
                                 probe::printable(added) + "\"")) {
    return;
  }
  const std::string sent = "发送：" + probe::narrow(s.runDirectory.wstring()) + "\\adb devices\r\n";
  pass.expect(added.find(sent) != std::string::npos, "log holds \"" + probe::printable(sent) + "\"");
  const std::string answer = added.substr(added.find("返回："));
  pass.expect(answer.find("List of devices attached") != std::string::npos, "the answer holds the fake's header");
  for (const char* line : kDeviceLines) {
    pass.expect(answer.find(std::string(line) + "\r\n") != std::string::npos,
                "the answer holds \"" + probe::printable(line) + "\"");
  }
}

struct BoxCause {
  ControlId button;
  const char* text;
};

// Buttons that answer a click in the window's first state with a message box.
constexpr BoxCause kBoxCauses[] = {
    {ControlId::按钮_断开连接, "请选择操作设备"},
    {ControlId::按钮_获取设备信息, "请选择操作设备"},
    {ControlId::超级按钮_启动APK, "请输入包名，再操作"},
};

const BoxCause* boundBoxCause() {
  for (const BoxCause& cause : kBoxCauses) {
    for (const Binding& binding : eventBindings()) {
      if (binding.control == cause.button) return &cause;
    }
  }
  return nullptr;
}

HWND findBox(const Session& s, const std::string& title) {
  for (HWND box : probe::topWindows(s.program.dwProcessId, "#32770")) {
    if (probe::windowText(box) == title) return box;
  }
  return nullptr;
}

void answerMessageBox(Session& s, Pass& pass) {
  const BoxCause* cause = boundBoxCause();
  if (cause == nullptr) {
    pass.skip("no button of the program shows a message box yet");
    return;
  }
  const std::string what = "a click on " + nameOf(cause->button);
  pass.note("driven: " + what);
  probe::click(s.control(cause->button));
  HWND box = nullptr;
  if (!pass.expect(probe::waitUntil(kSettleTimeoutMs, [&] { return (box = findBox(s, kDefaultBoxTitle)) != nullptr; }),
                   what + " shows a box titled \"信息：\"")) {
    return;
  }
  bool textFound = false;
  for (HWND label : probe::childWindows(box, "Static"))
    textFound = textFound || probe::windowText(label) == cause->text;
  pass.expect(textFound, what + ": the box says \"" + probe::printable(cause->text) + "\"");
  pass.expect(GetWindow(box, GW_OWNER) == nullptr, what + ": the box has no owner window");
  const std::vector<HWND> buttons = probe::childWindows(box, "Button");
  if (!pass.expect(buttons.size() == 1, what + ": the box has one button")) return;
  pass.expect(GetDlgCtrlID(buttons[0]) == IDOK, what + ": its button is OK");
  probe::click(buttons[0]);
  pass.expect(probe::waitUntil(kSettleTimeoutMs, [&] { return !IsWindow(box); }), "OK closes the box");
}


// ---------------------------------------------------------------------------------
// Devices: refresh, choice, connect, state check.

constexpr const char* kDeviceEntries[] = {"Pixel 7=>emulator-5554", "MI 9=>192.168.3.250:5555"};

bool logGains(const Session& s, const std::string& before, const std::string& text, int milliseconds) {
  return probe::waitUntil(milliseconds, [&] { return logText(s).find(text, before.size()) != std::string::npos; });
}

void refreshDevices(Session& s, Pass& pass) {
  HWND combo = s.control(ControlId::组合框_设备);
  probe::click(s.control(ControlId::按钮_刷新设备));
  std::vector<std::string> items;
  const bool filled = probe::waitUntil(kCommandTimeoutMs, [&] {
    items = probe::comboItems(combo);
    return items.size() == std::size(kDeviceEntries);
  });
  if (!pass.expect(filled, "刷新 fills 组合框_设备 with two entries")) return;
  for (std::size_t i = 0; i < items.size(); ++i) pass.expectText(items[i], kDeviceEntries[i], "entry " + std::to_string(i));
}

// Choosing entry `index` as the user does: the selection, then the notification.
void chooseDevice(const Session& s, int index) {
  HWND combo = s.control(ControlId::组合框_设备);
  probe::send(combo, CB_SETCURSEL, index);
  PostMessageW(s.window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

// The command a template button writes, which tells the chosen target.
std::string templateCommand(const Session& s, ControlId button, const std::string& expected) {
  HWND box = s.control(ControlId::编辑框_命令);
  probe::click(s.control(button));
  std::string text;
  probe::waitUntil(kSettleTimeoutMs, [&] { return (text = probe::windowText(box)) == expected; });
  return text;
}

void chooseAndAddress(Session& s, Pass& pass) {
  chooseDevice(s, 1);
  pass.expectText(templateCommand(s, ControlId::按钮_重启设备, "adb -s 192.168.3.250:5555 reboot"),
                  "adb -s 192.168.3.250:5555 reboot", "after choosing entry 1, 重启设备 addresses its serial");
  chooseDevice(s, 0);
  pass.expectText(templateCommand(s, ControlId::按钮_查ADB版本信息, "adb -s emulator-5554 version"),
                  "adb -s emulator-5554 version", "after choosing entry 0, 查ADB版本信息 addresses its serial");
}

void connectDevice(Session& s, Pass& pass) {
  const std::string before = logText(s);
  HWND bar = s.control(ControlId::状态条1);
  probe::click(s.control(ControlId::按钮_连接设备));
  pass.expect(probe::waitUntil(kCommandTimeoutMs, [&] { return s.target().statusText(bar, 1) == "连接成功"; }),
              "状态条1 part 1 reads \"连接成功\"");
  pass.expect(logGains(s, before, "发送：adb connect 192.168.3.250:5555\r\n", kSettleTimeoutMs),
              "log holds the connect command");
  pass.expect(logGains(s, before, "已连接到 192.168.3.250:5555\r\n", kSettleTimeoutMs), "log holds \"已连接到\"");
  pass.expect(probe::waitUntil(kCommandTimeoutMs, [&] { return IsWindowEnabled(s.control(ControlId::按钮_连接设备)); }),
              "按钮_连接设备 enabled again");
}

void checkDeviceState(Session& s, Pass& pass) {
  HWND bar = s.control(ControlId::状态条1);
  const std::string before = logText(s);
  probe::pressAt(bar, {30, 10});  // outside 62..176: nothing
  probe::pressAt(bar, {100, 10});
  pass.expect(logGains(s, before, "device:设备正常连接\r\n", kCommandTimeoutMs), "a press at x=100 logs the state");
  const std::string added = logText(s).substr(before.size());
  pass.expect(added.find("device:设备正常连接") == added.rfind("device:设备正常连接"),
              "the press at x=30 checked nothing");
}

// ---------------------------------------------------------------------------------
// A catalogue row.

void clickCatalogueRow(Session& s, Pass& pass) {
  selectPage(s, ControlId::高级选择夹1, 2, pass);
  HWND list = s.control(ControlId::超级列表框1);
  const auto rect = s.target().listItemRect(list, 1);
  if (!pass.expect(rect.has_value(), "row 2 of 超级列表框1 has a rectangle")) return;
  probe::pressAt(list, {rect->left + 10, (rect->top + rect->bottom) / 2});
  HWND box = s.control(ControlId::编辑框_命令);
  pass.expect(probe::waitUntil(kSettleTimeoutMs, [&] { return probe::windowText(box) == "adb devices"; }),
              "a click on row 2 writes \"adb devices\" into 编辑框_命令");
  pass.expectText(s.target().statusText(s.control(ControlId::状态条1), 3), "查看连接计算机的设备：",
                  "status part 3 shows the row's name");
  selectPage(s, ControlId::高级选择夹1, 0, pass);
}

// ---------------------------------------------------------------------------------
// Screenshot and close.

// The window as the screen shows it, as a 24-bit BMP.
bool saveScreenshot(HWND window, const std::filesystem::path& file) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = (width * 3 + 3) & ~3u;
  const DWORD imageBytes = rowBytes * height;
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + imageBytes;
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), imageBytes);
  const bool written = copied && out.good();
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return written;
}

void takeScreenshot(Session& s, Pass& pass) {
  if (pass.expect(saveScreenshot(s.window, s.screenshot), "screenshot written")) {
    std::printf("screenshot: %s\n", s.screenshot.string().c_str());
  }
}

// Fake adb and scrcpy processes that keep running, as servers and mirroring windows do.
std::vector<PROCESS_INFORMATION> startKeptTools(const Session& s) {
  std::vector<PROCESS_INFORMATION> started;
  for (const char* tool : {"adb.exe", "scrcpy.exe", "adb.exe"}) {
    std::wstring line = L"\"" + (s.runDirectory / tool).wstring() + L"\" keep-running";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       s.runDirectory.c_str(), &startup, &info))
      started.push_back(info);
  }
  return started;
}

void closeWindow(Session& s, Pass& pass) {
  std::vector<PROCESS_INFORMATION> kept = startKeptTools(s);
  pass.expect(kept.size() == 3, "two fake adb and one fake scrcpy keep running");
  Sleep(500);
  PostMessageW(s.window, WM_CLOSE, 0, 0);
  pass.expect(WaitForSingleObject(s.program.hProcess, kCloseTimeoutMs) == WAIT_OBJECT_0,
              "velmora.exe ends within 15 s of WM_CLOSE");
  int ended = 0;
  for (PROCESS_INFORMATION& info : kept) {
    if (WaitForSingleObject(info.hProcess, kSettleTimeoutMs) == WAIT_OBJECT_0) {
      ++ended;
    } else {
      TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
  pass.expect(ended == static_cast<int>(kept.size()), "closing the window ended every adb and scrcpy process");
}

// ---------------------------------------------------------------------------------

using PassFunction = void (*)(Session&, Pass&);
struct PassDef {
  const char* name;
  PassFunction run;
};

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc != 3) {
    std::fprintf(stderr, "usage: window_test.exe RUN_DIRECTORY SCREENSHOT.bmp\n");
    return 2;
  }
  Session session;
  session.runDirectory = argv[1];
  session.screenshot = argv[2];
  LocalFree(argv);

  const PassDef passes[] = {
      {"start-up: program, window and its place", startProgram},
      {"controls: class, style, place and content of every control", checkControls},
      {"start-up content: three log lines, download folder", checkStartUpContent},
      {"tab pages: each page shows its controls and hides the others", checkTabPages},
      {"console: adb devices through the fake adb", runConsoleCommand},
      {"message box: shown and answered", answerMessageBox},
      {"devices: 刷新 fills the device list", refreshDevices},
      {"devices: choosing an entry makes its serial the target", chooseAndAddress},
      {"devices: 连接设备 connects and shows the outcome", connectDevice},
      {"devices: a press on the status bar checks the state", checkDeviceState},
      {"catalogue: a click on a row writes its command", clickCatalogueRow},
      {"screenshot", takeScreenshot},
      {"close: WM_CLOSE ends the program and every adb and scrcpy", closeWindow},
  };
  CheckReport report;
  for (const PassDef& def : passes) {
    Pass pass;
    if (def.run == startProgram || session.window != nullptr) {
      def.run(session, pass);
    } else {
      pass.expect(false, "no main window");
    }
    report.record(probe::printable(def.name), pass);
  }
  if (session.program.hProcess != nullptr) {
    if (WaitForSingleObject(session.program.hProcess, 0) != WAIT_OBJECT_0)
      TerminateProcess(session.program.hProcess, 1);
    CloseHandle(session.program.hProcess);
    CloseHandle(session.program.hThread);
  }
  return report.finish();
}
