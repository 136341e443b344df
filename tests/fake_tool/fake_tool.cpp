// The fake adb / aapt / scrcpy: answers from <own name>.scenario beside itself and
// records each invocation in <own name>.calls (see scenario.h).

#include <algorithm>
#include <chrono>
#include <thread>

#include "tests/fake_tool/fake_platform.h"
#include "tests/fake_tool/scenario.h"

namespace {

std::string withPipeLineBreaks(const std::string& text) {
  std::string written;
  for (const char c : text) {
    if (c == '\n') {
      written += kPipeLineBreak;
    } else {
      written += c;
    }
  }
  return written;
}

bool repeatByte(int stream, char fill, std::size_t count) {
  const std::string block(std::min<std::size_t>(count, 1 << 16), fill);
  for (std::size_t left = count; left > 0;) {
    const std::size_t piece = std::min(left, block.size());
    if (!writeStandardStream(stream, block.data(), piece)) return false;
    left -= piece;
  }
  return true;
}

// Plays the steps in order; stops early when the reader has gone.
void play(const FakeRule& rule) {
  std::this_thread::sleep_for(std::chrono::milliseconds(rule.delay()));
  for (const FakeStep& step : rule.steps()) {
    bool written = true;
    switch (step.kind) {
      case FakeStep::Kind::Write: {
        const std::string bytes = step.translateLineBreaks ? withPipeLineBreaks(step.bytes) : step.bytes;
        written = writeStandardStream(step.stream, bytes.data(), bytes.size());
        break;
      }
      case FakeStep::Kind::Repeat:
        written = repeatByte(step.stream, step.bytes.empty() ? 'x' : step.bytes[0], step.count);
        break;
      case FakeStep::Kind::Sleep:
        std::this_thread::sleep_for(std::chrono::milliseconds(step.milliseconds));
        break;
    }
    if (!written) return;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path self = ownExecutablePath();
  const std::filesystem::path folder = self.parent_path();
  const std::string tool = self.stem().string();  // adb.exe and adb both answer from adb.scenario

  FakeCall call{ownArguments(argc, argv), ownRawCommandLine()};
  appendCall(folder, tool, call);

  const Scenario scenario = Scenario::readFrom(folder, tool);
  const FakeRule* rule = scenario.match(call.joined());
  if (!rule) return 0;
  play(*rule);
  return rule->exitCodeValue();
}
