// Scenarios of the fake adb / aapt / scrcpy, and the run directory tests put them in.
//
// One fake program (fake_tool) is copied into a test's run directory under a tool's
// name (adb, aapt, scrcpy; with ".exe" on Windows). It reads <name>.scenario beside
// itself, joins its arguments with single spaces, plays the first rule whose pattern
// matches ("*" stands for any run of characters, every other character for itself),
// and appends one line per invocation to <name>.calls. When no rule matches it prints
// nothing and exits with 0.
//
// A rule is a list of steps played in order, after an optional delay: text written to
// standard output or standard error (each "\n" written as the platform's pipe line
// break, "\r\n" on Windows like adb.exe's text-mode pipes; nothing is added, so a text
// without a final "\n" ends without one), exact raw bytes (zero bytes, invalid UTF-8),
// one byte repeated many times (very large output), and pauses that keep the tool
// running. Then the tool exits with the rule's exit code.
//
// The scenario file, one item a line (texts C-escaped: \\ \" \n \r \t \xHH, taking
// the rest of the line):
//   on <pattern>                          starts a rule
//   delay <ms>                            exit <code>
//   write <1|2> text <text>               "\n" written as the pipe line break
//   write <1|2> raw <bytes>               exactly these bytes
//   repeat <1|2> <count> <byte>
//   sleep <ms>
//
// This file is compiled into the fake tool, the unit tests and the benchmark; it is
// plain data and files, with no thread of its own.
#pragma once

#include <cstddef>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

struct FakeStep {
  enum class Kind { Write, Repeat, Sleep };
  Kind kind = Kind::Write;
  int stream = 1;                    // 1: standard output, 2: standard error
  bool translateLineBreaks = false;  // Write: "\n" becomes the platform's pipe line break
  std::string bytes;                 // Write: the bytes; Repeat: the one byte repeated
  std::size_t count = 0;             // Repeat: how many bytes in all
  int milliseconds = 0;              // Sleep
};

class FakeRule {
 public:
  explicit FakeRule(std::string pattern) : pattern_(std::move(pattern)) {}

  FakeRule& out(const std::string& text);
  FakeRule& err(const std::string& text);
  FakeRule& rawOut(const std::string& bytes);
  FakeRule& rawErr(const std::string& bytes);
  FakeRule& repeatOut(std::size_t count, char fill);
  FakeRule& repeatErr(std::size_t count, char fill);
  FakeRule& sleepMs(int milliseconds);  // a pause between steps, the tool still running
  FakeRule& delayMs(int milliseconds);  // before the first step
  FakeRule& exitCode(int code);

  bool matches(const std::string& joinedArguments) const;

  const std::string& pattern() const { return pattern_; }
  int delay() const { return delay_; }
  int exitCodeValue() const { return exitCode_; }
  const std::vector<FakeStep>& steps() const { return steps_; }

 private:
  friend class Scenario;
  FakeRule& add(FakeStep step);

  std::string pattern_;
  int delay_ = 0;
  int exitCode_ = 0;
  std::vector<FakeStep> steps_;
};

class Scenario {
 public:
  // Adds a rule; rules are tried in the order they were added. The reference stays
  // valid while the scenario lives.
  FakeRule& on(const std::string& pattern);

  // The first rule matching the arguments joined by single spaces, or null.
  const FakeRule* match(const std::string& joinedArguments) const;

  std::string serialize() const;
  static Scenario parse(const std::string& text);

  // <folder>/<tool>.scenario. Reading a missing file gives an empty scenario.
  void writeTo(const std::filesystem::path& folder, const std::string& tool) const;
  static Scenario readFrom(const std::filesystem::path& folder, const std::string& tool);

 private:
  std::deque<FakeRule> rules_;
};

// One invocation of a fake tool, as recorded in <tool>.calls.
struct FakeCall {
  std::vector<std::string> arguments;  // after the program name, in the bytes the caller composed
  std::string rawCommandLine;          // Windows: the whole command line received, in UTF-8; POSIX: empty

  std::string joined() const;  // the arguments joined by single spaces, as the rules see them
};

// One line per call: every argument in double quotes with C escapes, separated by
// spaces, then a tab and the raw command line in the same form.
std::string formatCall(const FakeCall& call);
FakeCall parseCall(const std::string& line);
void appendCall(const std::filesystem::path& folder, const std::string& tool, const FakeCall& call);
std::vector<FakeCall> readCalls(const std::filesystem::path& folder, const std::string& tool);

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes. Tools are copies of fake_tool from beside the running program.
class TestRunDir {
 public:
  TestRunDir();
  ~TestRunDir();
  TestRunDir(const TestRunDir&) = delete;
  TestRunDir& operator=(const TestRunDir&) = delete;

  const std::filesystem::path& folder() const { return folder_; }

  // The folder as a command line names it (code page 936 on Windows), no trailing separator.
  std::string folderText() const;

  // Installs the fake as `name` answering from `scenario` (a second call replaces the
  // scenario) and returns the tool's command: the folder, a separator and the name.
  std::string addTool(const std::string& name, const Scenario& scenario) const;

  std::vector<FakeCall> calls(const std::string& name) const { return readCalls(folder_, name); }

 private:
  std::filesystem::path folder_;
};
