#include "host/command_line.h"

#include <gtest/gtest.h>

#include "tests/unit/command_line_cases.h"

namespace {

TEST(SplitCommandLine, FollowsTheWindowsRules) {
  for (const CommandLineCase& c : kCommandLineCases) {
    EXPECT_EQ(splitCommandLine(c.line), c.arguments) << c.line;
  }
  EXPECT_TRUE(splitCommandLine("").empty());
}

TEST(QuoteArgument, QuotesOnlyWhatNeedsIt) {
  const struct {
    std::string argument, quoted;
  } cases[] = {
      {"devices", "devices"},
      {R"(C:\x\a.apk)", R"(C:\x\a.apk)"},
      {"", R"("")"},
      {"a b", R"("a b")"},
      {"a\tb", "\"a\tb\""},
      {R"(a"b)", R"("a\"b")"},
      {R"(a\"b)", R"("a\\\"b")"},
      {R"(C:\a b\)", R"("C:\a b\\")"},
      {R"(a\\b c)", R"("a\\b c")"},
  };
  for (const auto& c : cases) EXPECT_EQ(quoteArgument(c.argument), c.quoted) << c.argument;
}

TEST(QuoteArgument, EveryArgumentReadsBackUnchanged) {
  const std::vector<std::string> arguments = {
      "",        " ",    "a b",      "\"",        "\\",          "\\\\\"",         "a\\",
      "a b\\\\", "\"\"", "x\"\"y z", "tab\there", "中文 目录\\", "'quoted' for sh"};
  std::string line = "prog";
  for (const std::string& argument : arguments) line.append(" ").append(quoteArgument(argument));
  std::vector<std::string> expected = {"prog"};
  expected.insert(expected.end(), arguments.begin(), arguments.end());
  EXPECT_EQ(splitCommandLine(line), expected) << line;
}

}  // namespace
