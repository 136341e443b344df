// The text rules every part of the program cuts answers by, and the helpers built on
// them.
//
// Texts are std::string holding code page 936 bytes: a byte of 0x80 or more begins a
// two-byte character and the next byte belongs to it. Lengths count bytes; positions
// are 1-based; -1 means not found. A search never matches from the second byte of a
// two-byte character. All functions are pure and safe from any thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

constexpr int kNotFound = -1;

// Position of the first match of `needle` at or after `start` (0 or less mean 1), or
// -1. An empty needle gives 1 when the searched range is not empty.
int findForward(std::string_view text, std::string_view needle, int start = 1, bool ignoreCase = false);

// Position of the last match lying entirely within the first (start - 1) bytes, or
// the whole text when start is omitted (0 or less); -1 when none. An empty needle
// gives 1 when the searched range is not empty.
int findBackward(std::string_view text, std::string_view needle, int start = 0, bool ignoreCase = false);

// Pieces between separators (exact case). Empty pieces count, except after the last
// separator; an empty text gives no piece. An empty separator never occurs, so a
// non-empty text is then one piece.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);

// Every occurrence of `from`, left to right and without overlap, replaced by `to`.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

// The last n bytes (whole text when n >= length, empty when n <= 0).
std::string rightPart(std::string_view text, int n);

// The n bytes that begin at 1-based position p (below 1 counts as 1), cut to the text.
std::string middlePart(std::string_view text, int p, int n);

// The text strictly between the first `startMarker` found from `start` and the first
// `endMarker` after it; empty when either is missing. "#引号" in a marker stands for
// a double quote.
std::string textBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker, int start = 1,
                        bool ignoreCase = false);

// Everything after an occurrence of `marker`: with position 0 the last one in the
// text, with k > 0 the last one within the first (length - k) bytes, with a negative
// position the first one found forward from its absolute value. Empty when none.
std::string textAfterMarker(std::string_view text, std::string_view marker, int position = 0, bool ignoreCase = false);

// Occurrences of `needle`, counted without overlap; letter case ignored unless
// `exactCase`. 0 for an empty text or needle.
int countOccurrences(std::string_view text, std::string_view needle, bool exactCase = false);

// True unless the name splits at "." into exactly two pieces ("a.txt" is a file,
// "Download" and "base.apk.bak" are folders).
bool dotTest(std::string_view name);

// One find/replace pair of replacePairs.
struct ReplacePair {
  std::string_view find;
  std::string_view replacement;
};

// Applies the pairs one after the other from `start` (1 when 0), each replacing every
// occurrence (or the first `count` when count > 0); letter case ignored unless
// `exactCase`. A pair with an empty find text changes nothing.
std::string replacePairs(std::string_view text, const std::vector<ReplacePair>& pairs, int count = 0, int start = 1,
                         bool exactCase = false);

// The non-empty pieces between separators ("," when the separator is empty), at most
// `maxPieces` of them when that is above 0.
std::vector<std::string> splitNonEmpty(std::string_view text, std::string_view separator, int maxPieces = 0);
