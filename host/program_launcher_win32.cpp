#include <windows.h>

#include "host/code_page.h"
#include "host/program_launcher.h"

void openCommandPrompt(const std::string& runDirectory) {
  const std::u16string line = textToUtf16(commandPromptLine(runDirectory), CodePage::Gbk936);
  std::wstring commandLine(line.begin(), line.end());  // CreateProcessW may write into it

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  // A console window of its own, also when this program was started from a console.
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr,
                      &startup, &process))
    return;
  WaitForInputIdle(process.hProcess, 1000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
