#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::~FileLock() { Unlock(); }

bool FileLock::TryLock(const std::string& path) {
  Unlock();
  const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (descriptor < 0) return false;
  if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    close(descriptor);
    return false;
  }
  descriptor_ = descriptor;
  path_ = path;
  return true;
}

void FileLock::Unlock() {
  if (descriptor_ < 0) return;
  close(descriptor_);
  descriptor_ = -1;
  path_.clear();
}
