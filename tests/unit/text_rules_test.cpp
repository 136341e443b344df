#include "host/text_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A two-byte character whose second byte is 0x41, the letter "A".
const std::string kTrailA = "\x81\x41";

struct SearchCase {
  std::string text;
  std::string needle;
  int start;
  bool ignoreCase;
  int expected;
};

TEST(FindForward, FollowsTheSearchRule) {
  const std::vector<SearchCase> cases = {
      {"abcabc", "bc", 1, false, 2},
      {"abcabc", "bc", 3, false, 5},
      {"abcabc", "bc", 0, false, 2},    // 0 means 1
      {"abcabc", "bc", -7, false, 2},   // so does a negative start
      {"abcabc", "bc", 6, false, -1},   // the match must lie inside the text
      {"abcabc", "bc", 99, false, -1},  // start beyond the text
      {"abc", "abcd", 1, false, -1},
      {"", "a", 1, false, -1},
      {"abc", "", 1, false, 1},  // empty needle, range not empty
      {"abc", "", 3, false, 1},
      {"abc", "", 4, false, -1},  // empty needle, range empty
      {"", "", 1, false, -1},
      {"ABab", "ab", 1, false, 3},
      {"ABab", "ab", 1, true, 1},
      {"x[Y", "[y", 1, true, 2},     // only letters fold
      {"@", "`", 1, true, -1},       // "@" and "`" are not a letter pair
      {kTrailA, "A", 1, false, -1},  // never from a second byte
      {kTrailA + "A", "A", 1, false, 3},
      {kTrailA, "a", 1, true, -1},
      {"\x81\x61", kTrailA, 1, true, -1},  // a second byte is compared exactly
      {"中文中文", "文", 1, false, 3},
      {"中文中文", "文", 5, false, 7},
      {"a中文", "中文", 1, true, 2},
  };
  for (const SearchCase& c : cases) {
    EXPECT_EQ(findForward(c.text, c.needle, c.start, c.ignoreCase), c.expected)
        << "text \"" << c.text << "\" needle \"" << c.needle << "\" start " << c.start;
  }
}

TEST(FindBackward, FindsTheLastMatchWithinTheFirstBytes) {
  const std::vector<SearchCase> cases = {
      {"abab", "ab", 0, false, 3},   // whole text
      {"abab", "ab", -2, false, 3},  // 0 or less: whole text
      {"abab", "ab", 5, false, 3},   // first 4 bytes
      {"abab", "ab", 4, false, 1},   // first 3 bytes: the second "ab" sticks out
      {"abab", "ab", 3, false, 1},
      {"abab", "ab", 2, false, -1},
      {"abab", "ab", 1, false, -1},  // nothing searched
      {"abab", "ab", 50, false, 3},
      {"abAB", "ab", 0, true, 3},
      {"abAB", "ab", 0, false, 1},
      {"A" + kTrailA, "A", 0, false, 1},  // the 0x41 inside the character does not count
      {"abc", "", 0, false, 1},
      {"", "", 0, false, -1},
      {"中=>文=>", "=>", 0, false, 7},
  };
  for (const SearchCase& c : cases) {
    EXPECT_EQ(findBackward(c.text, c.needle, c.start, c.ignoreCase), c.expected)
        << "text \"" << c.text << "\" needle \"" << c.needle << "\" start " << c.start;
  }
}

struct SplitCase {
  std::string text;
  std::string separator;
  std::vector<std::string> expected;
};

TEST(SplitText, KeepsInnerEmptyPiecesButNotATrailingOne) {
  const std::vector<SplitCase> cases = {
      {"a,b", ",", {"a", "b"}},
      {"a,b,", ",", {"a", "b"}},
      {",a", ",", {"", "a"}},
      {"a,,b", ",", {"a", "", "b"}},
      {",", ",", {""}},
      {"", ",", {}},
      {"abc", ",", {"abc"}},
      {"abc", "", {"abc"}},
      {"A\r\nB\r\n\r\n", "\r\n", {"A", "B", ""}},
      {kTrailA + "xAy", "A", {kTrailA + "x", "y"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(splitText(c.text, c.separator), c.expected) << "text \"" << c.text << "\"";
  }
}

TEST(SplitNonEmpty, DropsEmptyPiecesAndDefaultsToComma) {
  const std::vector<SplitCase> cases = {
      {"\r\nA\r\n\r\nB\r\n", "\r\n", {"A", "B"}},
      {"a,,b,", "", {"a", "b"}},
      {"", "\r\n", {}},
      {"\r\n\r\n", "\r\n", {}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(splitNonEmpty(c.text, c.separator), c.expected) << "text \"" << c.text << "\"";
  }
  EXPECT_EQ(splitNonEmpty(",a,,b,c", ",", 2), (std::vector<std::string>{"a", "b"}));
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlap) {
  EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replaceAll("a-b-c", "-", "=>"), "a=>b=>c");
  EXPECT_EQ(replaceAll("aAa", "a", ""), "A");
  EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(replaceAll(kTrailA + "A", "A", "B"), kTrailA + "B");
}

TEST(TextParts, RightAndMiddlePartsAreCutToTheText) {
  EXPECT_EQ(rightPart("abcdef", 2), "ef");
  EXPECT_EQ(rightPart("abc", 3), "abc");
  EXPECT_EQ(rightPart("abc", 10), "abc");
  EXPECT_EQ(rightPart("abc", 0), "");
  EXPECT_EQ(rightPart("abc", -1), "");
  EXPECT_EQ(middlePart("abcdef", 2, 3), "bcd");
  EXPECT_EQ(middlePart("abcdef", 5, 10), "ef");
  EXPECT_EQ(middlePart("abcdef", 7, 1), "");
  EXPECT_EQ(middlePart("abcdef", 0, 2), "ab");
  EXPECT_EQ(middlePart("abcdef", 2, 0), "");
}

struct BetweenCase {
  std::string text;
  std::string startMarker;
  std::string endMarker;
  int start;
  bool ignoreCase;
  std::string expected;
};

TEST(TextBetween, CutsBetweenTheFirstStartMarkerAndTheEndMarkerAfterIt) {
  const std::string devices =
      "* daemon started successfully\r\nList of devices attached\r\nA\tdevice\r\nB\tdevice\r\n\r\n";
  const std::vector<BetweenCase> cases = {
      {"package: name='com.example.app' versionCode='1'", "package: name='", "'", 1, false, "com.example.app"},
      {devices, "List of devices attached\r\n", "\r\n\r\n", 1, false, "A\tdevice\r\nB\tdevice"},
      {"List of devices attached\r\n\r\n", "List of devices attached\r\n", "\r\n\r\n", 1, false, ""},
      {"x\"a\"bc\"d", "#引号a#引号", "#引号", 1, false, "bc"},
      {"end<start", "start", "end", 1, false, ""},  // end marker only before the start marker
      {"<a>", "<", ">", 1, false, "a"},
      {"<>", "<", ">", 1, false, ""},
      {"no markers", "<", ">", 1, false, ""},
      {"<a><b>", "<", ">", 2, false, "b"},
      {"KEY=v;", "key=", ";", 1, true, "v"},
      {"KEY=v;", "key=", ";", 1, false, ""},
      {"名称：中文。", "名称：", "。", 1, false, "中文"},
  };
  for (const BetweenCase& c : cases) {
    EXPECT_EQ(textBetween(c.text, c.startMarker, c.endMarker, c.start, c.ignoreCase), c.expected)
        << "text \"" << c.text << "\"";
  }
}

struct AfterMarkerCase {
  std::string text;
  int position;
  std::string expected;
};

TEST(TextAfterMarker, TakesTheTextAfterTheChosenOccurrence) {
  const std::vector<AfterMarkerCase> cases = {
      {"Pixel=>emulator-5554", 0, "emulator-5554"},
      {"a=>b=>c", 0, "c"},
      {"no marker", 0, ""},
      {"abc=>", 0, ""},
      {"", 0, ""},
      {"a=>b=>c", 1, "c"},     // the last within the first 6 bytes
      {"a=>b=>c", 2, "b=>c"},  // within the first 5 bytes the second "=>" sticks out
      {"a=>b=>c", 7, ""},      // nothing left to search
      {"a=>b=>c", 100, ""},
      {"a=>b=>c", -1, "b=>c"},  // forward from position 1
      {"a=>b=>c", -2, "b=>c"},
      {"a=>b=>c", -3, "c"},
      {"a=>b=>c", -7, ""},
      {"设备\r\n=>序列号", 0, "序列号"},
  };
  for (const AfterMarkerCase& c : cases) {
    EXPECT_EQ(textAfterMarker(c.text, "=>", c.position), c.expected)
        << "text \"" << c.text << "\" position " << c.position;
  }
  EXPECT_EQ(textAfterMarker("aXbxc", "x", 0, true), "c");
  EXPECT_EQ(textAfterMarker("aXbxc", "X", 0, false), "bxc");
}

TEST(CountOccurrences, CountsWithoutOverlapIgnoringCaseByDefault) {
  EXPECT_EQ(countOccurrences("a?b?", "?"), 2);
  EXPECT_EQ(countOccurrences("ABab", "ab"), 2);
  EXPECT_EQ(countOccurrences("ABab", "ab", true), 1);
  EXPECT_EQ(countOccurrences("???", "??"), 1);
  EXPECT_EQ(countOccurrences("", "?"), 0);
  EXPECT_EQ(countOccurrences("abc", ""), 0);
  EXPECT_EQ(countOccurrences(kTrailA + "A" + kTrailA, "A"), 1);
  EXPECT_EQ(countOccurrences("中文中文", "文"), 2);
}

TEST(DotTest, IsFalseOnlyForExactlyTwoPieces) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"a.txt", false}, {"Download", true}, {"base.apk.bak", true}, {".nomedia", false}, {"name.", true},
      {"", true},       {".", true},        {"中文.txt", false},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(dotTest(name), expected) << "name \"" << name << "\"";
}

TEST(ReplacePairs, AppliesThePairsOneAfterTheOther) {
  EXPECT_EQ(replacePairs("A\tdevice\r\nB\tDEVICE\r\nC\toffline\r\n", {{"\tdevice", ""}}), "A\r\nB\r\nC\toffline\r\n");
  EXPECT_EQ(replacePairs("abc", {{"a", "b"}, {"b", "c"}}), "ccc");  // the second pair sees the first's result
  EXPECT_EQ(replacePairs("aAaA", {{"a", "x"}}, 0, 1, true), "xAxA");
  EXPECT_EQ(replacePairs("aaaa", {{"a", "x"}}, 2), "xxaa");
  EXPECT_EQ(replacePairs("aaaa", {{"a", "x"}}, 0, 3), "aaxx");
  EXPECT_EQ(replacePairs("aaaa", {{"a", "x"}}, 1, 2), "axaa");
  EXPECT_EQ(replacePairs("abc", {{"", "x"}, {"c", "d"}}), "abd");
  EXPECT_EQ(replacePairs("abc", {}), "abc");
}

}  // namespace
