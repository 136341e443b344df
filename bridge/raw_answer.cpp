#include "bridge/raw_answer.h"

#include <algorithm>

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(char a, char b) { return lowerAscii(a) == lowerAscii(b); }

}  // namespace

bool containsIgnoringCase(std::string_view answer, std::string_view word) {
  return std::search(answer.begin(), answer.end(), word.begin(), word.end(), sameIgnoringCase) != answer.end();
}

bool equalsIgnoringCase(std::string_view first, std::string_view second) {
  return std::equal(first.begin(), first.end(), second.begin(), second.end(), sameIgnoringCase);
}

std::string withoutTrailingLineBreaks(std::string_view answer) {
  const std::size_t end = answer.find_last_not_of("\r\n");
  return std::string(end == std::string_view::npos ? std::string_view() : answer.substr(0, end + 1));
}
