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

// The run directory as the start of a command line run by the interpreter: the folder
// (quoted when it needs it) and the separator, ready for a tool name to follow.
std::string interpreterToolPrefix(const std::string& runDirectory);
