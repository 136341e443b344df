#include "host/interpreter_quote.h"

#include "host/platform.h"

namespace {

bool isCmdSpecial(char c) {
  switch (c) {
    case ' ':
    case '\t':
    case '&':
    case '|':
    case '<':
    case '>':
    case '(':
    case ')':
    case '^':
    case '"':
    case '%':
    case '!':
    case ',':
    case ';':
    case '=':
      return true;
    default:
      return false;
  }
}

bool isShLiteral(unsigned char c) {
  if (c >= 0x80) return true;  // the bytes of a code page 936 character
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case '_':
    case '@':
    case '%':
    case '+':
    case '=':
    case ':':
    case ',':
    case '.':
    case '/':
    case '-':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string quoteForCmd(std::string_view word) {
  bool plain = !word.empty();
  for (char c : word) plain = plain && !isCmdSpecial(c);
  if (plain) return std::string(word);

  // Inside cmd's quotes everything but '%' and '"' is literal; those two are written
  // between a closing and a reopening quote, escaped with a caret. The C runtime then
  // joins the quoted pieces into one argument.
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : word) {
    if (c == '\\') {
      ++backslashes;
      quoted += c;
      continue;
    }
    if (c == '"' || c == '%') {
      // Close the quotes (the backslashes before a closing quote are doubled), write
      // the character escaped for cmd (a quote also escaped for the C runtime), reopen.
      quoted.append(backslashes, '\\');
      quoted += c == '"' ? "\"\\^\"\"" : "\"^%\"";
    } else {
      quoted += c;
    }
    backslashes = 0;
  }
  quoted.append(backslashes, '\\');  // backslashes before the closing quote are doubled
  quoted += '"';
  return quoted;
}

std::string quoteForSh(std::string_view word) {
  bool plain = !word.empty();
  for (char c : word) plain = plain && isShLiteral(static_cast<unsigned char>(c));
  if (plain) return std::string(word);
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string interpreterToolCommand(const std::string& runDirectory, const std::string& command) {
  const std::string program = runDirectory + kPathSeparator;
  if (quoteForInterpreter(runDirectory) == runDirectory) return program + command;
  // The first word ends where the interpreter would see anything but a plain character.
  std::size_t wordEnd = 0;
  while (wordEnd < command.size() && quoteForInterpreter(command.substr(wordEnd, 1)) == command.substr(wordEnd, 1))
    ++wordEnd;
  return quoteForInterpreter(program + command.substr(0, wordEnd)) + command.substr(wordEnd);
}
