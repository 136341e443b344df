#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "host/child_process.h"
#include "host/command_line.h"

extern char** environ;

namespace {

constexpr int kPipeSize = 1 << 20;

struct Pipe {
  int readEnd = -1;
  int writeEnd = -1;
};

// Close-on-exec, so that children started at the same time by other threads never
// hold it open; the child's own copies are made by dup2 at its start.
bool openPipe(Pipe& pipe) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) return false;
  pipe.readEnd = ends[0];
  pipe.writeEnd = ends[1];
  fcntl(pipe.readEnd, F_SETPIPE_SZ, kPipeSize);  // a smaller pipe still works
  return true;
}

void closeEnd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// The capture may end before the child does (the runner never terminates it): a
// detached thread waits for the child's end so that it leaves no zombie.
void reapLater(pid_t pid) {
  std::thread([pid] {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

class PosixChildProcess : public ChildProcess {
 public:
  PosixChildProcess(pid_t pid, int out, int err) : pid_(pid), pipes_{out, err} {}

  ~PosixChildProcess() override {
    closeEnd(pipes_[0]);
    closeEnd(pipes_[1]);
    if (!exited_) reapLater(pid_);
  }

  long available(int stream) override {
    int fd = pipes_[stream];
    if (fd < 0) return -1;
    pollfd state{fd, POLLIN, 0};
    if (poll(&state, 1, 0) < 0) return 0;
    int count = 0;
    if (ioctl(fd, FIONREAD, &count) != 0) return -1;
    if (count > 0) return count;
    // Hang-up seen before an empty count: the writers are gone and nothing is left.
    return (state.revents & (POLLHUP | POLLERR | POLLNVAL)) ? -1 : 0;
  }

  std::string read(int stream, std::size_t count) override {
    int fd = pipes_[stream];
    if (fd < 0 || count == 0) return {};
    std::string bytes(count, '\0');
    ssize_t got;
    while ((got = ::read(fd, bytes.data(), count)) < 0 && errno == EINTR) {
    }
    if (got <= 0) {
      closeEnd(pipes_[stream]);  // end of the pipe, or a pipe that cannot be read
      return {};
    }
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
  }

  void close(int stream) override { closeEnd(pipes_[stream]); }

  void waitForOutput(int milliseconds) override {
    if (pipes_[0] >= 0) {
      pollfd state{pipes_[0], POLLIN, 0};
      const int ready = poll(&state, 1, milliseconds);
      if (ready == 0 || (ready > 0 && (state.revents & POLLIN) != 0)) return;
    }
    // Closed or hung up: poll would wake at once every time; the process is ending,
    // so wait for that instead.
    waitForExit(milliseconds);
  }

  bool waitForExit(int milliseconds) override {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!exited_) {
      const pid_t result = waitpid(pid_, nullptr, WNOHANG);
      if (result == pid_ || (result < 0 && errno == ECHILD)) {
        exited_ = true;
        break;
      }
      if (std::chrono::steady_clock::now() >= deadline) break;
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return exited_;
  }

 private:
  pid_t pid_;
  int pipes_[2];
  bool exited_ = false;
};

// The arguments the program is started with: the interpreter's, or the command line
// split by the Windows rules.
std::vector<std::string> argumentsFor(const std::string& commandLine, ChildProcess::Start how) {
  if (how == ChildProcess::Start::ThroughInterpreter) return {"/bin/sh", "-c", commandLine};
  return splitCommandLine(commandLine);
}

pid_t spawn(const std::vector<std::string>& arguments, int out, int err) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out, 1);
  posix_spawn_file_actions_adddup2(&actions, err, 2);

  // A tool starts with the signal state a shell would give it.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none, defaults;
  sigemptyset(&none);
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  // A program name without a separator is looked up in PATH, one with it is used as given.
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ) != 0) pid = -1;
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::start(const std::string& commandLine, Start how, Streams streams) {
  const std::vector<std::string> arguments = argumentsFor(commandLine, how);
  if (arguments.empty() || arguments[0].empty()) return nullptr;

  Pipe out, err;
  if (!openPipe(out) || (streams == Streams::Separate && !openPipe(err))) {
    for (int* fd : {&out.readEnd, &out.writeEnd, &err.readEnd, &err.writeEnd}) closeEnd(*fd);
    return nullptr;
  }
  const pid_t pid = spawn(arguments, out.writeEnd, streams == Streams::Separate ? err.writeEnd : out.writeEnd);
  closeEnd(out.writeEnd);
  closeEnd(err.writeEnd);
  if (pid < 0) {
    closeEnd(out.readEnd);
    closeEnd(err.readEnd);
    return nullptr;
  }
  return std::make_unique<PosixChildProcess>(pid, out.readEnd, err.readEnd);
}
