#include "tests/unit/app_fixture.h"

#include "host/text_rules.h"

std::vector<std::string> AppFixture::logLines() {
  // The log's own lines end in "\r\n"; answers of POSIX tools inside them in "\n".
  return splitText(replaceAll(window.text(ControlId::编辑框_输出), "\r\n", "\n"), "\n");
}

std::vector<std::string> AppFixture::logTexts() {
  std::vector<std::string> texts;
  for (const std::string& line : logLines()) texts.push_back(hasTimeStamp(line) ? line.substr(9) : line);
  return texts;
}

bool hasTimeStamp(const std::string& line) {
  auto digit = [&](std::size_t i) { return line[i] >= '0' && line[i] <= '9'; };
  return line.size() >= 9 && digit(0) && digit(1) && line[2] == ':' && digit(3) && digit(4) && line[5] == ':' &&
         digit(6) && digit(7) && line[8] == ' ';
}
