#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "host/code_page.h"
#include "host/program_launcher.h"

namespace {

// The program file a name stands for: itself when it holds a separator, otherwise the
// first executable of that name in PATH; empty when there is none.
std::string findProgram(const std::string& name) {
  if (name.empty()) return {};
  if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : std::string();
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = folders.find(':', start);
    std::string folder = folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (folder.empty()) folder = ".";
    const std::string candidate = folder + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (end == std::string::npos) return {};
    start = end + 1;
  }
}

std::string terminalProgram() {
  const char* chosen = std::getenv("TERMINAL");
  if (chosen != nullptr) {
    std::string program = findProgram(chosen);
    if (!program.empty()) return program;
  }
  return findProgram("x-terminal-emulator");
}

}  // namespace

void openCommandPrompt(const std::string& runDirectory) {
  const std::string program = terminalProgram();
  if (program.empty()) return;
  // File names here are UTF-8; the program's texts are code page 936.
  const std::string folder = utf16ToText(textToUtf16(runDirectory, CodePage::Gbk936), CodePage::Utf8);

  // Twice forked: the terminal belongs to a session of its own and to no parent that
  // would have to collect it, so it outlives this program and leaves no zombie. Only
  // async-signal-safe calls run between fork and exec.
  char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};
  const pid_t child = fork();
  if (child < 0) return;
  if (child == 0) {
    setsid();
    if (fork() == 0) {
      if (chdir(folder.c_str()) == 0) execv(program.c_str(), arguments);
      _exit(127);
    }
    _exit(0);
  }
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}
