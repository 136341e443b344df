#include "tests/window_test/check_report.h"

#include "tests/window_test/window_probe.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr std::size_t kFailuresShown = 25;
}

bool Pass::expect(bool ok, const std::string& what) {
  ++checks_;
  if (!ok) failures_.push_back(what);
  return ok;
}

bool Pass::expectText(const std::string& actual, const std::string& expected, const std::string& what) {
  return expect(actual == expected,
                what + ": \"" + probe::printable(actual) + "\", expected \"" + probe::printable(expected) + "\"");
}

bool Pass::expectNear(int actual, int expected, int tolerance, const std::string& what) {
  return expect(std::abs(actual - expected) <= tolerance,
                what + ": " + std::to_string(actual) + ", expected " + std::to_string(expected));
}

bool CheckReport::record(const std::string& name, const Pass& pass) {
  if (!pass.skipReason().empty() && pass.failures().empty()) {
    std::printf("skip  %s: %s\n", name.c_str(), pass.skipReason().c_str());
    std::fflush(stdout);
    return true;
  }
  const bool ok = pass.failures().empty();
  ++(ok ? passed_ : failed_);
  if (ok) {
    std::printf("ok    %s (%d checks)\n", name.c_str(), pass.checks());
    for (const std::string& note : pass.notes()) std::printf("        %s\n", note.c_str());
  } else {
    std::printf("FAIL  %s: %zu of %d checks failed\n", name.c_str(), pass.failures().size(), pass.checks());
    for (std::size_t i = 0; i < pass.failures().size() && i < kFailuresShown; ++i) {
      std::printf("        %s\n", pass.failures()[i].c_str());
    }
    if (pass.failures().size() > kFailuresShown) std::printf("        ...\n");
  }
  std::fflush(stdout);
  return ok;
}

int CheckReport::finish() const {
  std::printf("%d passed, %d failed\n", passed_, failed_);
  std::fflush(stdout);
  return failed_ == 0 ? 0 : 1;
}
