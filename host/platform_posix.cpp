#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "host/code_page.h"
#include "host/platform.h"

const char kPathSeparator[] = "/";
const char kToolLineBreak[] = "\n";
const char kInterpreterPrefix[] = "/bin/sh -c ";

namespace {

// File names here are UTF-8; the program's texts are code page 936.
std::string fromFileSystem(const std::string& utf8) { return utf16ToText(textToUtf16(utf8, CodePage::Utf8)); }
std::string toFileSystem(const std::string& text) {
  return utf16ToText(textToUtf16(text, CodePage::Gbk936), CodePage::Utf8);
}

bool isDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string executableDirectory() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0) return {};
  path.resize(static_cast<size_t>(length));
  return fromFileSystem(path.substr(0, path.rfind('/')));
}

bool setCurrentDirectory(const std::string& folder) { return chdir(toFileSystem(folder).c_str()) == 0; }

std::string desktopFolder() {
  const std::string desktop = environmentValue("XDG_DESKTOP_DIR");
  if (!desktop.empty()) return fromFileSystem(desktop);
  const std::string home = environmentValue("HOME");
  if (home.empty()) return {};
  const std::string homeDesktop = home + "/Desktop";
  return fromFileSystem(isDirectory(homeDesktop) ? homeDesktop : home);
}
