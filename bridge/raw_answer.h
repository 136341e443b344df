// Reading adb's answers as it printed them (UTF-8), before any conversion.
//
// In UTF-8 an ASCII byte is always a character of its own, never part of another, so
// a plain byte search for ASCII words is exact on a raw answer (the code page 936
// rules of text_rules.h are for converted texts). Pure, safe from any thread.
#pragma once

#include <string>
#include <string_view>

// True when the ASCII word occurs in the answer, ASCII letters compared without case.
bool containsIgnoringCase(std::string_view answer, std::string_view word);

// True when both are the same, ASCII letters compared without case.
bool equalsIgnoringCase(std::string_view first, std::string_view second);

// The answer without the "\r" and "\n" bytes at its end.
std::string withoutTrailingLineBreaks(std::string_view answer);
