// The POSIX shell, /bin/sh.

#include "interpreter.h"

#include <signal.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// The shell reports a child that a signal ended by this exit status.
constexpr int kSignalExitBase = 128;

bool IsKeyboardInterrupt(int signal) {
  return signal == SIGINT || signal == SIGQUIT;
}

}  // namespace

RunStatus DecodeSystemStatus(int status) {
  if (status == -1)
    return {RunStatus::kFailed, 0};
  // system() ignores SIGINT and SIGQUIT while the child runs; the child
  // either dies of the signal itself or, when the shell outlives it, the
  // shell passes it on as 128 + signal.
  if (WIFSIGNALED(status)) {
    int signal = WTERMSIG(status);
    if (IsKeyboardInterrupt(signal))
      return {RunStatus::kInterrupted, signal};
    return {RunStatus::kFailed, 0};
  }
  if (!WIFEXITED(status))
    return {RunStatus::kFailed, 0};
  int code = WEXITSTATUS(status);
  if (code == 0)
    return {RunStatus::kSucceeded, 0};
  if (code > kSignalExitBase && IsKeyboardInterrupt(code - kSignalExitBase))
    return {RunStatus::kInterrupted, code - kSignalExitBase};
  return {RunStatus::kFailed, 0};
}

bool NameForInterpreter(const std::string& name, std::string* word) {
  // Inside single quotes every byte is literal; a quote itself has to leave
  // the quotes, stand escaped, and reopen them.
  std::string quoted = "'";
  for (char c : name) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  quoted += '\'';
  *word = std::move(quoted);
  return true;
}

void EndByInterrupt(int signal) {
  std::fflush(stdout);
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, signal);
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
  raise(signal);
  std::_Exit(kSignalExitBase + signal);
}
