#include "files/RecoveryStore.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "platform/Processes.h"

namespace fs = std::filesystem;

namespace {

// The owner's process id the name of a copy begins with; 0 when it does not.
int OwnerOfName(const std::string& name) {
  int owner = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), owner);
  return error == std::errc() && end != name.data() && *end == '-' ? owner : 0;
}

}  // namespace

std::string RecoveryStore::FolderOf(const char* stateHome, const char* home) {
  if (stateHome != nullptr && *stateHome != '\0') return (fs::path(stateHome) / "tessel" / "recovery").string();
  if (home != nullptr && *home != '\0') {
    return (fs::path(home) / ".local" / "state" / "tessel" / "recovery").string();
  }
  return {};
}

RecoveryStore::RecoveryStore(std::string folder, int ownerId, std::uint64_t stamp) : folder_(std::move(folder)) {
  if (!folder_.empty()) {
    ownCopy_ = (fs::path(folder_) / (std::to_string(ownerId) + "-" + std::to_string(stamp) + kCopySuffix)).string();
  }
}

// The lock file goes with the copy; a copy left behind keeps its lock file for the next start.
RecoveryStore::~RecoveryStore() {
  if (!ownLock_.Held()) return;
  std::error_code error;
  if (!fs::exists(ownCopy_, error)) fs::remove(ownLock_.Path(), error);
}

std::string RecoveryStore::LockPathOf(const std::string& copyPath) {
  fs::path lock(copyPath);
  lock.replace_extension(kLockSuffix);
  return lock.string();
}

bool RecoveryStore::TakeOwnLock() {
  if (ownLock_.Held()) return true;
  std::error_code error;
  // The copies hold the user's documents: a folder made here is the user's alone.
  if (fs::create_directories(folder_, error)) fs::permissions(folder_, fs::perms::owner_all, error);
  return ownLock_.TryLock(LockPathOf(ownCopy_));
}

bool RecoveryStore::WriteOwnCopy(RecoveryHeader header, const cmcEeprom& document, int destination,
                                 const cmcEeprom& defaults) {
  if (ownCopy_.empty() || !TakeOwnLock()) return false;
  header.owner = CurrentProcessId();
  if (!WriteRecoveryCopy(ownCopy_, header, document, destination, defaults)) return false;
  ownCopyWritten_ = true;
  return true;
}

void RecoveryStore::RemoveOwnCopy() {
  if (ownCopy_.empty()) return;
  std::error_code error;
  fs::remove(ownCopy_, error);
  ownCopyWritten_ = false;
}

std::vector<RecoveryStore::LeftCopy> RecoveryStore::ClaimLeftCopies() {
  std::vector<LeftCopy> left;
  std::error_code error;
  if (folder_.empty() || !fs::is_directory(folder_, error)) return left;
  std::vector<std::pair<fs::file_time_type, std::string>> candidates;
  for (const auto& entry : fs::directory_iterator(folder_, error)) {
    const fs::path& path = entry.path();
    if (path.extension() != kCopySuffix || path.string() == ownCopy_ || claimed_.contains(path.string())) continue;
    if (!entry.is_regular_file(error)) continue;
    candidates.emplace_back(entry.last_write_time(error), path.string());
  }
  std::ranges::sort(candidates);
  for (const auto& [time, path] : candidates) {
    const std::string lockPath = LockPathOf(path);
    // Without a lock file only a process id that no longer runs shows that the owner has gone.
    if (!fs::exists(lockPath, error) && ProcessRuns(OwnerOfName(fs::path(path).filename().string()))) continue;
    auto lock = std::make_unique<FileLock>();
    if (!lock->TryLock(lockPath)) continue;
    // The owner may have ended cleanly, removing its copy, since the folder was read.
    if (!fs::exists(path, error)) {
      fs::remove(lockPath, error);
      continue;
    }
    claimed_[path] = std::move(lock);
    left.push_back({path, ReadRecoveryCopy(path)});
  }
  return left;
}

void RecoveryStore::Release(const std::string& path) { claimed_.erase(path); }

void RecoveryStore::Remove(const std::string& path) {
  if (!claimed_.contains(path)) return;
  std::error_code error;
  fs::remove(path, error);
  fs::remove(LockPathOf(path), error);
  Release(path);
}

std::string RecoveryStore::MoveAside(const std::string& path) {
  if (!claimed_.contains(path)) return {};
  std::error_code error;
  const fs::path damaged = fs::path(folder_) / kDamagedFolder;
  fs::create_directories(damaged, error);
  const fs::path target = damaged / fs::path(path).filename();
  fs::rename(path, target, error);
  if (error) return {};
  fs::remove(LockPathOf(path), error);
  Release(path);
  return target.string();
}
