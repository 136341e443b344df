// The console runner: the one place where command lines are started and their
// printed output captured.
//
// Both runners block the calling thread until the capture ends and return the bytes
// exactly as the tool printed them (no conversion; see code_page.h). Calls on
// different threads share nothing and may run at the same time. A tool that cannot
// start yields empty text; nothing is ever reported to the user from here.
#pragma once

#include <functional>
#include <string>

// Receives one chunk of output; a non-zero result stops the capture (the chunk is
// then not kept and the tool goes on running).
using ChunkCallback = std::function<int(const std::string& chunk)>;

// Runs the command line through the command interpreter ("cmd.exe /c " on Windows,
// "/bin/sh -c " on POSIX) with standard output and standard error in one pipe, and
// returns what arrived. A chunk's text ends at its first zero byte. The pipe is read
// until empty on every poll, the interpreter's exit is checked only on a poll that
// found nothing, and between polls the caller's window messages keep flowing, so the
// window's thread may call it. The process is never terminated by the runner.
std::string runCommand(const std::string& commandLine, const ChunkCallback& callback = nullptr,
                       bool useCallback = false);

// What runCommand captures, but the program is started directly, without an
// interpreter: for command lines that carry text from a device (a serial), so that no
// character of it can make the interpreter run anything. Arguments are written with
// quoteArgument (command_line.h).
std::string runDirect(const std::string& commandLine);

// Runs the command line directly, without an interpreter (on POSIX it is split into
// arguments by the Windows rules, see command_line.h), hidden, waits for its end and
// returns its standard output only; standard error is read and thrown away.
std::string runConsoleProgram(const std::string& commandLine);

// On Windows: when keyboard or mouse input waits in the calling thread's queue,
// dispatches every waiting message of that thread. On POSIX: nothing to dispatch.
void pumpPendingMessages();

// Returns true after `milliseconds` have passed, dispatching the calling thread's
// window messages whenever they arrive (a plain sleep on POSIX and on workers).
bool waitPumping(int milliseconds);
