#pragma once
// A process id that no longer runs, for the tests of whose copies a window may take.
#include <sys/wait.h>
#include <unistd.h>

// A child that has ended and been reaped; its id stays free until the system reuses it.
inline int EndedProcessId() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  int status = 0;
  waitpid(child, &status, 0);
  return static_cast<int>(child);
}
