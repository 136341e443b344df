// The adb bridge: knows where the tools live and performs the recurring adb
// operations. One instance exists, created before the window and destroyed at exit.
// toolDirectory is written once by the constructor and only read afterwards, so the
// operations may run on any thread.
#pragma once

#include <string>

class AdbBridge {
 public:
  // `runDirectory` without a trailing separator; toolDirectory adds it.
  explicit AdbBridge(const std::string& runDirectory);
  virtual ~AdbBridge();

  const std::string& toolDirectory() const { return toolDirectory_; }

 private:
  std::string toolDirectory_;
};
