#include <windows.h>
#include <shellapi.h>

#include "tests/fake_tool/fake_platform.h"

namespace {

std::string narrow(const wchar_t* text, int length, UINT codePage) {
  if (length <= 0) return {};
  const int size = WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}

std::string narrow(const std::wstring& text, UINT codePage) {
  return narrow(text.c_str(), static_cast<int>(text.size()), codePage);
}

}  // namespace

const char kExecutableSuffix[] = ".exe";
const char kPipeLineBreak[] = "\r\n";

std::filesystem::path ownExecutablePath() {
  std::wstring name(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()))) == name.size()) {
    name.resize(name.size() * 2);
  }
  name.resize(length);
  return name;
}

std::vector<std::string> ownArguments(int, char**) {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(narrow(words[i], lstrlenW(words[i]), 936));
  LocalFree(words);
  return arguments;
}

std::string ownRawCommandLine() {
  const wchar_t* line = GetCommandLineW();
  return narrow(line, lstrlenW(line), CP_UTF8);
}

std::string pathText(const std::filesystem::path& path) { return narrow(path.wstring(), 936); }

bool writeStandardStream(int stream, const char* bytes, std::size_t count) {
  HANDLE handle = GetStdHandle(stream == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  while (count > 0) {
    DWORD written = 0;
    const DWORD piece = static_cast<DWORD>(count < (1u << 30) ? count : (1u << 30));
    if (!WriteFile(handle, bytes, piece, &written, nullptr) || written == 0) return false;
    bytes += written;
    count -= written;
  }
  return true;
}
