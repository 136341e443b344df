// The adb bridge: knows where the tools live and performs the recurring adb
// operations. One instance exists, created before the window and destroyed at exit.
// toolDirectory is written once by the constructor and only read afterwards, so the
// operations may run on any thread; each blocks its caller until the tool has ended.
//
// Every operation runs its tool directly, without the command interpreter, and reads
// standard output only (runConsoleProgram): a serial or an address in a command is
// one argument of adb and nothing else. Commands are written "adb ..." and take the
// tool's path from toolDirectory (see toolCommandLine).
//
// The operations that log, show the device state or start the device refresh take the
// program's shared state (AppContext) as their first argument.
#pragma once

#include <memory>
#include <string>

struct AppContext;

class AdbBridge {
 public:
  // `runDirectory` without a trailing separator; toolDirectory adds it.
  explicit AdbBridge(const std::string& runDirectory);

  // The virtual operations, in the order of their slots. The APK install belongs
  // between connect and restartServer, the package list between restartServer and
  // runLogged; both arrive with the application features.
  virtual ~AdbBridge();
  // A new bridge with the same operations and its own copy of toolDirectory.
  virtual std::unique_ptr<AdbBridge> copy() const;
  // Returns at once; nothing calls it.
  virtual void noOperation(int first, int second);
  // The standard output of toolDirectory + command, unconverted (UTF-8 as adb printed it).
  virtual std::string run(const std::string& command);
  // "adb connect " + address. True when adb's answer begins with "connected to" or
  // "already connected to": then logs "已连接到 " + address, shows "连接成功",
  // sets deviceConnected and starts a device refresh on a worker. Otherwise logs and
  // shows "连接失败" and clears deviceConnected.
  virtual bool connect(AppContext& app, const std::string& address);
  // kill-server, a pause of 250 ms with messages flowing, start-server; logged.
  virtual void restartServer(AppContext& app);
  // Logs "输入：" + the command line, runs it and logs "返回：" + the converted answer.
  virtual void runLogged(AppContext& app, const std::string& command);
  // "adb get-state": true for "device"; logs the verdict for device, offline, unknown.
  virtual bool getState(AppContext& app);
  // The device information report of the serial, into the log (device_report.cpp).
  virtual void reportDeviceInfo(AppContext& app, const std::string& serial);

  const std::string& toolDirectory() const { return toolDirectory_; }

 private:
  std::string toolDirectory_;
};

// The process command line of a tool command such as "adb devices": the tool's path
// (toolDirectory + the command's first word) as one argument, quoted when the
// directory holds a space, then the rest of the command unchanged.
std::string toolCommandLine(const std::string& toolDirectory, const std::string& command);
