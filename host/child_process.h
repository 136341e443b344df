// A child process with its output pipes: the platform primitive under the console
// runner (child_process_win32.cpp, child_process_posix.cpp).
//
// One object is used by one thread; it owns its pipes and process handle and closes
// them when destroyed, without terminating the process.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

class ChildProcess {
 public:
  enum class Start {
    ThroughInterpreter,  // the command line follows the interpreter prefix
    Direct,              // the command line names the program itself
  };
  enum class Streams {
    Merged,    // standard output and standard error share pipe 0
    Separate,  // standard output on pipe 0, standard error on pipe 1
  };

  // Starts the command line hidden, with no standard input, its pipes about 1 MiB
  // large. Returns null when the process cannot be created.
  static std::unique_ptr<ChildProcess> start(const std::string& commandLine, Start how, Streams streams);

  virtual ~ChildProcess() = default;

  // Bytes waiting in pipe `stream` (0 or 1) without removing them; -1 once the pipe
  // is closed (its writers are gone and it is empty) or cannot be read.
  virtual long available(int stream) = 0;

  // Reads up to `count` bytes from pipe `stream`; an empty result means it failed.
  virtual std::string read(int stream, std::size_t count) = 0;

  // Closes the reading end of pipe `stream` early.
  virtual void close(int stream) = 0;

  // Waits up to `milliseconds` for bytes in pipe 0, returning early when they come.
  // On Windows, whose pipes cannot be waited on, it is waitPumping: the calling
  // thread's window messages keep flowing either way.
  virtual void waitForOutput(int milliseconds) = 0;

  // True once the process has ended; waits for that up to `milliseconds` (0: only looks).
  virtual bool waitForExit(int milliseconds) = 0;
};
