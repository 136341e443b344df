#include "host/interpreter_quote.h"
#include "host/command_line.h"
#include "host/platform.h"

#include <gtest/gtest.h>

namespace {

TEST(QuoteForCmd, LeavesPlainWordsAndQuotesTheRest) {
  struct Case {
    const char* word;
    const char* quoted;
  };
  const Case cases[] = {
      {"emulator-5554", "emulator-5554"},
      {"192.168.3.250:5555", "192.168.3.250:5555"},
      {"C:\\tools", "C:\\tools"},
      {"", "\"\""},
      {"a b", "\"a b\""},
      {"x&calc", "\"x&calc\""},
      {"(y)", "\"(y)\""},
      {"^x", "\"^x\""},
      {"%PATH%", "\"\"^%\"PATH\"^%\"\""},
      {"\"q\"", "\"\"\\^\"\"q\"\\^\"\"\""},
      {"C:\\Program Files (x86)\\Velmora", "\"C:\\Program Files (x86)\\Velmora\""},
      {"a b\\", "\"a b\\\\\""},
      {"a\\\"b", "\"a\\\\\"\\^\"\"b\""},
  };
  for (const Case& c : cases) EXPECT_EQ(quoteForCmd(c.word), c.quoted) << c.word;
}

// What cmd.exe hands the program for a line without carets inside its own quotes:
// carets outside quotes escape the next character and vanish. Percent expansion is
// not modelled: a variable name holding a quote or a caret is never defined.
std::string afterCmd(const std::string& line) {
  std::string out;
  bool inQuotes = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') inQuotes = !inQuotes;
    if (c == '^' && !inQuotes && i + 1 < line.size()) {
      out += line[++i];
      continue;
    }
    out += c;
  }
  return out;
}

TEST(QuoteForCmd, TheProgramReadsBackTheVeryWord) {
  const char* words[] = {"x&calc", "a|b",    "a b",    "%PATH%",  "\"q\"",  "^x",
                         "(y)",    "a\\\"b", "tail\\", "a b\\\\", "中文 名"};
  for (const char* word : words) {
    const std::vector<std::string> args = splitCommandLine("adb -s " + afterCmd(quoteForCmd(word)) + " shell");
    ASSERT_EQ(args.size(), 4u) << word;
    EXPECT_EQ(args[2], word);
  }
}

TEST(QuoteForSh, LeavesPlainWordsAndQuotesTheRest) {
  EXPECT_EQ(quoteForSh("emulator-5554"), "emulator-5554");
  EXPECT_EQ(quoteForSh("/tmp/run"), "/tmp/run");
  EXPECT_EQ(quoteForSh(""), "''");
  EXPECT_EQ(quoteForSh("a b"), "'a b'");
  EXPECT_EQ(quoteForSh("$(touch x)"), "'$(touch x)'");
  EXPECT_EQ(quoteForSh("it's"), "'it'\\''s'");
}

}  // namespace

namespace {

TEST(InterpreterToolCommand, QuotesTheProgramPathOnlyWhenTheFolderNeedsIt) {
  const std::string sep = kPathSeparator;
  EXPECT_EQ(interpreterToolCommand("run", "adb devices"), "run" + sep + "adb devices");
  EXPECT_EQ(interpreterToolCommand("run dir", "adb devices"),
            quoteForInterpreter("run dir" + sep + "adb") + " devices");
  EXPECT_EQ(interpreterToolCommand("run dir", "adb|more"), quoteForInterpreter("run dir" + sep + "adb") + "|more");
  EXPECT_EQ(interpreterToolCommand("run dir", ""), quoteForInterpreter("run dir" + sep));
}

}  // namespace
