#include "tests/fake_tool/scenario.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>
#include <thread>

#include "tests/fake_tool/fake_platform.h"

namespace fs = std::filesystem;

namespace {

// C escapes, so that every text fits on one line and a quote or tab never appears raw.
std::string escape(const std::string& bytes) {
  static const char kHex[] = "0123456789abcdef";
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      text += '\\';
      text += c;
    } else if (c == '\n') {
      text += "\\n";
    } else if (c == '\r') {
      text += "\\r";
    } else if (c == '\t') {
      text += "\\t";
    } else if (byte < 0x20 || byte > 0x7e) {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 15];
    } else {
      text += c;
    }
  }
  return text;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

std::string unescape(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    const char c = text[++i];
    if (c == 'n') {
      bytes += '\n';
    } else if (c == 'r') {
      bytes += '\r';
    } else if (c == 't') {
      bytes += '\t';
    } else if (c == 'x' && i + 2 < text.size()) {
      bytes += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
      i += 2;
    } else {
      bytes += c;
    }
  }
  return bytes;
}

// "*" matches any run of characters, every other character itself.
bool wildcardMatch(const std::string& pattern, const std::string& text) {
  std::size_t p = 0, t = 0, starAt = std::string::npos, starText = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      starText = t;
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p;
      ++t;
    } else if (starAt != std::string::npos) {
      p = starAt + 1;
      t = ++starText;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string readWholeFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void writeWholeFile(const fs::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

// The text after the first `fields` space-separated fields of a line.
std::string restAfterFields(const std::string& line, int fields) {
  std::size_t at = 0;
  for (int i = 0; i < fields && at != std::string::npos; ++i) {
    at = line.find(' ', at);
    if (at != std::string::npos) ++at;
  }
  return at == std::string::npos ? std::string() : line.substr(at);
}

FakeStep writeStep(int stream, bool translate, const std::string& bytes) {
  FakeStep step;
  step.stream = stream;
  step.translateLineBreaks = translate;
  step.bytes = bytes;
  return step;
}

FakeStep repeatStep(int stream, std::size_t count, char fill) {
  FakeStep step;
  step.kind = FakeStep::Kind::Repeat;
  step.stream = stream;
  step.bytes = std::string(1, fill);
  step.count = count;
  return step;
}

}  // namespace

FakeRule& FakeRule::add(FakeStep step) {
  steps_.push_back(std::move(step));
  return *this;
}

FakeRule& FakeRule::out(const std::string& text) { return add(writeStep(1, true, text)); }
FakeRule& FakeRule::err(const std::string& text) { return add(writeStep(2, true, text)); }
FakeRule& FakeRule::rawOut(const std::string& bytes) { return add(writeStep(1, false, bytes)); }
FakeRule& FakeRule::rawErr(const std::string& bytes) { return add(writeStep(2, false, bytes)); }

FakeRule& FakeRule::repeatOut(std::size_t count, char fill) { return add(repeatStep(1, count, fill)); }
FakeRule& FakeRule::repeatErr(std::size_t count, char fill) { return add(repeatStep(2, count, fill)); }

FakeRule& FakeRule::sleepMs(int milliseconds) {
  FakeStep step;
  step.kind = FakeStep::Kind::Sleep;
  step.milliseconds = milliseconds;
  return add(step);
}

FakeRule& FakeRule::delayMs(int milliseconds) {
  delay_ = milliseconds;
  return *this;
}

FakeRule& FakeRule::exitCode(int code) {
  exitCode_ = code;
  return *this;
}

bool FakeRule::matches(const std::string& joinedArguments) const { return wildcardMatch(pattern_, joinedArguments); }

FakeRule& Scenario::on(const std::string& pattern) { return rules_.emplace_back(pattern); }

const FakeRule* Scenario::match(const std::string& joinedArguments) const {
  for (const FakeRule& rule : rules_) {
    if (rule.matches(joinedArguments)) return &rule;
  }
  return nullptr;
}

std::string Scenario::serialize() const {
  std::ostringstream text;
  for (const FakeRule& rule : rules_) {
    text << "on " << escape(rule.pattern_) << '\n';
    text << "delay " << rule.delay_ << '\n';
    text << "exit " << rule.exitCode_ << '\n';
    for (const FakeStep& step : rule.steps_) {
      switch (step.kind) {
        case FakeStep::Kind::Write:
          text << "write " << step.stream << (step.translateLineBreaks ? " text " : " raw ") << escape(step.bytes)
               << '\n';
          break;
        case FakeStep::Kind::Repeat:
          text << "repeat " << step.stream << ' ' << step.count << ' ' << escape(step.bytes) << '\n';
          break;
        case FakeStep::Kind::Sleep:
          text << "sleep " << step.milliseconds << '\n';
          break;
      }
    }
  }
  return text.str();
}

Scenario Scenario::parse(const std::string& text) {
  Scenario scenario;
  FakeRule* rule = nullptr;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string keyword;
    fields >> keyword;
    if (keyword == "on") {
      rule = &scenario.on(unescape(restAfterFields(line, 1)));
      continue;
    }
    if (!rule) continue;
    if (keyword == "delay") {
      fields >> rule->delay_;
    } else if (keyword == "exit") {
      fields >> rule->exitCode_;
    } else if (keyword == "sleep") {
      int milliseconds = 0;
      fields >> milliseconds;
      rule->sleepMs(milliseconds);
    } else if (keyword == "write") {
      int stream = 1;
      std::string mode;
      fields >> stream >> mode;
      rule->add(writeStep(stream, mode == "text", unescape(restAfterFields(line, 3))));
    } else if (keyword == "repeat") {
      int stream = 1;
      std::size_t count = 0;
      fields >> stream >> count;
      const std::string fill = unescape(restAfterFields(line, 3));
      rule->add(repeatStep(stream, count, fill.empty() ? 'x' : fill[0]));
    }
  }
  return scenario;
}

void Scenario::writeTo(const fs::path& folder, const std::string& tool) const {
  writeWholeFile(folder / (tool + ".scenario"), serialize());
}

Scenario Scenario::readFrom(const fs::path& folder, const std::string& tool) {
  return parse(readWholeFile(folder / (tool + ".scenario")));
}

std::string FakeCall::joined() const {
  std::string text;
  for (std::size_t i = 0; i < arguments.size(); ++i) text += (i ? " " : "") + arguments[i];
  return text;
}

std::string formatCall(const FakeCall& call) {
  std::string line;
  for (std::size_t i = 0; i < call.arguments.size(); ++i) line += (i ? " \"" : "\"") + escape(call.arguments[i]) + '"';
  return line + "\t\"" + escape(call.rawCommandLine) + '"';
}

FakeCall parseCall(const std::string& line) {
  // Quoted fields in order; the one after the tab is the raw command line.
  FakeCall call;
  bool afterTab = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\t') afterTab = true;
    if (line[i] != '"') continue;
    std::size_t end = i + 1;
    while (end < line.size() && line[end] != '"') end += line[end] == '\\' ? 2 : 1;
    std::string field = unescape(line.substr(i + 1, end - i - 1));
    if (afterTab) {
      call.rawCommandLine = std::move(field);
    } else {
      call.arguments.push_back(std::move(field));
    }
    i = end;
  }
  return call;
}

void appendCall(const fs::path& folder, const std::string& tool, const FakeCall& call) {
  // One write of the whole line, so that tools running at the same time keep whole lines.
  const std::string line = formatCall(call) + '\n';
  std::ofstream(folder / (tool + ".calls"), std::ios::binary | std::ios::app).write(line.data(), line.size());
}

std::vector<FakeCall> readCalls(const fs::path& folder, const std::string& tool) {
  std::vector<FakeCall> calls;
  std::istringstream lines(readWholeFile(folder / (tool + ".calls")));
  for (std::string line; std::getline(lines, line);) calls.push_back(parseCall(line));
  return calls;
}

TestRunDir::TestRunDir() {
  std::random_device random;
  std::error_code error;
  do {
    folder_ = fs::temp_directory_path() / ("velmora-run-" + std::to_string(random()) + std::to_string(random()));
  } while (!fs::create_directory(folder_, error) && !error);
}

TestRunDir::~TestRunDir() {
  // A tool still running from the folder keeps its file locked on Windows for a while.
  std::error_code error;
  for (int attempt = 0; attempt < 50; ++attempt) {
    fs::remove_all(folder_, error);
    if (!error) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

std::string TestRunDir::folderText() const { return pathText(folder_); }

std::string TestRunDir::addTool(const std::string& name, const Scenario& scenario) const {
  const fs::path fake = ownExecutablePath().parent_path() / (std::string("fake_tool") + kExecutableSuffix);
  fs::copy_file(fake, folder_ / (name + kExecutableSuffix), fs::copy_options::overwrite_existing);
  scenario.writeTo(folder_, name);
  return pathText(folder_ / name);
}
