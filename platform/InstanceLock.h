#pragma once
// A per-user lock that only one running program can hold, so that a second copy of the
// program can tell that the first one runs.
#include <string>

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;

  // Takes the lock called name without waiting. False when another running process holds
  // it or it cannot be made. A lock left behind by a process that has ended is taken over.
  virtual bool TryLock(const std::string& name) = 0;

  // Gives up the lock taken by TryLock; nothing when none is held.
  virtual void Unlock() = 0;
};
