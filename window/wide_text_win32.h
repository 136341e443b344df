// Texts crossing into Windows: the program's code page 936 text as UTF-16 and back,
// converted explicitly so the system's ANSI code page never matters.
#pragma once

#include "host/code_page.h"

#include <string>

inline std::wstring toWide(const std::string& text) {
  const std::u16string utf16 = textToUtf16(text, CodePage::Gbk936);
  return std::wstring(utf16.begin(), utf16.end());
}

inline std::string fromWide(const std::wstring& text) {
  return utf16ToText(std::u16string(text.begin(), text.end()), CodePage::Gbk936);
}
