// The few platform facts the fake tool and its test helpers need, defined once per
// platform in fake_platform_posix.cpp and fake_platform_win32.cpp. Dependency-free,
// so the fake tool links nothing of the program.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

// How the name of a program file ends: ".exe" on Windows, "" on POSIX.
extern const char kExecutableSuffix[];

// What a tool writes for "\n" through a pipe: "\r\n" on Windows (text-mode pipes, as
// adb.exe writes them), "\n" on POSIX.
extern const char kPipeLineBreak[];

// The running program's own file.
std::filesystem::path ownExecutablePath();

// The program's arguments after its name, as the caller composed them: on POSIX the
// bytes of argv; on Windows the command line split by CommandLineToArgvW and written
// in code page 936 (the program's own text), so both platforms record the same bytes.
std::vector<std::string> ownArguments(int argc, char** argv);

// The command line exactly as the process received it, in UTF-8; empty on POSIX,
// where a process receives only its argument vector.
std::string ownRawCommandLine();

// A path as the program writes it in a command line (code page 936 on Windows).
std::string pathText(const std::filesystem::path& path);

// Writes all bytes to standard output (stream 1) or standard error (stream 2),
// unbuffered and untranslated; false once the stream is gone.
bool writeStandardStream(int stream, const char* bytes, std::size_t count);
