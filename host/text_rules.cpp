#include "host/text_rules.h"

#include <algorithm>
#include <climits>

namespace {

bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

char foldAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Bytes from a candidate start to the next candidate: a two-byte character is stepped
// over whole, so no match begins on its second byte.
size_t characterWidth(char first) { return isLeadByte(first) ? 2 : 1; }

// Whether `needle` matches `text` at the 0-based `offset` (the caller leaves room).
// Case is folded only for the needle's single-byte characters: the second byte of a
// two-byte character may look like an ASCII letter but is compared exactly.
bool matchesAt(std::string_view text, size_t offset, std::string_view needle, bool ignoreCase) {
  bool trailByte = false;
  for (size_t i = 0; i < needle.size(); ++i) {
    const char wanted = needle[i];
    const char found = text[offset + i];
    const bool fold = ignoreCase && !trailByte;
    if (fold ? foldAsciiLetter(wanted) != foldAsciiLetter(found) : wanted != found) return false;
    trailByte = !trailByte && isLeadByte(wanted);
  }
  return true;
}

// Replaces the occurrences of `from` found at or after the 1-based `start`, left to
// right without overlap; only the first `maxCount` of them when that is above 0.
std::string replaceOccurrences(std::string_view text, std::string_view from, std::string_view to, int start,
                               int maxCount, bool ignoreCase) {
  if (from.empty()) return std::string(text);
  std::string result;
  size_t copied = 0;
  int replaced = 0;
  int found = findForward(text, from, start, ignoreCase);
  while (found != kNotFound && (maxCount <= 0 || replaced < maxCount)) {
    const size_t matchBegin = static_cast<size_t>(found - 1);
    result.append(text.substr(copied, matchBegin - copied)).append(to);
    copied = matchBegin + from.size();
    ++replaced;
    found = findForward(text, from, static_cast<int>(copied + 1), ignoreCase);
  }
  result.append(text.substr(copied));
  return result;
}

}  // namespace

int findForward(std::string_view text, std::string_view needle, int start, bool ignoreCase) {
  const size_t from = start <= 1 ? 0 : static_cast<size_t>(start - 1);
  if (from >= text.size()) return kNotFound;
  if (needle.empty()) return 1;
  for (size_t i = from; i + needle.size() <= text.size(); i += characterWidth(text[i])) {
    if (matchesAt(text, i, needle, ignoreCase)) return static_cast<int>(i + 1);
  }
  return kNotFound;
}

int findBackward(std::string_view text, std::string_view needle, int start, bool ignoreCase) {
  const size_t limit = start <= 0 ? text.size() : std::min(static_cast<size_t>(start - 1), text.size());
  if (limit == 0) return kNotFound;
  if (needle.empty()) return 1;
  // Candidates are walked from the front: only there are the character boundaries known.
  int last = kNotFound;
  for (size_t i = 0; i + needle.size() <= limit; i += characterWidth(text[i])) {
    if (matchesAt(text, i, needle, ignoreCase)) last = static_cast<int>(i + 1);
  }
  return last;
}

std::vector<std::string> splitText(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  size_t from = 0;
  while (!separator.empty() && from < text.size()) {
    const int found = findForward(text, separator, static_cast<int>(from + 1));
    if (found == kNotFound) break;
    const size_t pieceEnd = static_cast<size_t>(found - 1);
    pieces.emplace_back(text.substr(from, pieceEnd - from));
    from = pieceEnd + separator.size();
  }
  if (from < text.size()) pieces.emplace_back(text.substr(from));
  return pieces;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  return replaceOccurrences(text, from, to, 1, 0, false);
}

std::string rightPart(std::string_view text, int n) {
  if (n <= 0) return {};
  const size_t count = std::min(static_cast<size_t>(n), text.size());
  return std::string(text.substr(text.size() - count));
}

std::string middlePart(std::string_view text, int p, int n) {
  const size_t from = p <= 1 ? 0 : static_cast<size_t>(p - 1);
  if (n <= 0 || from >= text.size()) return {};
  return std::string(text.substr(from, static_cast<size_t>(n)));
}

std::string textBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker, int start,
                        bool ignoreCase) {
  const std::string startText = replaceAll(startMarker, "#引号", "\"");
  const std::string endText = replaceAll(endMarker, "#引号", "\"");
  const int startFound = findForward(text, startText, start, ignoreCase);
  if (startFound == kNotFound) return {};
  const int between = startFound + static_cast<int>(startText.size());
  const int endFound = findForward(text, endText, between, ignoreCase);
  if (endFound == kNotFound) return {};
  return middlePart(text, between, endFound - between);
}

std::string textAfterMarker(std::string_view text, std::string_view marker, int position, bool ignoreCase) {
  const int length = static_cast<int>(text.size());
  int found = kNotFound;
  if (position < 0) {
    found = findForward(text, marker, position == INT_MIN ? INT_MAX : -position, ignoreCase);
  } else {
    const int searchedBytes = length - position;
    if (searchedBytes > 0) found = findBackward(text, marker, searchedBytes + 1, ignoreCase);
  }
  if (found == kNotFound) return {};
  return rightPart(text, length - static_cast<int>(marker.size()) - found + 1);
}

int countOccurrences(std::string_view text, std::string_view needle, bool exactCase) {
  if (text.empty() || needle.empty()) return 0;
  int count = 0;
  for (int found = findForward(text, needle, 1, !exactCase); found != kNotFound;
       found = findForward(text, needle, found + static_cast<int>(needle.size()), !exactCase)) {
    ++count;
  }
  return count;
}

bool dotTest(std::string_view name) { return splitText(name, ".").size() != 2; }

std::string replacePairs(std::string_view text, const std::vector<ReplacePair>& pairs, int count, int start,
                         bool exactCase) {
  std::string result(text);
  for (const ReplacePair& pair : pairs) {
    result = replaceOccurrences(result, pair.find, pair.replacement, start, count, !exactCase);
  }
  return result;
}

std::vector<std::string> splitNonEmpty(std::string_view text, std::string_view separator, int maxPieces) {
  std::vector<std::string> kept;
  for (std::string& piece : splitText(text, separator.empty() ? "," : separator)) {
    if (maxPieces > 0 && kept.size() == static_cast<size_t>(maxPieces)) break;
    if (!piece.empty()) kept.push_back(std::move(piece));
  }
  return kept;
}
