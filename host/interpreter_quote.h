// Writing a word into a command line that the command interpreter runs, so that the
// interpreter and then the program read back exactly that word, with nothing run or
// expanded: a run directory with spaces or parentheses, a device serial, a path.
//
// Both interpreters' rules are portable functions, so each is tested on every
// platform; quoteForInterpreter picks this platform's. Pure, safe from any thread.
#pragma once

#include <string>
#include <string_view>

// cmd.exe followed by a program reading its arguments by the C runtime's rules. A word
// without white space or characters cmd treats specially comes back unchanged.
// Otherwise it is put in double quotes; a double quote inside is written \^" outside
// cmd's quotes, a percent sign ^% outside them (so no variable is expanded), and
// backslashes before a quote or the closing quote are doubled.
std::string quoteForCmd(std::string_view word);

// /bin/sh: unchanged when made only of characters sh reads literally, otherwise in
// single quotes with each ' written '\''.
std::string quoteForSh(std::string_view word);

// This platform's interpreter: quoteForCmd on Windows, quoteForSh on POSIX.
std::string quoteForInterpreter(std::string_view word);

// False when quoting cannot be trusted to keep the word whole on every interpreter of
// this platform: on Windows a word holding '"' or '%' (Wine's cmd, unlike Windows',
// takes no caret escape for them, so a quote in the word can end the quoting). Such a
// word must not be written into an interpreter's command line at all.
bool quotableForInterpreter(std::string_view word);

// A command typed for the run directory ("adb devices") as the interpreter runs it:
// the run directory, the separator and the command. When the folder needs quoting
// (spaces, parentheses), the quotes take in the command's first word too, so the
// program reads its own path whole as its first argument: "C:\a b\adb" devices.
std::string interpreterToolCommand(const std::string& runDirectory, const std::string& command);
