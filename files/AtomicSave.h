#pragma once
// Saving that never destroys a good file: the bytes go to a temporary file in the target's
// folder, which replaces the target only after every write, the flush to disk and the rename
// have succeeded. On any failure, and when the object dies uncommitted, the target is left as
// it was and the temporary is removed. A target that is a symbolic link keeps the link: the
// file it points to is replaced.
#include <string>
#include <string_view>

class AtomicSave {
 public:
  explicit AtomicSave(std::string targetPath);
  ~AtomicSave();
  AtomicSave(const AtomicSave&) = delete;
  AtomicSave& operator=(const AtomicSave&) = delete;

  // Creates the temporary file. False when it cannot be created, or when the target exists
  // and may not be written.
  bool Open();

  // Appends bytes. False when this or an earlier write failed; the failure sticks.
  bool Write(std::string_view bytes);

  // Writes what is buffered, flushes the temporary to disk and renames it over the target.
  // False on any failure, with the temporary removed.
  bool Commit();

  // The temporary's path while one exists (empty otherwise).
  const std::string& TemporaryPath() const { return temporaryPath_; }

 private:
  bool Flush();
  bool WriteAll(std::string_view bytes);
  bool AdoptTargetPermissions();
  void SyncFolder() const;
  void Discard();

  std::string targetPath_;
  std::string temporaryPath_;
  std::string buffer_;
  int descriptor_ = -1;
  bool failed_ = false;
};
