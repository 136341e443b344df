#include "devices/device_list_state.h"

unsigned DeviceListState::begin(Controls& ui) {
  std::lock_guard<std::mutex> lock(writing_);
  {
    std::lock_guard<std::mutex> entriesLock(entriesMutex_);
    entries_.clear();
  }
  ui.setItems(ControlId::组合框_设备, {});
  return ++newest_;
}

void DeviceListState::publish(Controls& ui, unsigned refresh, const std::vector<DeviceEntry>& entries) {
  std::lock_guard<std::mutex> lock(writing_);
  if (refresh != newest_) return;
  std::vector<std::string> texts;
  for (const DeviceEntry& entry : entries) texts.push_back(entry.text);
  {
    std::lock_guard<std::mutex> entriesLock(entriesMutex_);
    entries_ = entries;
  }
  ui.setItems(ControlId::组合框_设备, texts);
}

std::optional<std::string> DeviceListState::serialOf(int index, const std::string& text) const {
  std::lock_guard<std::mutex> lock(entriesMutex_);
  if (index < 0 || index >= static_cast<int>(entries_.size()) || entries_[index].text != text) return std::nullopt;
  return entries_[index].serial;
}
