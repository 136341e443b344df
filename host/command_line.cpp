#include "host/command_line.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  if (commandLine.empty()) return arguments;

  // The program: up to the next quote when it starts with one, else up to white space.
  std::size_t i = 0;
  const std::size_t n = commandLine.size();
  std::string program;
  if (commandLine[0] == '"') {
    for (i = 1; i < n && commandLine[i] != '"'; ++i) program += commandLine[i];
    if (i < n) ++i;  // the closing quote
  } else {
    for (; i < n && !isBlank(commandLine[i]); ++i) program += commandLine[i];
  }
  arguments.push_back(program);

  // The arguments. `quotes` counts the quotes of the current group: 1 inside a group;
  // a third quote in a row gives a literal quote and ends the group, two end it.
  int quotes = 0;
  std::size_t backslashes = 0;
  std::string* current = nullptr;
  while (i < n) {
    const char c = commandLine[i];
    if (isBlank(c) && quotes == 0) {
      current = nullptr;
      backslashes = 0;
      ++i;
      continue;
    }
    if (!current) current = &arguments.emplace_back();
    if (c == '\\') {
      *current += c;
      ++backslashes;
      ++i;
    } else if (c == '"') {
      // 2k backslashes give k and a grouping quote, 2k+1 give k and a literal quote.
      current->resize(current->size() - backslashes / 2);
      if (backslashes % 2 == 0) {
        ++quotes;
      } else {
        current->back() = '"';
      }
      backslashes = 0;
      for (++i; i < n && commandLine[i] == '"'; ++i) {
        if (++quotes == 3) {
          *current += '"';
          quotes = 0;
        }
      }
      if (quotes == 2) quotes = 0;
    } else {
      *current += c;
      backslashes = 0;
      ++i;
    }
  }
  return arguments;
}

std::string quoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) return argument;

  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote itself escaped.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    quoted += c;
    backslashes = 0;
  }
  // Backslashes before the closing quote are doubled so it stays a closing quote.
  quoted.append(2 * backslashes, '\\');
  quoted += '"';
  return quoted;
}
