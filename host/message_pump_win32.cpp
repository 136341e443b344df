#include <windows.h>

#include "host/console_runner.h"

namespace {

// Dispatches every message waiting for the calling thread. A quit message is put
// back for the thread's own message loop, which must see it.
void dispatchWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// CREATE_WAITABLE_TIMER_HIGH_RESOLUTION (Windows 10 1803), missing from MinGW's headers.
constexpr DWORD kHighResolutionTimer = 0x00000002;

// A timer that fires once, or null. The high-resolution kind is asked for first: the
// ordinary one only fires on the system's tick (about 15.6 ms on many systems).
HANDLE createOneShotTimer() {
  HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
  return timer ? timer : CreateWaitableTimerW(nullptr, FALSE, nullptr);
}

// Without a timer: dispatch, then sleep a millisecond, until the time has passed.
void sleepPumping(int milliseconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  do {
    dispatchWaitingMessages();
    Sleep(1);
  } while (GetTickCount64() < deadline);
}

}  // namespace

void pumpPendingMessages() {
  if (HIWORD(GetQueueStatus(QS_INPUT)) != 0) dispatchWaitingMessages();
}

bool waitPumping(int milliseconds) {
  HANDLE timer = createOneShotTimer();
  LARGE_INTEGER dueTime;
  dueTime.QuadPart = static_cast<LONGLONG>(milliseconds * -10000.0);  // relative, in 100 ns
  if (!timer || !SetWaitableTimer(timer, &dueTime, 0, nullptr, nullptr, FALSE)) {
    if (timer) CloseHandle(timer);
    sleepPumping(milliseconds);
    return true;
  }
  // MWMO_INPUTAVAILABLE also wakes for messages that were already seen but not yet taken.
  while (MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0 + 1) {
    dispatchWaitingMessages();
  }
  CloseHandle(timer);
  return true;
}
