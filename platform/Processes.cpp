#include "platform/Processes.h"

#include <unistd.h>
#include <cerrno>
#include <csignal>

int CurrentProcessId() { return static_cast<int>(getpid()); }

bool ProcessRuns(int processId) {
  if (processId <= 0) return false;
  // Signal 0 checks without sending; a process of another user answers EPERM.
  return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}
