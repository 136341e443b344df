#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include "host/code_page.h"
#include "host/platform.h"

const char kPathSeparator[] = "\\";
const char kToolLineBreak[] = "\r\n";
const char kInterpreterPrefix[] = "cmd.exe /c ";

namespace {

// A wide path as code page 936 text (never through the ANSI code page).
std::string fromWide(const wchar_t* wide, size_t length) {
  return utf16ToText(std::u16string(reinterpret_cast<const char16_t*>(wide), length), CodePage::Gbk936);
}

}  // namespace

std::string executableDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // cut off: try again with more room
  }
  const size_t separator = path.rfind(L'\\');
  return fromWide(path.data(), separator == std::wstring::npos ? 0 : separator);
}

bool setCurrentDirectory(const std::string& folder) {
  const std::u16string wide = textToUtf16(folder, CodePage::Gbk936);
  return SetCurrentDirectoryW(reinterpret_cast<const wchar_t*>(wide.c_str())) != FALSE;
}

std::string desktopFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return fromWide(path, wcslen(path));
}
