// Command lines as Windows programs read them.
//
// The program composes every tool command as one command line, the way Windows
// passes it to a program. These functions are portable, so the Windows rules are
// tested on every platform and the POSIX build can start a program directly from the
// same command line. Pure and safe from any thread.
#pragma once

#include <string>
#include <vector>

// Splits a command line into arguments by the rules of the Microsoft C runtime
// (CommandLineToArgvW): white space separates, double quotes group, 2n backslashes
// before a quote give n backslashes and a quote that groups, 2n+1 give n and a
// literal quote, a quote right after a group's closing quote is literal (the group
// stays closed); the first argument (the program) ends at the first white space, or
// at the closing quote when it starts with one, and takes no escapes.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// One argument written so that splitCommandLine (and every Windows program) reads it
// back unchanged: returned as is when it holds no white space or quote and is not
// empty, otherwise in double quotes with backslashes and quotes escaped.
std::string quoteArgument(const std::string& argument);
