// Worker threads of the window's handlers.
//
// startWorker starts a detached std::thread and counts it while it runs, so that the
// exit and the tests can wait until the work started by clicks has ended. Safe from
// any thread.
#pragma once

#include <functional>

void startWorker(std::function<void()> work);

// Waits until no worker runs, at most `milliseconds`; true when none runs.
bool waitForWorkers(int milliseconds);
