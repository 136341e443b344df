#include <unistd.h>

#include <cerrno>

#include "tests/fake_tool/fake_platform.h"

const char kExecutableSuffix[] = "";
const char kPipeLineBreak[] = "\n";

std::filesystem::path ownExecutablePath() { return std::filesystem::read_symlink("/proc/self/exe"); }

std::vector<std::string> ownArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

std::string ownRawCommandLine() { return {}; }

std::string pathText(const std::filesystem::path& path) { return path.string(); }

bool writeStandardStream(int stream, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = write(stream, bytes, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}
