#include <windows.h>
#include <tlhelp32.h>

#include "host/code_page.h"
#include "host/process_list.h"

const char kProgramSuffix[] = ".exe";

namespace {

wchar_t foldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool sameName(const wchar_t* listed, const std::u16string& wanted, bool exactCase) {
  std::size_t i = 0;
  for (; listed[i] != L'\0' && i < wanted.size(); ++i) {
    const wchar_t c = static_cast<wchar_t>(wanted[i]);
    if (exactCase ? listed[i] != c : foldAscii(listed[i]) != foldAscii(c)) return false;
  }
  return listed[i] == L'\0' && i == wanted.size();
}

// The id of the first process of the snapshot with that name, 0 when none.
std::uint32_t firstNamed(const std::string& name, bool exactCase) {
  const std::u16string wanted = textToUtf16(name, CodePage::Gbk936);
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  std::uint32_t id = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && id == 0; more = Process32NextW(snapshot, &entry)) {
    if (sameName(entry.szExeFile, wanted, exactCase)) id = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return id;
}

}  // namespace

bool processExists(const std::string& name, bool exactCase) { return firstNamed(name, exactCase) != 0; }

std::uint32_t findProcessId(const std::string& name, bool exactCase) { return firstNamed(name, exactCase); }

bool killProcess(std::uint32_t id) {
  // The query right too: a process that has ended but is still held open by someone
  // can be opened, and Wine then reports its termination as a success.
  const HANDLE process = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (process == nullptr) return false;
  DWORD exitCode = 0;
  const bool running = GetExitCodeProcess(process, &exitCode) != 0 && exitCode == STILL_ACTIVE;
  const bool terminated = running && TerminateProcess(process, 0) != 0;
  CloseHandle(process);
  return terminated;
}
