// What the program sends to adb and the texts of adb's answers it relies on, gathered
// in one place. The features compose their command lines from these pieces; nothing
// else of adb's answers is interpreted.
#pragma once

#include "host/platform.h"

#include <string>

namespace adb_texts {

// Answer texts.
inline const std::string kDevicesHeader = std::string("List of devices attached") + kToolLineBreak;
inline const std::string kDevicesEnd = std::string(kToolLineBreak) + kToolLineBreak;
inline constexpr char kDeviceState[] = "device";
inline constexpr char kConnected[] = "connected to";
inline constexpr char kAlreadyConnected[] = "already connected to";
inline constexpr char kOffline[] = "offline";
inline constexpr char kUnknown[] = "unknown";
inline constexpr char kSuccess[] = "Success";
inline constexpr char kNoDevices[] = "no devices/emulators found";
inline constexpr char kPackage[] = "package";
inline constexpr char kReadOnlyFileSystem[] = "Read-only file system";
inline constexpr char kNoSuchFile[] = "No such file or directory";
inline constexpr char kRestartingAsRoot[] = "restarting adbd as root";
inline constexpr char kAlreadyRoot[] = "adbd is already running as root";
inline constexpr char kMoreThanOneDevice[] = "more than one device";

// Command pieces.
inline constexpr char kAdb[] = "adb ";
inline constexpr char kSerialOption[] = "-s ";
inline constexpr char kDevices[] = "devices";
inline constexpr char kModelQuery[] = " shell getprop ro.product.model";
inline constexpr char kConnect[] = "connect ";
inline constexpr char kDisconnect[] = "disconnect ";
inline constexpr char kGetState[] = "get-state";
inline constexpr char kKillServer[] = "kill-server";
inline constexpr char kStartServer[] = "start-server";

}  // namespace adb_texts
