// Facts of the platform the program runs on, defined once per platform in
// platform_win32.cpp and platform_posix.cpp, so portable code stays free of #ifdef.
#pragma once

#include <string>

// Separator between a folder and a name: "\\" on Windows, "/" on POSIX.
extern const char kPathSeparator[];

// The line break the outside tools print through a pipe: adb.exe writes its pipes in
// text mode ("\r\n"); the POSIX tools print "\n".
extern const char kToolLineBreak[];

// The interpreter prefix runCommand puts before a command line, for the record:
// "cmd.exe /c " on Windows, "/bin/sh -c " on POSIX.
extern const char kInterpreterPrefix[];

// The folder of the running executable, without a trailing separator, in code page 936.
std::string executableDirectory();

// Makes a folder the process's current directory; false when it cannot.
bool setCurrentDirectory(const std::string& folder);

// The current user's desktop folder (a file-system folder), without any trailing
// separator added; empty when the platform has none.
std::string desktopFolder();
