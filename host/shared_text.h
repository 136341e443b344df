// A text several threads read while one replaces it: readers get either the old or
// the new text, whole.
#pragma once

#include <mutex>
#include <string>

class SharedText {
 public:
  std::string get() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return text_;
  }
  void set(std::string text) {
    std::lock_guard<std::mutex> lock(mutex_);
    text_ = std::move(text);
  }

 private:
  mutable std::mutex mutex_;
  std::string text_;
};
