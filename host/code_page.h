// Conversions between the tools' UTF-8, UTF-16 and the program's code page 936.
//
// Every text the program shows, sends or compares is code page 936; adb prints UTF-8.
// The conversions name their code page explicitly, so the result never depends on the
// system's ANSI code page (a Windows whose ANSI page is 1252 still shows Chinese).
// All functions are pure and safe to call from any thread.
#pragma once

#include <string>

enum class CodePage { Utf8, Gbk936 };

// The text read in the given code page (UTF-8 unless told), as UTF-16. Invalid UTF-8
// becomes one U+FFFD per maximal invalid subpart, as on Windows; invalid code page 936
// becomes "?". The call never fails.
std::u16string textToUtf16(const std::string& text, CodePage from = CodePage::Utf8);

// The UTF-16 text written in the given code page (936 unless told). Characters the
// code page cannot represent become its default character "?".
std::string utf16ToText(const std::u16string& text, CodePage to = CodePage::Gbk936);

// The same characters read as UTF-8 and written in code page 936: what every caller
// does to an adb answer before showing it. Pure ASCII comes back unchanged. The text
// ends at its first zero byte, as every text of the program does.
std::string decodeOutput(const std::string& utf8Text);
