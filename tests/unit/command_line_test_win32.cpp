#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "host/command_line.h"
#include "tests/unit/command_line_cases.h"

namespace {

// The arguments as Windows itself splits the (ASCII) line.
std::vector<std::string> windowsSplit(const std::string& line) {
  const std::wstring wide(line.begin(), line.end());
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(wide.c_str(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    const std::wstring word = words[i];
    arguments.emplace_back(word.begin(), word.end());
  }
  LocalFree(words);
  return arguments;
}

TEST(SplitCommandLine, AgreesWithCommandLineToArgvW) {
  for (const CommandLineCase& c : kCommandLineCases)
    EXPECT_EQ(splitCommandLine(c.line), windowsSplit(c.line)) << c.line;
}

}  // namespace
