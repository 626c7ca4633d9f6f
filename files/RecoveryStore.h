#pragma once
// The folder of recovery copies ($XDG_STATE_HOME/tessel/recovery, else
// ~/.local/state/tessel/recovery) and who owns which copy in it. Each window process writes
// at most one copy, "<process id>-<start stamp>.recovery", and holds the lock file of the same
// name ending ".lock" from before its first write until it ends; the system lets go of the
// lock however the process ends. A copy is left over, and may be taken, only when its lock can
// be taken; without a lock file, only when its owner's process id no longer runs. So two
// windows never take each other's copies, and a reused process id does not hide a copy.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/RecoveryCopy.h"
#include "platform/FileLock.h"

class RecoveryStore {
 public:
  // The folder named by the user's state folder, or by the home folder when stateHome is
  // unset or empty; empty when neither is given.
  static std::string FolderOf(const char* stateHome, const char* home);

  // A store in folder (made at the first write) for the process ownerId; stamp tells this
  // process's copies from those of an earlier process that had the same id.
  RecoveryStore(std::string folder, int ownerId, std::uint64_t stamp);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  const std::string& Folder() const { return folder_; }

  // --- This process's copy ---
  const std::string& OwnCopyPath() const { return ownCopy_; }
  bool HasOwnCopy() const { return ownCopyWritten_; }
  // Writes the copy through the atomic save, with this process as its owner. False when the
  // folder or the lock cannot be made or the save fails; an earlier copy then stays.
  bool WriteOwnCopy(RecoveryHeader header, const cmcEeprom& document, int destination, const cmcEeprom& defaults);
  // Removes this process's copy; the lock stays held.
  void RemoveOwnCopy();

  // --- Copies left by other processes ---
  struct LeftCopy {
    std::string path;
    std::optional<RecoveryCopy> copy;  // none when the copy is damaged
  };
  // Every copy whose owner has gone, oldest first, each now held by this process until it is
  // released, removed or moved aside.
  std::vector<LeftCopy> ClaimLeftCopies();
  // Gives a claimed copy back, kept for a later start.
  void Release(const std::string& path);
  // Deletes a claimed copy and its lock file.
  void Remove(const std::string& path);
  // Moves a claimed (damaged) copy into the folder's "damaged" folder; the path it has there,
  // or empty when it could not be moved (it is then left where it was).
  std::string MoveAside(const std::string& path);

  static constexpr const char* kCopySuffix = ".recovery";
  static constexpr const char* kLockSuffix = ".lock";
  static constexpr const char* kDamagedFolder = "damaged";

 private:
  static std::string LockPathOf(const std::string& copyPath);
  bool TakeOwnLock();

  std::string folder_;
  std::string ownCopy_;
  FileLock ownLock_;
  bool ownCopyWritten_ = false;
  std::map<std::string, std::unique_ptr<FileLock>> claimed_;
};
