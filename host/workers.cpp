#include "host/workers.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

struct WorkerCount {
  std::mutex mutex;
  std::condition_variable idle;
  int running = 0;
};

// Never destroyed: a detached worker may still finish while the process exits.
WorkerCount& workerCount() {
  static WorkerCount* count = new WorkerCount;
  return *count;
}

}  // namespace

void startWorker(std::function<void()> work) {
  WorkerCount& count = workerCount();
  {
    std::lock_guard<std::mutex> lock(count.mutex);
    ++count.running;
  }
  std::thread([work = std::move(work), &count]() mutable {
    work();
    work = nullptr;  // whatever the work captured is released before it counts as ended
    std::lock_guard<std::mutex> lock(count.mutex);
    if (--count.running == 0) count.idle.notify_all();
  }).detach();
}

bool waitForWorkers(int milliseconds) {
  WorkerCount& count = workerCount();
  std::unique_lock<std::mutex> lock(count.mutex);
  return count.idle.wait_for(lock, std::chrono::milliseconds(milliseconds), [&] { return count.running == 0; });
}
