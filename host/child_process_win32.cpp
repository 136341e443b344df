#include <windows.h>

#include <vector>

#include "host/child_process.h"
#include "host/code_page.h"
#include "host/console_runner.h"

namespace {

constexpr DWORD kPipeSize = 1 << 20;

struct Pipe {
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
};

void closeEnd(HANDLE& handle) {
  if (handle) CloseHandle(handle);
  handle = nullptr;
}

// The write end is inherited by the child; the read end stays with the caller only,
// so the pipe breaks once the child and its descendants have closed theirs.
bool openPipe(Pipe& pipe) {
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), nullptr, TRUE};
  if (!CreatePipe(&pipe.readEnd, &pipe.writeEnd, &attributes, kPipeSize)) return false;
  SetHandleInformation(pipe.readEnd, HANDLE_FLAG_INHERIT, 0);
  return true;
}

class Win32ChildProcess : public ChildProcess {
 public:
  Win32ChildProcess(HANDLE process, HANDLE out, HANDLE err) : process_(process), pipes_{out, err} {}

  ~Win32ChildProcess() override {
    closeEnd(pipes_[0]);
    closeEnd(pipes_[1]);
    CloseHandle(process_);
  }

  long available(int stream) override {
    DWORD count = 0;
    if (!pipes_[stream] || !PeekNamedPipe(pipes_[stream], nullptr, 0, nullptr, &count, nullptr)) return -1;
    return static_cast<long>(count);
  }

  std::string read(int stream, std::size_t count) override {
    if (!pipes_[stream] || count == 0) return {};
    std::string bytes(count, '\0');
    DWORD got = 0;
    if (!ReadFile(pipes_[stream], bytes.data(), static_cast<DWORD>(count), &got, nullptr) || got == 0) {
      closeEnd(pipes_[stream]);  // broken: the writers are gone and the pipe is empty
      return {};
    }
    bytes.resize(got);
    return bytes;
  }

  void close(int stream) override { closeEnd(pipes_[stream]); }

  void waitForOutput(int milliseconds) override { waitPumping(milliseconds); }

  bool waitForExit(int milliseconds) override {
    return WaitForSingleObject(process_, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
  }

 private:
  HANDLE process_;
  HANDLE pipes_[2];
};

// Creates the process hidden, with no standard input, standard output on `out` and
// standard error on `err`. Only these handles are inherited, so a child started by
// another thread at the same moment never holds this call's pipes open.
HANDLE createProcess(std::wstring commandLine, HANDLE out, HANDLE err) {
  HANDLE inherited[2] = {out, err};
  const DWORD inheritedCount = out == err ? 1 : 2;
  SIZE_T listSize = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &listSize);
  std::vector<char> listBytes(listSize);
  auto list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(listBytes.data());
  if (!InitializeProcThreadAttributeList(list, 1, 0, &listSize)) return nullptr;
  UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited, inheritedCount * sizeof(HANDLE),
                            nullptr, nullptr);

  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof(startup);
  startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.StartupInfo.wShowWindow = SW_HIDE;
  startup.StartupInfo.hStdInput = nullptr;
  startup.StartupInfo.hStdOutput = out;
  startup.StartupInfo.hStdError = err;
  startup.lpAttributeList = list;

  PROCESS_INFORMATION created{};
  const BOOL ok = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, EXTENDED_STARTUPINFO_PRESENT,
                                 nullptr, nullptr, &startup.StartupInfo, &created);
  DeleteProcThreadAttributeList(list);
  if (!ok) return nullptr;
  CloseHandle(created.hThread);
  return created.hProcess;
}

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::start(const std::string& commandLine, Start how, Streams streams) {
  // cmd.exe /c takes away the first and the last quote of a line that begins with
  // one; wrapping the line in one more pair of quotes keeps it whole, so a line that
  // begins with a quoted program path (a run directory with spaces) still runs. A
  // line that does not begin with a quote is read the same either way.
  const std::string whole = how == Start::ThroughInterpreter ? "cmd.exe /c \"" + commandLine + "\"" : commandLine;
  const std::u16string wide = textToUtf16(whole, CodePage::Gbk936);

  Pipe out, err;
  if (!openPipe(out) || (streams == Streams::Separate && !openPipe(err))) {
    for (HANDLE* end : {&out.readEnd, &out.writeEnd, &err.readEnd, &err.writeEnd}) closeEnd(*end);
    return nullptr;
  }
  HANDLE process = createProcess(std::wstring(wide.begin(), wide.end()), out.writeEnd,
                                 streams == Streams::Separate ? err.writeEnd : out.writeEnd);
  closeEnd(out.writeEnd);
  closeEnd(err.writeEnd);
  if (!process) {
    closeEnd(out.readEnd);
    closeEnd(err.readEnd);
    return nullptr;
  }
  return std::make_unique<Win32ChildProcess>(process, out.readEnd, err.readEnd);
}
