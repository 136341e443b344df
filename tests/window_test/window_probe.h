// Reading and driving the windows of another process with window messages, the way
// the window test sees the program: no keystrokes (under Xvfb there is no window
// manager, hence no focus), every wait bounded. Texts are code page 936, like the
// control table's; printable() turns them into UTF-8 for the test's own output.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace probe {

std::wstring wide(const std::string& text);      // code page 936 to UTF-16
std::string narrow(const std::wstring& text);    // UTF-16 to code page 936
std::string printable(const std::string& text);  // code page 936 to UTF-8

// Calls `done` every 50 ms until it returns true or `milliseconds` have passed.
bool waitUntil(int milliseconds, const std::function<bool()>& done);

// SendMessageTimeoutW with a few seconds' limit; nothing when the window did not answer.
std::optional<LRESULT> send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::string windowText(HWND window);
void setWindowText(HWND window, const std::string& text);
std::string className(HWND window);
// The window's outer rectangle relative to the client area of `container`.
RECT rectIn(HWND window, HWND container);
// A click posted to a button, so that a modal box it opens does not block the test.
void click(HWND button);
// A left mouse press and release posted at a point of the control's client area.
void pressAt(HWND control, POINT point);

// Visible top-level windows of a process with the given class ("#32770" for message boxes).
std::vector<HWND> topWindows(DWORD processId, const std::string& windowClass);

// Child windows of a window (at any depth) with the given class, in creation order.
std::vector<HWND> childWindows(HWND parent, const std::string& windowClass);

// Items of a combo box's list.
std::vector<std::string> comboItems(HWND combo);

struct Column {
  std::string title;
  int width;
  bool centred;
};

// The readers whose message argument is a pointer: they pass it through memory
// allocated in the program's process.
class TargetProcess {
 public:
  explicit TargetProcess(HANDLE process) : process_(process) {}

  std::vector<Column> listColumns(HWND list);
  std::string listCell(HWND list, int row, int column);
  std::vector<int> statusPartEdges(HWND bar);  // right edges, -1 for "to the end"
  std::string statusText(HWND bar, int part);
  std::vector<std::string> tabTitles(HWND tab);
  std::optional<RECT> tabRect(HWND tab, int index);
  std::optional<RECT> listItemRect(HWND list, int row);  // the row's label cell
  std::string ipAddress(HWND box);  // dotted, empty when it cannot be read

 private:
  HANDLE process_;
};

}  // namespace probe
