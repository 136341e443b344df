// The system's list of running processes: finding processes by the name of their
// executable file and terminating one. Names are file names without a folder, in code
// page 936 (for example "adb.exe" on Windows, "adb" on POSIX), compared with ASCII
// letter case ignored unless `exactCase`. Safe from any thread.
#pragma once

#include <cstdint>
#include <string>

// How the file name of a program ends: ".exe" on Windows, "" on POSIX.
extern const char kProgramSuffix[];

// True when a running process has that name.
bool processExists(const std::string& name, bool exactCase = false);

// The id of the first process with that name in the system's list, 0 when none.
std::uint32_t findProcessId(const std::string& name, bool exactCase = false);

// Terminates the process at once (exit code 0 on Windows, SIGKILL on POSIX). False
// when it cannot be terminated, also for id 0 and for a process that has ended.
bool killProcess(std::uint32_t id);
