#include <chrono>
#include <thread>

#include "host/console_runner.h"

// A POSIX thread has no window messages: nothing to dispatch, and waiting is sleeping.

void pumpPendingMessages() {}

bool waitPumping(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  return true;
}
