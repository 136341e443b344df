// What 组合框_设备 holds between refreshes: which refresh is the newest, and the serial
// behind each entry it published. Refreshes may overlap (a click during the refresh a
// connect started); the list always ends holding the whole result of the newest one.
//
// begin and publish are called by refresh workers; serialOf by the window's thread.
// The lock the workers hold while they write the list is never taken on the window's
// thread, so a window that hands a worker's write over to its own thread cannot
// deadlock with it.
#pragma once

#include "window/controls.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct DeviceEntry {
  std::string text;    // as shown: the model (or the state word) "=>" the serial
  std::string serial;  // as adb printed it
};

class DeviceListState {
 public:
  // A refresh starts: empties the list and returns the refresh's number.
  unsigned begin(Controls& ui);

  // Shows the refresh's entries, unless a newer refresh has begun since.
  void publish(Controls& ui, unsigned refresh, const std::vector<DeviceEntry>& entries);

  // The serial behind the entry at `index` when the shown list still has `text` there.
  std::optional<std::string> serialOf(int index, const std::string& text) const;

 private:
  std::mutex writing_;  // refresh workers only
  unsigned newest_ = 0;

  mutable std::mutex entriesMutex_;
  std::vector<DeviceEntry> entries_;
};
