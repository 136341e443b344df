// The window test's tally: passes made of checks. A pass passes when all its checks
// do; each pass prints one line (and its failed checks below it), and the closing
// line counts the passes: "N passed, M failed".
#pragma once

#include <string>
#include <vector>

class Pass {
 public:
  // `what` names the check in the test's output (UTF-8, or code page 936 passed
  // through probe::printable).
  bool expect(bool ok, const std::string& what);
  // Equality of two texts of code page 936; the failure shows both.
  bool expectText(const std::string& actual, const std::string& expected, const std::string& what);
  bool expectNear(int actual, int expected, int tolerance, const std::string& what);
  // Ends the pass early without counting it, for what the program does not offer yet.
  void skip(const std::string& reason) { skipReason_ = reason; }
  // A line printed under the pass's own, saying what it chose to drive (UTF-8).
  void note(const std::string& text) { notes_.push_back(text); }

  int checks() const { return checks_; }
  const std::vector<std::string>& failures() const { return failures_; }
  const std::string& skipReason() const { return skipReason_; }
  const std::vector<std::string>& notes() const { return notes_; }

 private:
  int checks_ = 0;
  std::vector<std::string> failures_;
  std::vector<std::string> notes_;
  std::string skipReason_;
};

class CheckReport {
 public:
  // Prints the pass's line; returns whether it passed (skipped counts as passed).
  bool record(const std::string& name, const Pass& pass);
  // Prints "N passed, M failed"; the process's exit code.
  int finish() const;

 private:
  int passed_ = 0;
  int failed_ = 0;
};
