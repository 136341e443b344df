#include "bridge/adb_bridge.h"

#include "host/platform.h"

AdbBridge::AdbBridge(const std::string& runDirectory) : toolDirectory_(runDirectory + kPathSeparator) {}

AdbBridge::~AdbBridge() = default;
