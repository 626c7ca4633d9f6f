#include "files/AtomicSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

// Writes are gathered to this size before they go to the file.
constexpr std::size_t kBufferSize = 64 * 1024;

// The file a save replaces: the target itself, or the file a symbolic link points to.
std::string ResolvedTarget(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
  return error ? path : resolved.string();
}

std::string FolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return folder.empty() ? std::string(".") : folder.string();
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

}  // namespace

AtomicSave::AtomicSave(std::string targetPath) : targetPath_(ResolvedTarget(targetPath)) {}

AtomicSave::~AtomicSave() { Discard(); }

bool AtomicSave::Open() {
  Discard();
  failed_ = false;
  // A file the user may not write stays as it is, although its folder would allow the rename.
  if (access(targetPath_.c_str(), F_OK) == 0 && access(targetPath_.c_str(), W_OK) != 0) {
    return false;
  }
  std::string pattern = targetPath_ + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  descriptor_ = mkostemp(name.data(), O_CLOEXEC);
  if (descriptor_ < 0) return false;
  temporaryPath_ = name.data();
  if (!AdoptTargetPermissions()) {
    Discard();
    return false;
  }
  buffer_.reserve(kBufferSize);
  return true;
}

bool AtomicSave::Write(std::string_view bytes) {
  if (failed_ || descriptor_ < 0) return false;
  buffer_.append(bytes);
  return buffer_.size() < kBufferSize || Flush();
}

bool AtomicSave::Commit() {
  if (failed_ || descriptor_ < 0 || !Flush() || fsync(descriptor_) != 0) {
    Discard();
    return false;
  }
  const int descriptor = descriptor_;
  descriptor_ = -1;
  if (close(descriptor) != 0 || std::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
    Discard();
    return false;
  }
  temporaryPath_.clear();
  SyncFolder();
  return true;
}

bool AtomicSave::Flush() {
  const bool written = WriteAll(buffer_);
  buffer_.clear();
  if (!written) failed_ = true;
  return written;
}

bool AtomicSave::WriteAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(descriptor_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The temporary is created private; the saved file gets the permissions of the file it
// replaces, or those of a newly created file.
bool AtomicSave::AdoptTargetPermissions() {
  struct stat target {};
  const mode_t mode =
      stat(targetPath_.c_str(), &target) == 0 ? target.st_mode & 07777 : static_cast<mode_t>(0666 & ~CurrentUmask());
  return fchmod(descriptor_, mode) == 0;
}

// Makes the rename itself durable. A folder that cannot be synced leaves the save done.
void AtomicSave::SyncFolder() const {
  const int folder = open(FolderOf(targetPath_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  fsync(folder);
  close(folder);
}

void AtomicSave::Discard() {
  if (descriptor_ >= 0) close(descriptor_);
  descriptor_ = -1;
  if (!temporaryPath_.empty()) unlink(temporaryPath_.c_str());
  temporaryPath_.clear();
  buffer_.clear();
}
