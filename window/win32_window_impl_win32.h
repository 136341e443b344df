// The state behind Win32Window, shared by its two source files: the window and its
// events (win32_window_win32.cpp) and the controls operations
// (win32_window_controls_win32.cpp). Everything here but `window` and `threadId` is
// touched on the window's thread only.
#pragma once

#include "window/win32_window.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <string>

struct Win32Window::Impl {
  ~Impl();

  bool create(EventSink& eventSink);
  LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void dispatch(ControlId id, Event event, const EventArgs& args);

  HWND at(ControlId id) const { return controls[static_cast<int>(id)]; }

  // Runs `work` on the window's thread and returns its result; `fallback` when the
  // window is gone.
  template <typename Result, typename Work>
  Result call(Result fallback, Work work) {
    Result result = fallback;
    run([&] { result = work(); });
    return result;
  }
  void run(const std::function<void()>& work);

  std::atomic<HWND> window{nullptr};
  DWORD threadId = 0;
  EventSink* sink = nullptr;
  std::array<HWND, kControlCount> controls{};
  std::array<int, kControlCount> fieldHeights{};  // set selection field heights, design pixels
  int dpi = 96;
  std::wstring fontFace;
  HFONT font = nullptr;
  HBITMAP picture = nullptr;
  HBRUSH greyBrush = nullptr;
  HBRUSH blackBrush = nullptr;
  HMENU storageMenu = nullptr;

 private:
  void createControls();
  void stackControls();
  void showSelectedPages();
  void applyDpi(int newDpi);
  void onCommand(WPARAM wParam, LPARAM lParam);
  void onNotify(const NMHDR& header);
  HBRUSH editBrush(HDC dc, HWND edit);  // nullptr: the default colours
};
