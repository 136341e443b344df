#include <windows.h>

#include <gtest/gtest.h>

#include "host/console_runner.h"
#include "tests/fake_tool/scenario.h"

namespace {

std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(ConsoleRunnerWindows, CommandLineReachesTheProgramAsComposed) {
  TestRunDir run;
  const std::string adb = run.addTool("adb", Scenario());
  runConsoleProgram(adb + " shell ls /sdcard/中文");
  const std::vector<FakeCall> calls = run.calls("adb");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].rawCommandLine, adb + utf8(u8" shell ls /sdcard/中文"));
}

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(WaitPumping, DispatchesTheThreadsMessagesWhileItWaits) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = countingProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"WaitPumpingTest";
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowW(L"WaitPumpingTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  int dispatched = 0;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&dispatched));

  PostMessageW(window, WM_APP, 0, 0);
  EXPECT_TRUE(waitPumping(10));
  EXPECT_EQ(dispatched, 1);
  DestroyWindow(window);
}

}  // namespace
