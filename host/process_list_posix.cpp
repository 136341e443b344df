#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <string_view>

#include "host/code_page.h"
#include "host/process_list.h"

const char kProgramSuffix[] = "";

namespace {

std::string readFirstLine(const std::string& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// A process that has ended but is not yet collected by its parent (a zombie), or one
// that is gone, counts as ended.
bool isRunning(const std::string& folder) {
  const std::string stat = readFirstLine(folder + "/stat");
  const std::size_t nameEnd = stat.rfind(')');  // the name in parentheses may hold anything
  if (nameEnd == std::string::npos || nameEnd + 2 >= stat.size()) return false;
  const char state = stat[nameEnd + 2];
  return state != 'Z' && state != 'X' && state != 'x';
}

// The file name of the process's executable; the kernel's copy of the name (cut to
// 15 bytes) where the executable cannot be read, as for kernel threads.
std::string executableName(const std::string& folder) {
  std::string target(4096, '\0');
  const ssize_t length = readlink((folder + "/exe").c_str(), target.data(), target.size());
  if (length <= 0) return readFirstLine(folder + "/comm");
  target.resize(static_cast<std::size_t>(length));
  constexpr std::string_view kDeleted = " (deleted)";  // the file was removed while it runs
  if (target.ends_with(kDeleted)) target.resize(target.size() - kDeleted.size());
  return target.substr(target.rfind('/') + 1);
}

bool sameName(const std::string& listed, const std::string& wanted, bool exactCase) {
  if (listed.size() != wanted.size()) return false;
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < listed.size(); ++i) {
    if (exactCase ? listed[i] != wanted[i] : fold(listed[i]) != fold(wanted[i])) return false;
  }
  return true;
}

// The id of the first running process in /proc with that name, 0 when none.
std::uint32_t firstNamed(const std::string& name, bool exactCase) {
  // File names here are UTF-8; the program's texts are code page 936.
  const std::string wanted = utf16ToText(textToUtf16(name, CodePage::Gbk936), CodePage::Utf8);
  DIR* processes = opendir("/proc");
  if (processes == nullptr) return 0;
  std::uint32_t found = 0;
  while (found == 0) {
    const dirent* entry = readdir(processes);
    if (entry == nullptr) break;
    char* end = nullptr;
    const unsigned long id = std::strtoul(entry->d_name, &end, 10);
    if (*end != '\0' || id == 0 || id > INT_MAX) continue;
    const std::string folder = std::string("/proc/") + entry->d_name;
    if (sameName(executableName(folder), wanted, exactCase) && isRunning(folder))
      found = static_cast<std::uint32_t>(id);
  }
  closedir(processes);
  return found;
}

}  // namespace

bool processExists(const std::string& name, bool exactCase) { return firstNamed(name, exactCase) != 0; }

std::uint32_t findProcessId(const std::string& name, bool exactCase) { return firstNamed(name, exactCase); }

bool killProcess(std::uint32_t id) {
  // 0 and ids beyond pid_t would name process groups.
  if (id == 0 || id > INT_MAX || !isRunning("/proc/" + std::to_string(id))) return false;
  return kill(static_cast<pid_t>(id), SIGKILL) == 0;
}
