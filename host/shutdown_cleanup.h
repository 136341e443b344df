// The clean-up at shut-down: ends every adb process and then every scrcpy process,
// whoever started them, so that no adb server or mirroring window outlives the
// console. Runs on the window's thread while the window still exists; the window's
// messages keep being dispatched between passes.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

// What the clean-up does to processes. The system's by default; a test passes its own
// to watch the order or to play a process that refuses to end.
struct ProcessActions {
  std::function<bool(const std::string& name)> exists;
  std::function<std::uint32_t(const std::string& name)> find;
  std::function<bool(std::uint32_t id)> kill;
};

ProcessActions systemProcessActions();

// How long the processes of one name are tried before the rest of them are left alone.
inline constexpr std::chrono::milliseconds kCleanupBudgetPerName{2000};

// For "adb" and then "scrcpy" (with the platform's program suffix): one process per
// pass — dispatch pending messages, stop when none of that name is left, otherwise
// end the first one found and wait 10 ms. A process that refuses to end is tried
// again on every pass until `budgetPerName` has passed for its name, then left
// alone, so that closing always finishes. Returns at once when none runs.
void shutdownCleanup(const ProcessActions& actions = systemProcessActions(),
                     std::chrono::milliseconds budgetPerName = kCleanupBudgetPerName);
