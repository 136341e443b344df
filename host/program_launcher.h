// Starting an interactive program for the user: a command prompt in the run
// directory. The program is started with its window shown and is not waited for; a
// program that cannot start is not reported. Window's thread.
#pragma once

#include <string>

// "cmd /k cd /d" immediately followed by the run directory and "\\" (no space after
// "/d": cd takes the rest of the line as the folder, spaces included).
std::string commandPromptLine(const std::string& runDirectory);

// Windows: runs commandPromptLine in a new console window, shown normally, waiting at
// most one second for it to become ready for input. POSIX: starts the terminal named
// by $TERMINAL, else x-terminal-emulator, detached, in the run directory; nothing
// happens when there is none.
void openCommandPrompt(const std::string& runDirectory);
