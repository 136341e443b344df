// The code page 936 half of the conversions, defined once per platform
// (code_page_win32.cpp, code_page_posix.cpp) with identical results: byte pairs
// Windows' table maps both ways, 0x80 <-> U+20AC, 0xFF <-> U+F8F5 and the private-use
// characters U+E000..U+E864.
#pragma once

#include <string>
#include <string_view>

// Code page 936 bytes as UTF-16. A byte pair the table lacks, and a lead byte at the
// end or before a zero byte, become "?".
std::u16string gbk936ToUtf16(std::string_view text);

// UTF-16 as code page 936 bytes; every UTF-16 unit the code page lacks (each half of
// a surrogate pair included) becomes "?". No best-fit look-alikes.
std::string utf16ToGbk936(std::u16string_view text);
