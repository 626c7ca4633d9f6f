#pragma once
// The single-instance lock as a lock file (QLockFile) in a per-user folder, by default the
// user's runtime folder. A lock file left by a process that has ended is taken over.
#include <memory>
#include <string>

#include "platform/InstanceLock.h"

class QLockFile;

class QtInstanceLock final : public InstanceLock {
 public:
  // Lock files go to the user's runtime folder.
  QtInstanceLock();
  // Lock files go to folder, which must exist.
  explicit QtInstanceLock(std::string folder);
  ~QtInstanceLock() override;

  bool TryLock(const std::string& name) override;
  void Unlock() override;

 private:
  std::string folder_;
  std::unique_ptr<QLockFile> lock_;
};
