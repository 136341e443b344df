// Command lines and the arguments Windows programs read from them, shared by the
// portable test and the one that asks CommandLineToArgvW itself.
#pragma once

#include <string>
#include <vector>

struct CommandLineCase {
  const char* line;
  std::vector<std::string> arguments;
};

inline const std::vector<CommandLineCase> kCommandLineCases = {
    {R"(adb devices)", {"adb", "devices"}},
    {"adb\t-s  R58M \t shell  ", {"adb", "-s", "R58M", "shell"}},
    {R"(  adb devices)", {"", "adb", "devices"}},
    {R"("C:\Program Files\adb.exe" devices)", {R"(C:\Program Files\adb.exe)", "devices"}},
    {R"("C:\tools\"x y)", {R"(C:\tools\)", "x", "y"}},
    {R"("a b"c d)", {"a b", "c", "d"}},
    {R"(C:\x\adb.exe a\b a\\b)", {R"(C:\x\adb.exe)", R"(a\b)", R"(a\\b)"}},
    {R"(p "a\"b")", {"p", R"(a"b)"}},
    {R"(p a\\"b c")", {"p", R"(a\b c)"}},
    {R"(p a\\\"b)", {"p", R"(a\"b)"}},
    {R"(p a\\\\"b")", {"p", R"(a\\b)"}},
    {R"(p "a\\" b)", {"p", R"(a\)", "b"}},
    {R"(p "" x)", {"p", "", "x"}},
    {R"(p "a""b c")", {"p", R"(a"b)", "c"}},
    {R"(p """")", {"p", R"(")"}},
    {R"(p """""" x)", {"p", R"("")", "x"}},
    {R"(p a"b c"d e)", {"p", "ab cd", "e"}},
    {R"(p "a b)", {"p", "a b"}},
    {R"(p shell ls "/sdcard/a b/")", {"p", "shell", "ls", "/sdcard/a b/"}},
};
