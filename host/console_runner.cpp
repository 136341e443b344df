#include "host/console_runner.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "host/child_process.h"

namespace {

// runConsoleProgram reads in pieces of at most this size: 64 KiB captured a busy
// tool about three times as fast as 1 KiB pieces (bench/runner_bench.cpp).
constexpr long kConsolePiece = 1 << 16;

// Cuts a text at its first zero byte: what follows it is not part of the text.
void endAtZeroByte(std::string& text) { text.resize(std::strlen(text.c_str())); }

// Reads pipe `stream` until it is empty, appending to `into`; false once it is closed.
bool drainPipe(ChildProcess& child, int stream, std::string& into) {
  long count;
  while ((count = child.available(stream)) > 0) {
    const std::string piece = child.read(stream, static_cast<std::size_t>(std::min(count, kConsolePiece)));
    if (piece.empty()) return false;
    into += piece;
  }
  return count == 0;
}

// The capture of runCommand and runDirect: one merged pipe polled on the caller's thread.
std::string captureMerged(const std::string& commandLine, ChildProcess::Start how, const ChunkCallback& callback,
                          bool useCallback) {
  std::string output;
  const std::unique_ptr<ChildProcess> child = ChildProcess::start(commandLine, how, ChildProcess::Streams::Merged);
  if (!child) return output;

  bool exited = false;
  for (;;) {
    // Everything that has arrived is taken before waiting, so the tool never waits
    // on a full pipe; each read is one chunk.
    bool found = false;
    for (long count; (count = child->available(0)) > 0;) {
      found = true;
      std::string chunk = child->read(0, static_cast<std::size_t>(count));
      endAtZeroByte(chunk);
      if (useCallback && callback && callback(chunk) != 0) return output;
      output += chunk;
    }
    // The exit is checked only on a poll that found nothing; after it has been seen,
    // one more poll takes what the tool wrote just before it ended.
    if (!found) {
      if (exited) break;
      exited = child->waitForExit(0);
      if (exited) continue;
    }
    pumpPendingMessages();
    child->waitForOutput(1);  // waitPumping(1), woken early by output where the pipe allows
  }
  return output;
}

}  // namespace

std::string runCommand(const std::string& commandLine, const ChunkCallback& callback, bool useCallback) {
  return captureMerged(commandLine, ChildProcess::Start::ThroughInterpreter, callback, useCallback);
}

std::string runDirect(const std::string& commandLine) {
  return captureMerged(commandLine, ChildProcess::Start::Direct, nullptr, false);
}

std::string runConsoleProgram(const std::string& commandLine) {
  std::string output;
  const std::unique_ptr<ChildProcess> child =
      ChildProcess::start(commandLine, ChildProcess::Start::Direct, ChildProcess::Streams::Separate);
  if (!child) return output;

  std::string errors;  // read so the tool never blocks on it, then thrown away
  bool outputOpen = true, errorsOpen = true, ended = false;
  int idleWait = 1;
  while (outputOpen || errorsOpen || !ended) {
    const std::size_t before = output.size();
    if (outputOpen) outputOpen = drainPipe(*child, 0, output);
    if (errorsOpen) errorsOpen = drainPipe(*child, 1, errors);
    const bool found = output.size() != before || !errors.empty();
    errors.clear();
    if (!ended) {
      // A tool that is printing is read again within a millisecond, so it never waits
      // long on a full pipe; while it stays quiet the wait doubles up to 100 ms.
      idleWait = found ? 1 : std::min(idleWait * 2, 100);
      ended = child->waitForExit(idleWait);
    } else if (outputOpen || errorsOpen) {
      // Ended, but a descendant still holds a pipe: keep draining without spinning.
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  endAtZeroByte(output);
  return output;
}
