#pragma once
// An advisory lock on a file (flock), held while the object lives. The system drops it when
// the holding process ends in any way, a SIGKILL or a power cut included, so a lock that can
// be taken means that its holder is gone. Two objects conflict even inside one process.
#include <string>

class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Creates the file when it does not exist and takes the lock without waiting. False when
  // another holder has it or the file cannot be made; an earlier lock of this object is
  // given up first.
  bool TryLock(const std::string& path);
  void Unlock();
  bool Held() const { return descriptor_ >= 0; }
  const std::string& Path() const { return path_; }

 private:
  int descriptor_ = -1;
  std::string path_;
};
