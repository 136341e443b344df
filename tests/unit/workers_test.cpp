#include "host/workers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

TEST(Workers, WaitEndsWhenEveryWorkerHasEnded) {
  std::atomic<int> done{0};
  for (int i = 0; i < 8; ++i) startWorker([&done] { ++done; });
  EXPECT_TRUE(waitForWorkers(10000));
  EXPECT_EQ(done.load(), 8);
}

TEST(Workers, WaitGivesUpWhileOneStillRuns) {
  std::mutex mutex;
  std::condition_variable released;
  bool release = false;
  startWorker([&] {
    std::unique_lock<std::mutex> lock(mutex);
    released.wait(lock, [&] { return release; });
  });
  EXPECT_FALSE(waitForWorkers(20));
  {
    std::lock_guard<std::mutex> lock(mutex);
    release = true;
  }
  released.notify_all();
  EXPECT_TRUE(waitForWorkers(10000));
}

}  // namespace
